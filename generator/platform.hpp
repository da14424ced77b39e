#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Everything the generator needs from the operating system. Paths and
// arguments are UTF-8 on every platform; the Windows layer converts them to
// and from wide characters so that any file name can be opened.
namespace kestrin::platform {

// The command-line words after the program name, as UTF-8.
std::vector<std::string> arguments(int argc, char** argv);

// A move-only handle to an open file. Every file is opened with reading and
// writing by other processes allowed, so a front end can read the run log
// while a run still writes it.
class File {
public:
    // Opens an existing regular file for reading; never creates one.
    static File open_for_reading(const std::string& path);
    // Creates the file, or truncates it when it exists.
    static File create_for_writing(const std::string& path);
    // Creates the file only when no file of that name exists yet.
    static File create_new(const std::string& path);

    File() = default;
    File(File&& other) noexcept : handle_(other.handle_) { other.handle_ = closed; }
    File& operator=(File&& other) noexcept {
        if (this != &other) {
            close();
            handle_ = other.handle_;
            other.handle_ = closed;
        }
        return *this;
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File() { close(); }

    bool is_open() const { return handle_ != closed; }
    // Bytes read into buffer; 0 at the end of the file, -1 on a read error.
    std::ptrdiff_t read(char* buffer, std::size_t size);
    // Writes all of data, or fails.
    bool write(std::string_view data);
    // Asks the system to put what was written on stable storage.
    bool sync();
    bool close();
    // Whether both handles name one and the same file on disk.
    bool is_same_file_as(const File& other) const;

private:
    static constexpr std::intptr_t closed = -1;
    explicit File(std::intptr_t handle) : handle_(handle) {}
    std::intptr_t handle_ = closed;
};

// Replaces target by source in one step: readers see either the old or the
// new file, never a part of one.
bool replace_file(const std::string& source, const std::string& target);
bool remove_file(const std::string& path);
// A number that no other process running now has.
unsigned long process_id();
void write_to_stderr(std::string_view utf8_text);

}  // namespace kestrin::platform
