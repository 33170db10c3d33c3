// A small streaming JSON writer for the headless outputs; CP932 texts become UTF-8 strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class JsonWriter {
public:
    // Containers; a key is given for members of objects.
    JsonWriter& beginObject(std::string_view key = {});
    JsonWriter& endObject();
    JsonWriter& beginArray(std::string_view key = {});
    JsonWriter& endArray();

    // Values: text is CP932 and converted; utf8 is written as it is.
    JsonWriter& text(std::string_view key, std::string_view cp932Text);
    JsonWriter& utf8(std::string_view key, std::string_view utf8Text);
    JsonWriter& number(std::string_view key, std::int64_t value);
    JsonWriter& boolean(std::string_view key, bool value);
    JsonWriter& null(std::string_view key);

    // Array elements (no key).
    JsonWriter& text(std::string_view cp932Text) { return text({}, cp932Text); }
    JsonWriter& number(std::int64_t value) { return number({}, value); }

    // The document so far, ending with a newline once the outermost container is closed.
    const std::string& str() const { return out_; }

private:
    void prefix(std::string_view key);
    void quoted(std::string_view utf8Text);
    void close(char bracket);

    std::string out_;
    std::vector<bool> first_; // per open container: nothing written in it yet
};
