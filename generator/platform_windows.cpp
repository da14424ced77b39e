#include "platform.hpp"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>

namespace kestrin::platform {

namespace {

std::wstring widen(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::string narrow(const wchar_t* wide, int length) {
    if (length == 0) return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

HANDLE as_handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

std::intptr_t open_handle(const std::string& path, DWORD access, DWORD disposition) {
    // An empty name would otherwise be taken as the current folder.
    if (path.empty()) return -1;
    const HANDLE handle = CreateFileW(widen(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return -1;
    return reinterpret_cast<std::intptr_t>(handle);
}

}  // namespace

std::vector<std::string> arguments(int, char**) {
    std::vector<std::string> words;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return words;
    for (int i = 1; i < count; ++i) words.push_back(narrow(wide[i], static_cast<int>(wcslen(wide[i]))));
    LocalFree(wide);
    return words;
}

File File::open_for_reading(const std::string& path) {
    File file(open_handle(path, GENERIC_READ, OPEN_EXISTING));
    // Only files on disk are settings files: a console or a pipe never ends.
    if (file.is_open() && GetFileType(as_handle(file.handle_)) != FILE_TYPE_DISK) file.close();
    return file;
}

File File::create_for_writing(const std::string& path) { return File(open_handle(path, GENERIC_WRITE, CREATE_ALWAYS)); }

File File::create_new(const std::string& path) { return File(open_handle(path, GENERIC_WRITE, CREATE_NEW)); }

std::ptrdiff_t File::read(char* buffer, std::size_t size) {
    if (!is_open()) return -1;
    const DWORD wanted = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
    DWORD count = 0;
    if (!ReadFile(as_handle(handle_), buffer, wanted, &count, nullptr)) {
        return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
    }
    return static_cast<std::ptrdiff_t>(count);
}

bool File::write(std::string_view data) {
    if (!is_open()) return false;
    while (!data.empty()) {
        const DWORD wanted = data.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(data.size());
        DWORD count = 0;
        if (!WriteFile(as_handle(handle_), data.data(), wanted, &count, nullptr) || count == 0) return false;
        data.remove_prefix(count);
    }
    return true;
}

bool File::sync() { return is_open() && FlushFileBuffers(as_handle(handle_)) != 0; }

bool File::close() {
    if (!is_open()) return false;
    const BOOL done = CloseHandle(as_handle(handle_));
    handle_ = closed;
    return done != 0;
}

bool File::is_same_file_as(const File& other) const {
    BY_HANDLE_FILE_INFORMATION mine{}, theirs{};
    if (!is_open() || !other.is_open()) return false;
    if (!GetFileInformationByHandle(as_handle(handle_), &mine)) return false;
    if (!GetFileInformationByHandle(as_handle(other.handle_), &theirs)) return false;
    return mine.dwVolumeSerialNumber == theirs.dwVolumeSerialNumber && mine.nFileIndexHigh == theirs.nFileIndexHigh &&
           mine.nFileIndexLow == theirs.nFileIndexLow;
}

bool replace_file(const std::string& source, const std::string& target) {
    return MoveFileExW(widen(source).c_str(), widen(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool remove_file(const std::string& path) { return DeleteFileW(widen(path).c_str()) != 0; }

unsigned long process_id() { return GetCurrentProcessId(); }

void write_to_stderr(std::string_view utf8_text) {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
    DWORD mode = 0;
    DWORD written = 0;
    // A console shows UTF-8 bytes in its own code page; hand it the characters.
    if (GetConsoleMode(error, &mode)) {
        const std::wstring wide = widen(std::string(utf8_text));
        WriteConsoleW(error, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    WriteFile(error, utf8_text.data(), static_cast<DWORD>(utf8_text.size()), &written, nullptr);
}

}  // namespace kestrin::platform
