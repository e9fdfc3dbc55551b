#include "xvfb_session.h"

#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

bool on_path(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

template <typename Condition> bool wait_until(Condition condition, std::chrono::seconds limit) {
    const Clock::time_point end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return condition();
}

} // namespace

XvfbSession::~XvfbSession() {
    if (server_ > 0)
        stop(server_);
}

bool XvfbSession::available() { return on_path("Xvfb") && on_path("xdotool"); }

bool XvfbSession::start() {
    for (int number = 87; number < 300 && server_ < 0; ++number) {
        const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        if (fs::exists(lock) || fs::exists(socket))
            continue;
        display_ = ":" + std::to_string(number);
        server_ = spawn({"Xvfb", display_, "-screen", "0", "1024x768x24", "-nolisten", "tcp"}, {});
        if (server_ > 0 && !wait_until([&] { return fs::exists(socket); }, std::chrono::seconds(10))) {
            stop(server_);
            server_ = -1;
        }
    }
    return server_ > 0;
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
