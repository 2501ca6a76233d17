// Starts a program on the current X display and reports, on one line: milliseconds from exec until its
// first top-level window is mapped, resident KiB two seconds after the start, and the CPU it used, in
// percent of one core, over the following ten seconds of idling. The program is killed afterwards.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <sys/wait.h>

namespace {

using Clock = std::chrono::steady_clock;

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

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startupprobe PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startupprobe: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    double mappedMs = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & ~0x80) == XCB_MAP_NOTIFY
            && !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
        std::free(event);
        if (mapped) {
            mappedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
    }
    xcb_disconnect(connection);

    std::this_thread::sleep_until(start + std::chrono::seconds(2));
    const long resident = residentKiB(pid);
    const long ticksBefore = cpuTicks(pid);
    std::this_thread::sleep_until(start + std::chrono::seconds(12));
    const long ticksAfter = cpuTicks(pid);
    const double idlePercent = 100.0 * double(ticksAfter - ticksBefore) / double(sysconf(_SC_CLK_TCK)) / 10.0;

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %ld %.2f\n", mappedMs, resident, idlePercent);
    return mappedMs < 0 ? 1 : 0;
}
