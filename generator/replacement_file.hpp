#pragma once

#include <string>
#include <string_view>

#include "platform.hpp"

namespace kestrin {

// A file that is written beside its target under a name of its own and takes
// the target's place only once every byte is on disk, so the old file stays
// whole until then, whatever fails or stops the run on the way.
class ReplacementFile {
public:
    explicit ReplacementFile(std::string target);
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    // Removes the new file unless it was committed.
    ~ReplacementFile();

    bool write(std::string_view bytes);
    // Flushes and closes the new file and puts it in the target's place.
    // False, with the new file removed and the target untouched, on any error.
    bool commit();

private:
    void discard();

    std::string target_;
    std::string temporary_;
    platform::File file_;
    bool failed_ = false;
};

}  // namespace kestrin
