// Conversion and cutting of edit-control texts.
#include "common/EditorText.h"

#include "common/Cp932.h"

namespace {

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t pos = text.find(from); pos != std::string_view::npos;
         pos = text.find(from, start)) {
        out.append(text.substr(start, pos - start));
        out.append(to);
        start = pos + from.size();
    }
    out.append(text.substr(start));
    return out;
}

} // namespace

std::string EditorText::limit(std::string_view cp932Text) {
    std::string cutText = cp932::cut(cp932Text, kMaxBytes);
    if (cutText.size() < cp932Text.size() && !cutText.empty() && cutText.back() == '\r' &&
        cp932Text[cutText.size()] == '\n') {
        cutText.pop_back();
    }
    return cutText;
}

std::string EditorText::toEditor(std::string_view cp932Text, bool multiLine) {
    std::string utf8 = cp932::toUtf8(cp932Text);
    return multiLine ? replaceAll(utf8, "\r\n", "\n") : utf8;
}

std::string EditorText::uncut(std::string_view utf8Text, bool multiLine) {
    // CR and LF are single bytes in both encodings, so the line ends can be changed before the
    // conversion.
    return cp932::fromUtf8(multiLine ? replaceAll(replaceAll(utf8Text, "\r\n", "\n"), "\n", "\r\n")
                                     : std::string(utf8Text));
}

std::string EditorText::fromEditor(std::string_view utf8Text, bool multiLine) {
    return limit(uncut(utf8Text, multiLine));
}

bool EditorText::tooLong(std::string_view utf8Text, bool multiLine) {
    return uncut(utf8Text, multiLine).size() > kMaxBytes;
}
