// Starts a program on the current X display and reports, on one line, how long it takes to show:
//   startupprobe [--idle] PROGRAM [ARGUMENT...]
//     milliseconds from exec until its first frame shows in the middle of the screen, which an X server with
//     no window manager shows black until then, and resident KiB 2.5 seconds after the start; with --idle
//     also the CPU it used, in percent of one core, over the following ten seconds;
//   startupprobe --click X Y [--colour RRGGBB] PROGRAM [ARGUMENT...]
//     once its first window has shown and the program idles, a click at X, Y on the screen, and the
//     milliseconds from the click until the next top-level window is mapped, or with --colour until the
//     middle of the screen shows that colour;
//   startupprobe --colour RRGGBB PROGRAM [ARGUMENT...]
//     milliseconds from exec until the middle of the screen shows that colour.
// The program is ended afterwards.
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <sys/wait.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// User and system time of the process, in clock ticks.
long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15)
            stime = std::stol(field);
    }
    return utime + stime;
}

class Display {
public:
    Display() : connection_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(connection_))
            return;
        screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, screen_->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }

    bool open() const { return screen_ != nullptr; }

    // Waits for a top-level window to be mapped.
    void awaitMapped()
    {
        while (xcb_generic_event_t* event = xcb_wait_for_event(connection_)) {
            const bool mapped = (event->response_type & ~0x80) == XCB_MAP_NOTIFY
                && !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
            std::free(event);
            if (mapped)
                return;
        }
    }

    // The colour in the middle of the screen.
    std::optional<std::uint32_t> middle()
    {
        const auto cookie = xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root,
                                          std::int16_t(screen_->width_in_pixels / 2),
                                          std::int16_t(screen_->height_in_pixels / 2), 1, 1, ~0u);
        xcb_get_image_reply_t* reply = xcb_get_image_reply(connection_, cookie, nullptr);
        std::optional<std::uint32_t> rgb;
        if (reply && xcb_get_image_data_length(reply) >= 4)
            rgb = *reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(reply)) & 0xffffff;
        std::free(reply);
        return rgb;
    }

    // Polls the middle of the screen until the condition holds of its colour.
    template <typename Condition>
    void awaitMiddle(Condition holds)
    {
        while (!holds(middle()))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    void click(int x, int y)
    {
        xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen_->root, std::int16_t(x),
                            std::int16_t(y), 0);
        xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(connection_);
    }

private:
    xcb_connection_t* connection_;
    xcb_screen_t* screen_ = nullptr;
};

} // namespace

int main(int argc, char* argv[])
{
    std::optional<std::pair<int, int>> click;
    std::optional<std::uint32_t> colour;
    bool idle = false;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (std::strcmp(argv[first], "--click") == 0 && first + 2 < argc) {
            click = std::pair(std::atoi(argv[first + 1]), std::atoi(argv[first + 2]));
            first += 2;
        } else if (std::strcmp(argv[first], "--idle") == 0) {
            idle = true;
        } else if (std::strcmp(argv[first], "--colour") == 0 && first + 1 < argc) {
            colour = std::uint32_t(std::strtoul(argv[++first], nullptr, 16));
        }
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: startupprobe [--click X Y] [--colour RRGGBB] PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    Display display;
    if (!display.open()) {
        std::fprintf(stderr, "startupprobe: no X display\n");
        return 1;
    }

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[first], argv + first);
        _exit(127);
    }
    const auto end = [pid] {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    };

    if (click) {
        display.awaitMapped();
        std::this_thread::sleep_until(start + std::chrono::seconds(2));
        const Clock::time_point clicked = Clock::now();
        display.click(click->first, click->second);
        if (colour)
            display.awaitMiddle([&](std::optional<std::uint32_t> rgb) { return rgb == colour; });
        else
            display.awaitMapped();
        std::printf("%.1f\n", millisecondsSince(clicked));
        end();
        return 0;
    }
    if (colour) {
        display.awaitMiddle([&](std::optional<std::uint32_t> rgb) { return rgb == colour; });
        std::printf("%.1f\n", millisecondsSince(start));
        end();
        return 0;
    }

    display.awaitMiddle([](std::optional<std::uint32_t> rgb) { return rgb && *rgb != 0; });
    const double paintedMs = millisecondsSince(start);
    std::this_thread::sleep_until(start + std::chrono::milliseconds(2500));
    const long resident = residentKiB(pid);
    std::printf("%.1f %ld", paintedMs, resident);
    if (idle) {
        const long ticksBefore = cpuTicks(pid);
        std::this_thread::sleep_until(start + std::chrono::milliseconds(12500));
        const long ticksAfter = cpuTicks(pid);
        std::printf(" %.2f", 100.0 * double(ticksAfter - ticksBefore) / double(sysconf(_SC_CLK_TCK)) / 10.0);
    }
    std::printf("\n");
    end();
    return 0;
}
