#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Text mode, the same on every platform: a line end is written as CR LF; on
// reading, a CR directly before an LF is dropped, a lone CR passes unchanged
// and a Ctrl-Z byte ends the input. No other byte is converted.
namespace kestrin {

// Fills a buffer with raw bytes: the count read, 0 at the end, -1 on error.
using ByteSource = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;
// Takes raw bytes; false when they could not all be stored.
using ByteSink = std::function<bool(std::string_view bytes)>;

class TextInput {
public:
    static constexpr int end = -1;

    static constexpr std::size_t default_buffer_size = 64 * 1024;

    explicit TextInput(ByteSource source, std::size_t buffer_size = default_buffer_size);
    // Reads everything from a text held in memory, buffer_size bytes at a time.
    static TextInput from_bytes(std::string bytes, std::size_t buffer_size = default_buffer_size);

    int peek() {
        if (!has_pending_) {
            pending_ = translate_next();
            has_pending_ = true;
        }
        return pending_;
    }

    int get() {
        const int c = peek();
        has_pending_ = false;
        return c;
    }

    // Whether the input stopped at a read error rather than at its end.
    bool failed() const { return failed_; }

private:
    static constexpr int ctrl_z = 26;

    int raw_peek() {
        if (position_ == filled_ && !refill()) return end;
        return static_cast<unsigned char>(buffer_[position_]);
    }

    int translate_next() {
        if (finished_) return end;
        const int c = raw_peek();
        if (c == end || c == ctrl_z) {
            finished_ = true;
            return end;
        }
        ++position_;
        if (c == '\r' && raw_peek() == '\n') {
            ++position_;
            return '\n';
        }
        return c;
    }

    bool refill();

    ByteSource source_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    int pending_ = end;
    bool has_pending_ = false;
    bool finished_ = false;
    bool failed_ = false;
};

// Collects text, turning each LF into CR LF, and hands it to its sink on
// flush. A failure of the sink sticks, so a caller checks once at the end.
class TextOutput {
public:
    explicit TextOutput(ByteSink sink) : sink_(std::move(sink)) {}

    void write(std::string_view text);
    void write_line(std::string_view text) {
        write(text);
        write("\n");
    }
    bool flush();
    bool failed() const { return failed_; }

private:
    ByteSink sink_;
    std::string pending_;
    bool failed_ = false;
};

}  // namespace kestrin
