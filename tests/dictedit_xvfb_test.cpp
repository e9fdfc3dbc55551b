// Drives the real dictedit program on its own virtual X server, through the keyboard
// as a user would: Alt+A, type an entry, Alt+S, close the window.
#include "dictionary_table.h"
#include "gbk_codec.h"
#include "xvfb_session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

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
        if (!XvfbSession::available())
            GTEST_SKIP() << "Xvfb or xdotool is not installed";
        ASSERT_TRUE(session_.start()) << "no virtual X server could start";
        directory_ = fs::temp_directory_path() / ("dictedit-xvfb-" + std::to_string(::getpid()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
        // The program finds default.edb beside itself, so it runs from a copy.
        fs::copy_file(DICTEDIT_PROGRAM, directory_ / "dictedit");
    }

    void TearDown() override {
        if (program_ > 0)
            XvfbSession::stop(program_);
        if (!directory_.empty())
            fs::remove_all(directory_);
    }

    XvfbSession session_;
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

    program_ = session_.spawn_program({(directory_ / "dictedit").string()});
    ASSERT_GT(program_, 0);
    const unsigned long window = session_.find_window("Lexiro");
    ASSERT_NE(window, 0ul);
    const std::string id = std::to_string(window);
    session_.xdotool("windowfocus --sync " + id);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    session_.xdotool("key --clearmodifiers alt+a");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    session_.xdotool("type --delay 30 Banana");
    session_.xdotool("key Tab");
    session_.xdotool("type --delay 30 香蕉");
    session_.xdotool("key Return");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    session_.xdotool("key --clearmodifiers alt+s");

    const std::vector<DictionaryEntry> expected = {{"Apple", gbk_from_utf8("苹果")},
                                                   {"Banana", gbk_from_utf8("香蕉")},
                                                   {"Zoo", gbk_from_utf8("动物园")}};
    std::vector<DictionaryEntry> stored;
    EXPECT_TRUE(wait_until(
        [&] { return load_dictionary(dictionary, stored) && operator_equal(stored, expected); },
        std::chrono::seconds(15)))
        << "the file holds " << stored.size() << " records";

    ASSERT_TRUE(session_.close_window(window));
    const int status = XvfbSession::wait_for(program_, std::chrono::seconds(10));
    program_ = -1;
    EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}
