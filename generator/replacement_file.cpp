#include "replacement_file.hpp"

#include <utility>

namespace kestrin {

namespace {

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Named apart from any preset, so that a file left by a run that was killed
// is never taken for one; the process id keeps concurrent runs apart.
std::string temporary_name(const std::string& folder, unsigned attempt) {
    return folder + "kestrin-" + std::to_string(platform::process_id()) + "-" + std::to_string(attempt) + ".tmp";
}

}  // namespace

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target)) {
    const std::string folder = folder_of(target_);
    for (unsigned attempt = 0; attempt < 100 && !file_.is_open(); ++attempt) {
        temporary_ = temporary_name(folder, attempt);
        file_ = platform::File::create_new(temporary_);
    }
    if (!file_.is_open()) {
        temporary_.clear();
        failed_ = true;
    }
}

ReplacementFile::~ReplacementFile() { discard(); }

bool ReplacementFile::write(std::string_view bytes) {
    if (!failed_ && !file_.write(bytes)) failed_ = true;
    return !failed_;
}

bool ReplacementFile::commit() {
    if (failed_ || !file_.sync() || !file_.close() || !platform::replace_file(temporary_, target_)) {
        failed_ = true;
        discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void ReplacementFile::discard() {
    file_.close();
    if (!temporary_.empty()) platform::remove_file(temporary_);
    temporary_.clear();
}

}  // namespace kestrin
