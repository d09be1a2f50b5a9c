#include "x_session.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace stelvar::testing {
namespace {

using Clock = std::chrono::steady_clock;

bool OnPath(std::string_view program) {
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "/usr/bin:/bin";
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        std::error_code ec;
        if (!dir.empty() && std::filesystem::exists(std::filesystem::path(dir) / program, ec)) return true;
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return false;
}

// Starts a program whose output is thrown away, except for `keepFd`, which stays open
// for it. It ends with the test program, even when the test program crashes.
pid_t Launch(const std::vector<std::string>& args, int keepFd = -1) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    for (int fd = 3; fd < 256; ++fd)
        if (fd != keepFd) ::close(fd);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
}

void Stop(pid_t& pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    // Both programs end at once on SIGTERM; a stuck one is killed after a second.
    for (int i = 0; i < 100; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            return;
        }
        const timespec pause{0, 10'000'000};
        ::nanosleep(&pause, nullptr);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    pid = -1;
}

bool Exited(pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) == pid; }

}  // namespace

std::unique_ptr<XSession> XSession::Start(Outcome& outcome, std::string& problem) {
    outcome = Outcome::Failed;
    if (!OnPath("Xvfb")) {
        outcome = Outcome::NoXvfb;
        problem = "Xvfb is not installed (Debian package xvfb): no display to test the windows on";
        return nullptr;
    }
    if (!OnPath("openbox")) {
        problem = "openbox is not installed (scripts/setup.sh installs it)";
        return nullptr;
    }
    std::unique_ptr<XSession> session(new XSession);

    // Xvfb picks a free display itself and writes its number to the pipe once it
    // accepts connections, so concurrent test programs never collide.
    int fds[2];
    if (::pipe(fds) != 0) {
        problem = "pipe failed";
        return nullptr;
    }
    session->xvfb_ = Launch({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp", "-noreset"},
                            fds[1]);
    ::close(fds[1]);
    std::string number;
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (number.find('\n') == std::string::npos && Clock::now() < deadline) {
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        char buffer[32];
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0) break;  // Xvfb ended without a display
        number.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    if (number.find('\n') == std::string::npos) {
        problem = "Xvfb did not start";
        return nullptr;
    }
    number.resize(number.find('\n'));
    session->display_ = ":" + number;

    session->connection_ = XOpenDisplay(session->display_.c_str());
    if (!session->connection_) {
        problem = "cannot connect to Xvfb on " + session->display_;
        return nullptr;
    }
    ::setenv("DISPLAY", session->display_.c_str(), 1);
    session->openbox_ = Launch({"openbox"});

    // The window manager has taken over once it names its check window on the root.
    while (Clock::now() < deadline) {
        if (!session->RootWindows("_NET_SUPPORTING_WM_CHECK").empty()) {
            outcome = Outcome::Running;
            return session;
        }
        if (Exited(session->openbox_)) {
            session->openbox_ = -1;
            problem = "openbox ended at start";
            return nullptr;
        }
        const timespec pause{0, 20'000'000};
        ::nanosleep(&pause, nullptr);
    }
    problem = "openbox did not take over the display within 20 s";
    return nullptr;
}

XSession::~XSession() {
    Stop(openbox_);
    if (connection_) XCloseDisplay(static_cast<::Display*>(connection_));
    Stop(xvfb_);
}

std::vector<unsigned long> XSession::RootWindows(const char* property) const {
    auto* display = static_cast<::Display*>(connection_);
    const Atom name = XInternAtom(display, property, False);
    const Atom windowType = XInternAtom(display, "WINDOW", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> windows;
    if (XGetWindowProperty(display, XDefaultRootWindow(display), name, 0, 4096, False, windowType, &type,
                           &format, &count, &after, &data) == Success &&
        data) {
        // Xlib hands 32-bit properties over as longs.
        if (type == windowType && format == 32) {
            const auto* ids = reinterpret_cast<const unsigned long*>(data);
            windows.assign(ids, ids + count);
        }
        XFree(data);
    }
    return windows;
}

std::vector<unsigned long> XSession::Stacking() const { return RootWindows("_NET_CLIENT_LIST_STACKING"); }

unsigned long XSession::ActiveWindow() const {
    const std::vector<unsigned long> active = RootWindows("_NET_ACTIVE_WINDOW");
    return active.empty() ? 0 : active.front();
}

}  // namespace stelvar::testing
