// The real lochelper on a virtual X server: it shows its window, and closing the
// window from its frame ends the program at once with exit code 0. A second run
// leaves through the exit button and its question, answered with the keyboard.

#include "xvfb_session.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>

namespace {

class LochelperWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!XvfbSession::available())
            GTEST_SKIP() << "Xvfb or xdotool is not installed";
        ASSERT_TRUE(session.start()) << "no virtual X server could start";
        // Arguments must change nothing.
        program = session.spawn_program({LOCHELPER_PROGRAM, "--some", "argument.lng"});
        ASSERT_GT(program, 0);
        window = session.find_window("Lexiro1.1");
        ASSERT_NE(window, 0ul);
    }
    void TearDown() override {
        if (program > 0)
            XvfbSession::stop(program);
    }
    void expect_clean_exit() {
        const int status = XvfbSession::wait_for(program, std::chrono::seconds(10));
        program = -1;
        ASSERT_NE(status, -1) << "the program did not end";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }

    XvfbSession session;
    pid_t program = -1;
    unsigned long window = 0;
};

} // namespace

TEST_F(LochelperWindow, closing_from_the_frame_ends_with_code_0) {
    ASSERT_TRUE(session.close_window(window));
    expect_clean_exit();
}

TEST_F(LochelperWindow, exit_button_asks_and_ok_ends_with_code_0) {
    // Without a window manager there is no frame: the client area is the whole 619 x 484.
    const std::string geometry = session.xdotool("getwindowgeometry " + std::to_string(window));
    EXPECT_NE(geometry.find("619x484"), std::string::npos) << geometry;
    // 退出程序 sits at (536, 392) in the client area, 72 x 24.
    session.xdotool("mousemove --window " + std::to_string(window) + " 570 402 click 1");
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    // The question box is a second visible window; Return answers it with OK.
    const std::string windows = session.xdotool("search --onlyvisible --name ''");
    EXPECT_GE(std::count(windows.begin(), windows.end(), '\n'), 2) << windows;
    session.xdotool("key Return");
    expect_clean_exit();
}
