#pragma once
// A virtual X server of a test's own, and the means to drive real program windows
// on it: start a program, send keys and find windows through xdotool, ask a window
// to close as its frame's close button would.

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

class XvfbSession {
public:
    XvfbSession() = default;
    ~XvfbSession();
    XvfbSession(const XvfbSession&) = delete;
    XvfbSession& operator=(const XvfbSession&) = delete;

    // Whether Xvfb and xdotool are installed.
    static bool available();
    // Starts Xvfb on a free display number; false when none could start.
    bool start();
    const std::string& display() const { return display_; }

    // Starts a program on this display with the xcb platform; its pid, or -1.
    pid_t spawn_program(const std::vector<std::string>& arguments);
    // Runs xdotool on this display; its standard output.
    std::string xdotool(const std::string& arguments);
    // The id of the first visible window whose name matches, waiting for it; 0 if none.
    unsigned long find_window(const std::string& name);
    // Sends WM_DELETE_WINDOW, as the close box of a window frame does.
    bool close_window(unsigned long window);

    // The wait status when the process ends within the limit, or -1.
    static int wait_for(pid_t pid, std::chrono::seconds limit);
    static void stop(pid_t pid);

private:
    static pid_t spawn(const std::vector<std::string>& arguments,
                       const std::vector<std::string>& extra_environment);
    std::string display_;
    pid_t server_ = -1;
};
