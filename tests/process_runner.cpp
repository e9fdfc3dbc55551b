#include "process_runner.h"

#include "file_operations.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

ProcessResult run_process(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& input, const std::string& scratch_directory) {
    const std::string in_path = scratch_directory + "/.stdin";
    const std::string out_path = scratch_directory + "/.stdout";
    const std::string err_path = scratch_directory + "/.stderr";
    write_file(in_path, input);
    ProcessResult result;
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open(in_path.c_str(), O_RDONLY);
        const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = read_text_file(out_path);
    result.err = read_text_file(err_path);
    delete_file(in_path);
    delete_file(out_path);
    delete_file(err_path);
    return result;
}
