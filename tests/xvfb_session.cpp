#include "xvfb_session.h"

#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

bool on_path(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

} // namespace

XvfbSession::~XvfbSession() {
    if (server_ > 0)
        stop(server_);
}

bool XvfbSession::available() {
    return on_path("Xvfb") && on_path("xdotool");
}

bool XvfbSession::start() {
    // Xvfb picks a free display itself and tells its number through -displayfd, so
    // tests running side by side never race for the same one.
    int pipe_ends[2];
    if (::pipe(pipe_ends) != 0)
        return false;
    server_ = spawn({"Xvfb", "-displayfd", std::to_string(pipe_ends[1]), "-screen", "0",
                     "1024x768x24", "-nolisten", "tcp"},
                    {});
    ::close(pipe_ends[1]);
    std::string number;
    char c = 0;
    while (::read(pipe_ends[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(pipe_ends[0]);
    if (server_ <= 0 || number.empty()) {
        if (server_ > 0)
            stop(server_);
        server_ = -1;
        return false;
    }
    display_ = ":" + number;
    return true;
}

pid_t XvfbSession::spawn(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& extra_environment) {
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        if (entry.rfind("DISPLAY=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
            environment.push_back(entry);
    }
    environment.insert(environment.end(), extra_environment.begin(), extra_environment.end());
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    pid_t pid = -1;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        return -1;
    return pid;
}

pid_t XvfbSession::spawn_program(const std::vector<std::string>& arguments) {
    return spawn(arguments, {"DISPLAY=" + display_, "QT_QPA_PLATFORM=xcb"});
}

std::string XvfbSession::xdotool(const std::string& arguments) {
    const std::string command = "DISPLAY=" + display_ + " xdotool " + arguments;
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        ::pclose(pipe);
    }
    return output;
}

unsigned long XvfbSession::find_window(const std::string& name) {
    const std::string found = xdotool("search --sync --onlyvisible --name '" + name + "'");
    return std::strtoul(found.c_str(), nullptr, 10);
}

bool XvfbSession::close_window(unsigned long window) {
    Display* connection = XOpenDisplay(display_.c_str());
    if (!connection)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(connection, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(connection, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(connection, window, False, NoEventMask, &event);
    XFlush(connection);
    XCloseDisplay(connection);
    return true;
}

int XvfbSession::wait_for(pid_t pid, std::chrono::seconds limit) {
    const Clock::time_point end = Clock::now() + limit;
    while (Clock::now() < end) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
}

void XvfbSession::stop(pid_t pid) {
    ::kill(pid, SIGTERM);
    if (wait_for(pid, std::chrono::seconds(5)) == -1) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
}
