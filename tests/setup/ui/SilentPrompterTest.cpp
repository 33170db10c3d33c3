// The answers of the unattended installation and where its boxes are printed.
#include "ui/SilentPrompter.h"

#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using Answer = Prompter::Answer;
using Buttons = Prompter::Buttons;
using Icon = Prompter::Icon;

TEST(SilentPrompterTest, AnswersAsAnUnattendedInstallNeeds) {
    struct Row {
        const char* caption;
        const char* text;
        Buttons buttons;
        Answer answer;
    };
    const Row rows[] = {
        {"フォルダ作成",
         "C:\\Program Files\\Sample\\\r\rこのフォルダは存在しません．作成してもよろしいですか？",
         Buttons::yesNo, Answer::yes},
        {"空き容量不足",
         "ディスクの空き容量が不足しているため，エラーになる可能性があります．\rこのままセットアッ"
         "プを続行しますか？",
         Buttons::yesNo, Answer::no},
        {"空き容量不足",
         "ディスクの空き容量取得関数が失敗しました．\rセットアップに必要なディスク容量は 10 "
         "Byteです．",
         Buttons::yesNo, Answer::yes},
        {"関連付けの確認", "拡張子 *.smp を\rC:\\A.EXE\rに関連付けします．よろしいですか？",
         Buttons::yesNo, Answer::yes},
        {"上書き確認", "C:\\A.EXE\r\rこのファイルは既に存在します．", Buttons::yesNo, Answer::yes},
        {"警告",
         "フォルダの作成・ファイルのコピーで，一部の処理が失敗しました．\r詳細を表示しますか？",
         Buttons::yesNo, Answer::no},
        {"ファイル削除の確認",
         "C:\\A.OCX\r\rこのファイルを削除してもよろしいですか？\r\r<<　注意　>>", Buttons::yesNo,
         Answer::no},
        {"ファイル削除の確認",
         "C:\\WINDOWS\\SYSTEM32\\A.DLL\r\rこのDLL/OCXファイルは，共有登録されていませんが，",
         Buttons::yesNo, Answer::no},
        {"警告", "アンセットアップ(アンインストール)の過程で，一部の処理が失敗しました．",
         Buttons::yesNo, Answer::no},
        {"終了確認", "終了してもよろしいですか？", Buttons::yesNo, Answer::no},
        {"ディスク交換", "2枚目のディスクに交換してください．", Buttons::okCancel, Answer::cancel},
        {"完了", "セットアップが完了しました．", Buttons::ok, Answer::ok},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(SilentPrompter::answerTo(J(row.text), J(row.caption), row.buttons), row.answer);
    }
}

TEST(SilentPrompterTest, PrintsBoxesWarningsToTheErrorStream) {
    std::ostringstream out, err;
    SilentPrompter prompter(out, err);
    EXPECT_EQ(prompter.ask(J("完了\r\r次へ"), J("完了"), Icon::information), Answer::ok);
    EXPECT_EQ(prompter.ask(J("失敗しました．"), J("警告"), Icon::exclamation), Answer::ok);
    EXPECT_EQ(prompter.ask(J("作成しますか？"), J("フォルダ作成"), Icon::question, Buttons::yesNo),
              Answer::yes);
    EXPECT_EQ(out.str(), "[完了]\n完了\n\n次へ\n[フォルダ作成]\n作成しますか？\n=> Yes\n");
    EXPECT_EQ(err.str(), "[警告]\n失敗しました．\n");
}

} // namespace
