// Reading and writing the contest file: a plain sequence of little-endian integers and
// length-prefixed texts in one fixed order, with two older, shorter forms still readable.
#include "document/ContestFile.h"

#include "common/AtomicFile.h"
#include "common/Cp932.h"

#include <cstdint>

namespace {

// How many of the values a file holds, decided by its first integer.
enum class Form {
    oldest,  // no version number; ends after the points rule
    v140,    // without the serial widths
    current, // everything
};

constexpr int kVersion140 = 140;

// Visits every value after the version number in file order, calling num(int&) and
// text(std::string&). Saving and loading both walk this one list, so the order is written down
// once.
template <typename Settings, typename Num, typename Text>
void forEachValue(Settings& s, Form form, Num num, Text text) {
    num(s.selectBands);
    for (auto& on : s.bandEnabled)
        num(on);
    num(s.selectModes);
    for (auto& on : s.modeEnabled)
        num(on);
    num(s.excludeSameBandDupes);
    num(s.startYear);
    num(s.startMonth);
    num(s.startDay);
    num(s.endYear);
    num(s.endMonth);
    num(s.endDay);
    num(s.startHour);
    num(s.startMinute);
    num(s.endHour);
    num(s.endMinute);

    text(s.categoryName);
    text(s.categoryCode);
    text(s.contestName);
    text(s.opinionText);
    text(s.senderText);
    text(s.oathText);

    auto& r = s.rules;
    // The sent number was laid out apart from the other rules: its choices come after all three
    // components, and its third component keeps the column range in the other order.
    for (std::size_t i = 0; i < r.sendNo.size(); ++i) {
        auto& c = r.sendNo[i];
        text(c.fixedText);
        num(c.qsoField);
        if (i < 2) {
            num(c.toColumn);
            num(c.fromColumn);
        } else {
            num(c.fromColumn);
            num(c.toColumn);
        }
    }
    for (auto& c : r.sendNo)
        num(c.choice);

    auto component = [&](auto& c) {
        text(c.fixedText);
        num(c.qsoField);
        num(c.toColumn);
        num(c.fromColumn);
        num(c.choice);
    };
    for (auto& c : r.recvNo)
        component(c);
    component(r.summaryMulti);
    component(r.logMulti);
    num(r.summaryCoef.value);
    num(r.summaryCoef.choice);
    num(r.logPoints.fixedValue);
    num(r.logPoints.qsoField);
    num(r.logPoints.toColumn);
    num(r.logPoints.fromColumn);
    num(r.logPoints.choice);
    if (form == Form::oldest)
        return;

    for (auto& c : r.logOperator)
        component(c);
    for (auto& c : r.logRemarks)
        component(c);
    if (form == Form::v140)
        return;

    num(r.sendNo[1].digits);
    num(r.sendNo[2].digits);
    num(r.recvNo[1].digits);
    num(r.recvNo[2].digits);
}

void putUnsigned(std::string& out, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void putText(std::string& out, std::string_view text) {
    const std::size_t n = text.size();
    if (n < 0xFF) {
        putUnsigned(out, static_cast<std::uint32_t>(n), 1);
    } else if (n < 0xFFFE) {
        putUnsigned(out, 0xFF, 1);
        putUnsigned(out, static_cast<std::uint32_t>(n), 2);
    } else {
        putUnsigned(out, 0xFF, 1);
        putUnsigned(out, 0xFFFF, 2);
        putUnsigned(out, static_cast<std::uint32_t>(n), 4);
    }
    out.append(text);
}

// Takes n bytes off the front of rest; false, taking nothing, when fewer remain. Every length read
// from a file passes through here before anything is allocated for it.
bool take(std::string_view& rest, std::uint64_t n, std::string_view& bytes) {
    if (n > rest.size())
        return false;
    bytes = rest.substr(0, static_cast<std::size_t>(n));
    rest.remove_prefix(static_cast<std::size_t>(n));
    return true;
}

bool takeUnsigned(std::string_view& rest, int width, std::uint32_t& value) {
    std::string_view bytes;
    if (!take(rest, static_cast<std::uint64_t>(width), bytes))
        return false;
    value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    return true;
}

bool takeInt(std::string_view& rest, int& value) {
    std::uint32_t bits = 0;
    if (!takeUnsigned(rest, 4, bits))
        return false;
    value = static_cast<int>(bits);
    return true;
}

// A length prefix. wideMarker reports the marker of a text of 16-bit characters, whose own length
// prefix follows it.
bool takeLength(std::string_view& rest, std::uint32_t& length, bool& wideMarker) {
    wideMarker = false;
    std::uint32_t value = 0;
    if (!takeUnsigned(rest, 1, value))
        return false;
    if (value < 0xFF) {
        length = value;
        return true;
    }
    if (!takeUnsigned(rest, 2, value))
        return false;
    if (value == 0xFFFE) {
        wideMarker = true;
        return true;
    }
    if (value < 0xFFFF) {
        length = value;
        return true;
    }
    return takeUnsigned(rest, 4, length);
}

// What a text setting keeps of a stored text. Text settings are NUL-terminated and at most 255
// bytes long, so the text ends at its first NUL and a longer one is cut without splitting a
// double-byte character.
std::string asMember(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    return cp932::cut(text, ContestSettings::kMaxText);
}

bool takeText(std::string_view& rest, std::string& text) {
    std::uint32_t length = 0;
    bool wide = false;
    if (!takeLength(rest, length, wide))
        return false;
    std::string_view bytes;
    if (!wide) {
        if (!take(rest, length, bytes))
            return false;
        text = asMember(bytes);
        return true;
    }
    if (!takeLength(rest, length, wide) || wide)
        return false;
    if (!take(rest, static_cast<std::uint64_t>(length) * 2, bytes))
        return false;
    std::u16string chars;
    chars.reserve(length);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        chars.push_back(static_cast<char16_t>(low | (high << 8)));
    }
    text = asMember(cp932::fromUtf16(chars));
    return true;
}

// The platform's description of a file error (CP932), or the fallback when it gave none.
std::string describe(const std::string& platformError, const std::string& fallback) {
    return platformError.empty() ? fallback : cp932::fromUtf8(platformError);
}

} // namespace

std::string ContestFile::save(const ContestSettings& settings) {
    std::string out;
    out.reserve(1024);
    putUnsigned(out, static_cast<std::uint32_t>(kCurrentVersion), 4);
    forEachValue(
        settings, Form::current,
        [&](const int& value) { putUnsigned(out, static_cast<std::uint32_t>(value), 4); },
        [&](const std::string& text) { putText(out, text); });
    return out;
}

ContestFile::LoadResult ContestFile::load(std::string_view bytes) {
    LoadResult result;
    std::string_view rest = bytes;
    int first = 0;
    bool ok = takeInt(rest, first);
    if (ok) {
        const Form form = first < kVersion140    ? Form::oldest
                          : first == kVersion140 ? Form::v140
                                                 : Form::current;
        // The oldest form has no version number: its first integer is already the first setting.
        if (form == Form::oldest)
            rest = bytes;
        // Values a shorter form lacks keep the defaults of a fresh settings object ("" and 0).
        forEachValue(
            result.settings, form, [&](int& value) { ok = ok && takeInt(rest, value); },
            [&](std::string& text) { ok = ok && takeText(rest, text); });
    }
    if (!ok)
        return LoadResult{Status::badFormat, ContestSettings{}, unexpectedFormatMessage()};
    return result;
}

ContestFile::LoadResult ContestFile::loadFile(const std::string& hostPath) {
    std::string bytes;
    std::string error;
    if (!atomic_file::read(hostPath, bytes, &error))
        return LoadResult{Status::cannotOpen, ContestSettings{},
                          describe(error, openFailedMessage())};
    return load(bytes);
}

ContestFile::SaveResult ContestFile::saveFile(const std::string& hostPath,
                                              const ContestSettings& settings) {
    std::string error;
    if (!atomic_file::write(hostPath, save(settings), &error))
        return SaveResult{false, describe(error, saveFailedMessage())};
    return SaveResult{};
}

const std::string& ContestFile::unexpectedFormatMessage() {
    return cp932::lit("予期しないﾌｧｲﾙ形式です。");
}

const std::string& ContestFile::openFailedMessage() {
    return cp932::lit("ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。");
}

const std::string& ContestFile::saveFailedMessage() {
    return cp932::lit("ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。");
}
