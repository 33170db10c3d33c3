// JSON text with two-space indentation and escaped UTF-8 strings.
#include "app/JsonWriter.h"

#include "common/Cp932.h"

#include <cstdio>

void JsonWriter::prefix(std::string_view key) {
    if (!first_.empty()) {
        out_ += first_.back() ? "\n" : ",\n";
        first_.back() = false;
        out_.append(first_.size() * 2, ' ');
    }
    if (!key.empty()) {
        quoted(key);
        out_ += ": ";
    }
}

void JsonWriter::quoted(std::string_view s) {
    out_ += '"';
    for (unsigned char c : s) {
        switch (c) {
        case '"': out_ += "\\\""; break;
        case '\\': out_ += "\\\\"; break;
        case '\n': out_ += "\\n"; break;
        case '\r': out_ += "\\r"; break;
        case '\t': out_ += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out_ += buf;
            } else {
                out_ += static_cast<char>(c);
            }
        }
    }
    out_ += '"';
}

JsonWriter& JsonWriter::beginObject(std::string_view key) {
    prefix(key);
    out_ += '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::beginArray(std::string_view key) {
    prefix(key);
    out_ += '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    close('}');
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    close(']');
    return *this;
}

void JsonWriter::close(char bracket) {
    bool empty = first_.back();
    first_.pop_back();
    if (!empty) {
        out_ += '\n';
        out_.append(first_.size() * 2, ' ');
    }
    out_ += bracket;
    if (first_.empty()) {
        out_ += '\n';
    }
}

JsonWriter& JsonWriter::text(std::string_view key, std::string_view cp932Text) {
    return utf8(key, cp932::toUtf8(cp932Text));
}

JsonWriter& JsonWriter::utf8(std::string_view key, std::string_view utf8Text) {
    prefix(key);
    quoted(utf8Text);
    return *this;
}

JsonWriter& JsonWriter::number(std::string_view key, std::int64_t value) {
    prefix(key);
    out_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::boolean(std::string_view key, bool value) {
    prefix(key);
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null(std::string_view key) {
    prefix(key);
    out_ += "null";
    return *this;
}
