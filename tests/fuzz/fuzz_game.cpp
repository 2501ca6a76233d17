// libFuzzer over the game's operations: five bytes choose one operation and its position, and after each
// the same checks as the soak test run. A broken rule aborts with what broke.
#include "support/gamedriver.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    GameDriver driver;
    for (std::size_t at = 0; at + 5 <= size; at += 5) {
        const std::uint16_t a = std::uint16_t(data[at + 1] | data[at + 2] << 8);
        const std::uint16_t b = std::uint16_t(data[at + 3] | data[at + 4] << 8);
        const std::string broken = driver.step(data[at], a, b);
        if (!broken.empty()) {
            std::fprintf(stderr, "operation %zu: %s\n", at / 5 + 1, broken.c_str());
            std::abort();
        }
    }
    return 0;
}
