#pragma once
// A display of the test program's own: an Xvfb server with the openbox window manager
// on it, so that stacking and focus are decided by a real window manager as on a
// desktop, and a look at what the window manager reports. Kept free of Qt and of Xlib's
// macros so that either side can include it.

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

namespace stelvar::testing {

class XSession {
public:
    enum class Outcome { Running, NoXvfb, Failed };

    // Starts Xvfb on a free display and openbox on it and waits (boundedly) until the
    // window manager has taken over the screen. `problem` says what went wrong when the
    // outcome is not Running.
    static std::unique_ptr<XSession> Start(Outcome& outcome, std::string& problem);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // ":N", for DISPLAY.
    const std::string& Display() const { return display_; }

    // The windows the window manager manages, bottom to top (_NET_CLIENT_LIST_STACKING).
    std::vector<unsigned long> Stacking() const;
    // The window the window manager has given the focus (_NET_ACTIVE_WINDOW); 0 for none.
    unsigned long ActiveWindow() const;

private:
    XSession() = default;
    std::vector<unsigned long> RootWindows(const char* property) const;

    pid_t xvfb_ = -1;
    pid_t openbox_ = -1;
    std::string display_;
    void* connection_ = nullptr;  // Xlib's Display*
};

}  // namespace stelvar::testing
