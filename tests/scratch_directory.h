#pragma once
// A fresh directory under /tmp for one test, removed with all it holds afterwards.

#include <cstdlib>
#include <filesystem>
#include <string>

class ScratchDirectory {
public:
    ScratchDirectory() {
        char name[] = "/tmp/lexiro-test-XXXXXX";
        if (mkdtemp(name))
            path_ = name;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};
