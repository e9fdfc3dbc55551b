// Drives the real dictedit program on its own virtual X server, through the keyboard
// as a user would: Alt+A, type an entry, Alt+S, close the window.
#include "dictionary_table.h"
#include "gbk_codec.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <X11/Xlib.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

bool operator_equal(const std::vector<DictionaryEntry>& a, const std::vector<DictionaryEntry>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].english != b[i].english || a[i].chinese != b[i].chinese)
            return false;
    return true;
}

bool on_path(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

pid_t spawn(const std::vector<std::string>& arguments, const std::vector<std::string>& extra_env) {
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        if (entry.rfind("DISPLAY=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
            environment.push_back(entry);
    }
    environment.insert(environment.end(), extra_env.begin(), extra_env.end());
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

// Waits up to `limit` for the process to end; its wait status, or -1 on time-out.
int wait_for(pid_t pid, std::chrono::seconds limit) {
    const Clock::time_point end = Clock::now() + limit;
    while (Clock::now() < end) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
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

class XvfbEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!on_path("Xvfb") || !on_path("xdotool"))
            GTEST_SKIP() << "Xvfb or xdotool is not installed";
        for (int number = 87; number < 300 && server_ < 0; ++number) {
            const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
            const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
            if (fs::exists(lock) || fs::exists(socket))
                continue;
            display_ = ":" + std::to_string(number);
            server_ =
                spawn({"Xvfb", display_, "-screen", "0", "1024x768x24", "-nolisten", "tcp"}, {});
            if (!wait_until([&] { return fs::exists(socket); }, std::chrono::seconds(10))) {
                stop(server_);
                server_ = -1;
            }
        }
        ASSERT_GT(server_, 0) << "no virtual X server could start";
        directory_ = fs::temp_directory_path() / ("dictedit-xvfb-" + std::to_string(::getpid()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
        // The program finds default.edb beside itself, so it runs from a copy.
        fs::copy_file(DICTEDIT_PROGRAM, directory_ / "dictedit");
    }

    void TearDown() override {
        if (program_ > 0)
            stop(program_);
        if (server_ > 0)
            stop(server_);
        if (!directory_.empty())
            fs::remove_all(directory_);
    }

    static void stop(pid_t pid) {
        ::kill(pid, SIGTERM);
        if (wait_for(pid, std::chrono::seconds(5)) == -1) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }

    // Runs xdotool on our display; its standard output.
    std::string xdotool(const std::string& arguments) {
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

    // Asks the window to close, as the frame's close button would.
    bool close_window(unsigned long window) {
        Display* connection = XOpenDisplay(display_.c_str());
        if (!connection)
            return false;
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(connection, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] =
            static_cast<long>(XInternAtom(connection, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(connection, window, False, NoEventMask, &event);
        XFlush(connection);
        XCloseDisplay(connection);
        return true;
    }

    std::string display_;
    pid_t server_ = -1;
    pid_t program_ = -1;
    fs::path directory_;
};

} // namespace

TEST_F(XvfbEditorTest, addTypeAndSaveByKeyboard_storesEntry) {
    const std::string dictionary = (directory_ / "default.edb").string();
    std::string error;
    ASSERT_TRUE(write_dictionary_file(
        dictionary, {{"Zoo", gbk_from_utf8("动物园")}, {"Apple", gbk_from_utf8("苹果")}}, &error))
        << error;

    program_ =
        spawn({(directory_ / "dictedit").string()}, {"DISPLAY=" + display_, "QT_QPA_PLATFORM=xcb"});
    ASSERT_GT(program_, 0);
    const std::string found = xdotool("search --sync --onlyvisible --name 'Lexiro'");
    const unsigned long window = std::strtoul(found.c_str(), nullptr, 10);
    ASSERT_NE(window, 0ul) << found;
    const std::string id = std::to_string(window);
    xdotool("windowfocus --sync " + id);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    xdotool("key --clearmodifiers alt+a");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    xdotool("type --delay 30 Banana");
    xdotool("key Tab");
    xdotool("type --delay 30 香蕉");
    xdotool("key Return");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    xdotool("key --clearmodifiers alt+s");

    const std::vector<DictionaryEntry> expected = {{"Apple", gbk_from_utf8("苹果")},
                                                   {"Banana", gbk_from_utf8("香蕉")},
                                                   {"Zoo", gbk_from_utf8("动物园")}};
    std::vector<DictionaryEntry> stored;
    EXPECT_TRUE(wait_until(
        [&] { return load_dictionary(dictionary, stored) && operator_equal(stored, expected); },
        std::chrono::seconds(15)))
        << "the file holds " << stored.size() << " records";

    ASSERT_TRUE(close_window(window));
    const int status = wait_for(program_, std::chrono::seconds(10));
    program_ = -1;
    EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}
