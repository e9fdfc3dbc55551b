#include "file_operations.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string directory_part(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string file_part(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool set_error(std::string* error, const std::string& path, int error_number) {
    if (error)
        *error = system_error_text(path, error_number);
    return false;
}

} // namespace

static const char* chinese_reason(int error_number) {
    switch (error_number) {
    case ENOENT:
        return "文件或目录不存在";
    case EACCES:
    case EPERM:
        return "没有访问权限";
    case EISDIR:
        return "这是一个目录，不是文件";
    case ENOTDIR:
        return "路径中有一部分不是目录";
    case ENOSPC:
        return "磁盘空间不足";
    case EDQUOT:
        return "超出磁盘配额";
    case EROFS:
        return "文件系统是只读的";
    case EIO:
        return "读写出错";
    case ENAMETOOLONG:
        return "路径太长";
    case EBUSY:
        return "文件正被占用";
    case EMFILE:
    case ENFILE:
        return "打开的文件太多";
    default:
        return nullptr;
    }
}

bool write_all(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool read_all(int fd, std::string& bytes) {
    char chunk[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.append(chunk, static_cast<size_t>(n));
    }
}

std::string system_error_text(const std::string& path, int error_number) {
    const char* chinese = chinese_reason(error_number);
    const std::string system = std::strerror(error_number);
    return path + ": " + (chinese ? std::string(chinese) + " (" + system + ")" : system);
}

std::string program_directory() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return ".";
    return directory_part(std::string(buffer, static_cast<size_t>(n)));
}

bool read_file(const std::string& path, std::string& bytes, std::string* error) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return set_error(error, path, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int reason = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        return set_error(error, path, reason);
    }
    if (info.st_size > 0)
        bytes.reserve(static_cast<size_t>(info.st_size));
    if (!read_all(fd, bytes)) {
        const int reason = errno;
        ::close(fd);
        bytes.clear();
        return set_error(error, path, reason);
    }
    ::close(fd);
    return true;
}

std::string read_text_file(const std::string& path) {
    std::string bytes;
    read_file(path, bytes);
    return bytes;
}

bool write_file(const std::string& path, const std::string& bytes, std::string* error) {
    const std::string directory = directory_part(path);
    std::string temporary = directory + "/." + file_part(path) + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return set_error(error, path, errno);
    // A replaced file keeps the permissions it had; a new one gets the usual 0666 & ~umask.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (!write_all(fd, bytes) || ::fsync(fd) != 0) {
        const int reason = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return set_error(error, path, reason);
    }
    if (::close(fd) != 0) {
        const int reason = errno;
        ::unlink(temporary.c_str());
        return set_error(error, path, reason);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int reason = errno;
        ::unlink(temporary.c_str());
        return set_error(error, path, reason);
    }
    sync_directory_of(path);
    return true;
}

void sync_directory_of(const std::string& path) {
    const int fd = ::open(directory_part(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool file_exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool delete_file(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool rename_file(const std::string& old_path, const std::string& new_path) {
    return ::rename(old_path.c_str(), new_path.c_str()) == 0;
}
