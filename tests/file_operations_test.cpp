#include "file_operations.h"
#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileOperations : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    const std::string dir = scratch.path();
};

} // namespace

TEST_F(FileOperations, write_then_read_gives_the_same_bytes) {
    const std::string bytes("a=1\r\n\0\xFF\r", 9);
    const std::string path = dir + "/out.txt";
    std::string error;
    ASSERT_TRUE(write_file(path, bytes, &error)) << error;
    EXPECT_EQ(read_text_file(path), bytes);
    EXPECT_TRUE(file_exists(path));
}

TEST_F(FileOperations, write_replaces_an_existing_file_whole) {
    const std::string path = dir + "/out.txt";
    ASSERT_TRUE(write_file(path, std::string(1000, 'x')));
    ASSERT_TRUE(write_file(path, "short"));
    EXPECT_EQ(read_text_file(path), "short");
}

TEST_F(FileOperations, failed_write_reports_the_path_and_keeps_the_old_file) {
    // The target's directory is a plain file, which fails even for root.
    const std::string blocker = dir + "/not-a-directory";
    ASSERT_TRUE(write_file(blocker, "old"));
    std::string error;
    EXPECT_FALSE(write_file(blocker + "/out.txt", "new", &error));
    EXPECT_NE(error.find(blocker), std::string::npos) << error;
    EXPECT_EQ(read_text_file(blocker), "old");
}

TEST_F(FileOperations, write_leaves_no_temporary_file_behind) {
    ASSERT_TRUE(write_file(dir + "/a.txt", "x"));
    EXPECT_EQ(std::system(("test $(ls -A '" + dir + "' | wc -l) -eq 1").c_str()), 0);
}

TEST_F(FileOperations, reading_missing_or_directory_gives_empty_text_and_a_reason) {
    EXPECT_EQ(read_text_file(dir + "/missing.lng"), "");
    std::string bytes = "stale";
    std::string error;
    EXPECT_FALSE(read_file(dir, bytes, &error));
    EXPECT_EQ(bytes, "");
    EXPECT_NE(error.find(dir), std::string::npos);
    EXPECT_FALSE(read_file(dir + "/missing.lng", bytes, &error));
    EXPECT_NE(error.find("missing.lng"), std::string::npos);
    EXPECT_FALSE(file_exists(dir));
}

TEST_F(FileOperations, delete_and_rename_report_success) {
    ASSERT_TRUE(write_file(dir + "/a", "1"));
    EXPECT_TRUE(rename_file(dir + "/a", dir + "/b"));
    EXPECT_FALSE(file_exists(dir + "/a"));
    EXPECT_TRUE(delete_file(dir + "/b"));
    EXPECT_FALSE(delete_file(dir + "/b"));
}

TEST(ProgramDirectory, is_the_directory_of_the_running_executable) {
    const std::string directory = program_directory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), '/');
    struct stat info {};
    EXPECT_EQ(stat((directory + "/common_tests").c_str(), &info), 0) << directory;
}
