// Kills a process in the middle of saving, again and again: default.edb must open
// afterwards and hold either every old record or every new one.
#include "dictedit_test_support.h"

#include <chrono>
#include <csignal>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Entries = std::vector<DictionaryEntry>;
using Clock = std::chrono::steady_clock;

constexpr int new_count = 40000;
constexpr int kills = 60;

// What the child types into its grid, as the dictionary should hold it afterwards.
Entries new_records() {
    Entries records;
    for (int i = 0; i < new_count; ++i)
        records.push_back(
            {"new" + std::to_string(1000000 + new_count - i), "value " + std::to_string(i)});
    sort_by_english(records);
    return records;
}

Entries old_records() {
    Entries records;
    for (int i = 0; i < 3000; ++i)
        records.push_back({"old" + std::to_string(i), gbk("旧") + std::to_string(i)});
    return records;
}

class SavingChild {
public:
    explicit SavingChild(const std::string& directory) {
        int pipe_ends[2];
        EXPECT_EQ(::pipe(pipe_ends), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
        const std::string count = std::to_string(new_count);
        char* arguments[] = {const_cast<char*>(DICTEDIT_CRASH_CHILD),
                             const_cast<char*>(directory.c_str()), const_cast<char*>(count.c_str()),
                             nullptr};
        EXPECT_EQ(::posix_spawn(&pid_, DICTEDIT_CRASH_CHILD, &actions, nullptr, arguments, environ),
                  0);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipe_ends[1]);
        output_ = pipe_ends[0];
    }
    ~SavingChild() {
        ::close(output_);
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            wait();
        }
    }

    // Blocks until the child is about to save; false when it ended before that.
    bool wait_until_saving() {
        std::string seen;
        char buffer[64];
        while (seen.find("saving\n") == std::string::npos) {
            const ssize_t n = ::read(output_, buffer, sizeof buffer);
            if (n <= 0)
                return false;
            seen.append(buffer, static_cast<size_t>(n));
        }
        return true;
    }
    void kill_now() { ::kill(pid_, SIGKILL); }
    int wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

class CrashWhileSavingTest : public EditorTest {};

} // namespace

TEST_F(CrashWhileSavingTest, killedAnywhere_leavesOldOrNewDictionaryWhole) {
    const Entries old_entries = old_records();
    const Entries new_entries = new_records();

    // How long a save takes here, from its start to the end of the process.
    write_dictionary(dictionary_path(), old_entries);
    Clock::duration save_time;
    {
        SavingChild child(program_directory());
        ASSERT_TRUE(child.wait_until_saving());
        const Clock::time_point start = Clock::now();
        const int status = child.wait();
        save_time = Clock::now() - start;
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        ASSERT_EQ(read_dictionary_back(dictionary_path()), new_entries);
    }

    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<long long> delay_us(
        0, std::chrono::duration_cast<std::chrono::microseconds>(save_time).count() * 11 / 10);
    int old_seen = 0;
    int new_seen = 0;
    for (int round = 0; round < kills; ++round) {
        write_dictionary(dictionary_path(), old_entries);
        SavingChild child(program_directory());
        ASSERT_TRUE(child.wait_until_saving());
        std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
        child.kill_now();
        child.wait();

        Entries found;
        std::string error;
        ASSERT_TRUE(load_dictionary(dictionary_path(), found, &error))
            << "round " << round << ": " << error;
        if (found == old_entries)
            ++old_seen;
        else if (found == new_entries)
            ++new_seen;
        else
            FAIL() << "round " << round << ": a mixture of " << found.size() << " records";
    }
    // Both outcomes show that the kills really landed before and after the switch.
    EXPECT_GT(old_seen, 0);
    EXPECT_GT(new_seen, 0);
}
