// A record field as the NUL-terminated text that the log library's classifiers take, on the stack.
#pragma once

#include <cstring>
#include <string_view>

// A field that fills its width has no terminator of its own, and handing the field itself over
// would let the library read on into the next one. Record fields are at most 55 bytes; a longer
// text is cut at 63.
class FieldText {
public:
    explicit FieldText(std::string_view text) {
        text = text.substr(0, sizeof buffer_ - 1);
        if (!text.empty()) {
            std::memcpy(buffer_, text.data(), text.size());
        }
        buffer_[text.size()] = '\0';
    }
    const char* c_str() const { return buffer_; }

private:
    char buffer_[64];
};
