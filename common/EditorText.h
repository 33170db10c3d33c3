// Texts between the settings (CP932, lines ended by CR LF, at most 255 bytes) and the edit
// controls (UTF-8, lines ended by LF).
#pragma once

#include <string>
#include <string_view>

class EditorText {
public:
    static constexpr std::size_t kMaxBytes = 255;

    // The text cut to kMaxBytes at a character boundary; a CR whose LF was cut off goes too.
    static std::string limit(std::string_view cp932Text);

    // What an edit control shows for a setting.
    static std::string toEditor(std::string_view cp932Text, bool multiLine);

    // The setting an edit control's text gives, cut by limit().
    static std::string fromEditor(std::string_view utf8Text, bool multiLine);

    // True when the control holds more than a setting can keep, so the control is to be cut.
    static bool tooLong(std::string_view utf8Text, bool multiLine);

private:
    static std::string uncut(std::string_view utf8Text, bool multiLine);
};
