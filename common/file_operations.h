#pragma once
// Whole-file operations. Paths are byte strings as the file system takes them.
// Functions that can fail return false and, when asked, say why in `error`
// (the path and the system's reason, in Chinese for the user, as UTF-8).

#include <string>

// Directory of the running executable, without a trailing separator.
std::string program_directory();
// The whole file, unconverted; the empty text when it is missing or unreadable.
std::string read_text_file(const std::string& path);
// The whole file, unconverted; false with the reason when it cannot be read.
bool read_file(const std::string& path, std::string& bytes, std::string* error = nullptr);
// Creates or replaces the file with exactly these bytes. Atomic: the bytes go to a
// temporary file beside the target, are flushed to disk, then renamed over it, so the
// target is always either the old file or the new one, whole.
bool write_file(const std::string& path, const std::string& bytes, std::string* error = nullptr);
// Every byte from an open descriptor (standard input, say) until its end.
bool read_all(int fd, std::string& bytes);
// All the bytes to an open descriptor, retrying short writes.
bool write_all(int fd, const std::string& bytes);
bool file_exists(const std::string& path);
bool delete_file(const std::string& path);
bool rename_file(const std::string& old_path, const std::string& new_path);
// Flushes a directory's entries, so a rename inside it survives a power cut.
void sync_directory_of(const std::string& path);
// "<path>: <reason>" for the current errno.
std::string system_error_text(const std::string& path, int error_number);
