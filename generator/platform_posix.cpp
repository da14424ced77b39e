#include "platform.hpp"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrin::platform {

namespace {

int open_fd(const std::string& path, int flags) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Only regular files are settings files: a folder, a pipe or a device would
// either fail to read or never end.
bool is_regular_file(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::vector<std::string> arguments(int argc, char** argv) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
    return words;
}

File File::open_for_reading(const std::string& path) {
    const int fd = open_fd(path, O_RDONLY);
    if (fd < 0) return File();
    if (!is_regular_file(fd)) {
        ::close(fd);
        return File();
    }
    return File(fd);
}

File File::create_for_writing(const std::string& path) { return File(open_fd(path, O_WRONLY | O_CREAT | O_TRUNC)); }

File File::create_new(const std::string& path) { return File(open_fd(path, O_WRONLY | O_CREAT | O_EXCL)); }

std::ptrdiff_t File::read(char* buffer, std::size_t size) {
    if (!is_open()) return -1;
    ssize_t count;
    do {
        count = ::read(static_cast<int>(handle_), buffer, size);
    } while (count < 0 && errno == EINTR);
    return count;
}

bool File::write(std::string_view data) {
    if (!is_open()) return false;
    while (!data.empty()) {
        const ssize_t count = ::write(static_cast<int>(handle_), data.data(), data.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

bool File::sync() { return is_open() && ::fsync(static_cast<int>(handle_)) == 0; }

bool File::close() {
    if (!is_open()) return false;
    const int result = ::close(static_cast<int>(handle_));
    handle_ = closed;
    return result == 0;
}

bool File::is_same_file_as(const File& other) const {
    struct stat mine {
    }, theirs{};
    if (!is_open() || !other.is_open()) return false;
    if (::fstat(static_cast<int>(handle_), &mine) != 0) return false;
    if (::fstat(static_cast<int>(other.handle_), &theirs) != 0) return false;
    return mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}

bool replace_file(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool remove_file(const std::string& path) { return ::unlink(path.c_str()) == 0; }

unsigned long process_id() { return static_cast<unsigned long>(::getpid()); }

void write_to_stderr(std::string_view utf8_text) {
    std::fwrite(utf8_text.data(), 1, utf8_text.size(), stderr);
    std::fflush(stderr);
}

}  // namespace kestrin::platform
