#include "text_stream.hpp"

#include <algorithm>
#include <cstring>
#include <memory>

namespace kestrin {

TextInput::TextInput(ByteSource source, std::size_t buffer_size)
    : source_(std::move(source)), buffer_(std::max<std::size_t>(buffer_size, 1)) {}

TextInput TextInput::from_bytes(std::string bytes, std::size_t buffer_size) {
    auto text = std::make_shared<std::string>(std::move(bytes));
    auto offset = std::make_shared<std::size_t>(0);
    return TextInput(
        [text, offset](char* buffer, std::size_t size) -> std::ptrdiff_t {
            const std::size_t count = std::min(size, text->size() - *offset);
            std::memcpy(buffer, text->data() + *offset, count);
            *offset += count;
            return static_cast<std::ptrdiff_t>(count);
        },
        buffer_size);
}

bool TextInput::refill() {
    position_ = 0;
    filled_ = 0;
    if (failed_ || !source_) return false;
    const std::ptrdiff_t count = source_(buffer_.data(), buffer_.size());
    if (count < 0) failed_ = true;
    if (count <= 0) return false;
    filled_ = static_cast<std::size_t>(count);
    return true;
}

void TextOutput::write(std::string_view text) {
    std::size_t start = 0;
    for (std::size_t newline = text.find('\n'); newline != std::string_view::npos; newline = text.find('\n', start)) {
        pending_.append(text.substr(start, newline - start));
        pending_.append("\r\n");
        start = newline + 1;
    }
    pending_.append(text.substr(start));
}

bool TextOutput::flush() {
    if (!pending_.empty() && !failed_ && !sink_(pending_)) failed_ = true;
    pending_.clear();
    return !failed_;
}

}  // namespace kestrin
