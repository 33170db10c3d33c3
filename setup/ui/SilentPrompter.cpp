// Answers and printing of the silent installation's message boxes.
#include "ui/SilentPrompter.h"

#include "common/Cp932.h"
#include "ui/ConsoleText.h"

namespace {

using cp932::lit;

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

} // namespace

Prompter::Answer SilentPrompter::answerTo(const std::string& text, const std::string& caption,
                                          Buttons buttons) {
    const Answer no = buttons == Buttons::okCancel ? Answer::cancel : Answer::no;
    if (buttons == Buttons::ok) {
        return Answer::ok;
    }
    if (buttons == Buttons::okCancel) {
        // A disk change would be asked again and again: nobody can change the disk.
        return no;
    }
    if (caption == lit("フォルダ作成") || caption == lit("関連付けの確認") ||
        caption == lit("上書き確認")) {
        return Answer::yes;
    }
    if (caption == lit("空き容量不足")) {
        // Short space is known: stop. Space the system could not tell: go on.
        return startsWith(text, lit("ディスクの空き容量取得関数が失敗しました．")) ? Answer::yes
                                                                                   : no;
    }
    // The failure details ("警告") are printed by the front end instead; a file the uninstaller
    // asks about ("ファイル削除の確認") may still be used by others; any other question (abort,
    // end) is not meant for an unattended run.
    return no;
}

Prompter::Answer SilentPrompter::ask(const std::string& text, const std::string& caption, Icon icon,
                                     Buttons buttons) {
    std::ostream& stream = icon == Icon::exclamation || icon == Icon::stop ? err_ : out_;
    stream << "[" << cp932::toUtf8(caption) << "]\n";
    ConsoleText::print(stream, text);
    Answer answer = answerTo(text, caption, buttons);
    if (buttons != Buttons::ok) {
        static const char* const names[] = {"OK", "Cancel", "Yes", "No"};
        stream << "=> " << names[static_cast<int>(answer)] << "\n";
    }
    return answer;
}
