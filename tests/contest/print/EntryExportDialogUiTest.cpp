// The electronic entry dialog: preview of each form, saving with its warnings, the Cabrillo options
// and a Cabrillo log that cannot be made.
#include "common/Cp932.h"
#include "common/ScriptedPrompter.h"
#include "document/CKorvaneDoc.h"
#include "exchange/BandTable.h"
#include "print/EntryExportDialog.h"
#include "tests/common/TempFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// One QSO on 7 MHz with the given call sign, filed as retrieval files it.
void addQso(CKorvaneDoc& doc, const std::string& call) {
    QsoItem item{static_cast<int>(doc.qsoList.size()) + 1, {}};
    QsoRecord::setText(item.record.call, call);
    QsoRecord::setText(item.record.qsoDate, "260613");
    QsoRecord::setText(item.record.qsoTime, "2100J");
    QsoRecord::setText(item.record.freq, BandTable::listLabel(2));
    QsoRecord::setText(item.record.mode, "CW");
    doc.qsoList.push_back(item);
    LogRow row;
    row.monthDay = "06/13";
    row.hourMinute = "21:00";
    row.station = call;
    row.sent = "599 10";
    row.received = "599 13";
    row.sentReportBytes = 3;
    row.receivedReportBytes = 3;
    row.points = "1";
    doc.results.appendRow(2, row);
}

template <typename T>
T* child(QWidget& parent, const char* name) {
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

} // namespace

TEST(EntryExportDialog, PreviewsEachFormAndSavesTheText) {
    CKorvaneDoc doc;
    doc.master.callSign = "JJ1KVN";
    addQso(doc, "JA1ABC");
    ScriptedPrompter prompter;
    EntryExportDialog dialog(doc, EntryExportDialog::Kind::electronicLog, prompter);
    auto* preview = child<QPlainTextEdit>(dialog, "txtPreview");
    EXPECT_TRUE(preview->toPlainText().startsWith(QStringLiteral("<SUMMARYSHEET VERSION=R2.1>")));
    EXPECT_NE(dialog.text().find("\r\n2026-06-13 21:00 7 CW JA1ABC 599 10 599 13 - 1\r\n"),
              std::string::npos);
    EXPECT_TRUE(child<QLabel>(dialog, "lblProblem")->text().contains(QStringLiteral("マルチが空")));

    child<QComboBox>(dialog, "cmbVersion")->setCurrentIndex(1);
    EXPECT_TRUE(preview->toPlainText().startsWith(QStringLiteral("<SUMMARYSHEET VERSION=R1.0>")));
    child<QComboBox>(dialog, "cmbEncoding")->setCurrentIndex(1);
    EXPECT_NE(dialog.text().find("<LOGSHEET TYPE=自作>"), std::string::npos); // UTF-8 bytes

    TempFolder dir;
    const std::string path = dir.file("entry.txt");
    child<QPushButton>(dialog, "btnSave")->click(); // no file name yet: stays open
    EXPECT_FALSE(child<QLabel>(dialog, "lblProblem")->text().isEmpty());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    child<QLineEdit>(dialog, "txtFileName")->setText(QString::fromStdString(path));
    EXPECT_TRUE(prompter.asked.empty());
    child<QPushButton>(dialog, "btnSave")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(TempFolder::read(path), dialog.text());
    ASSERT_EQ(prompter.asked.size(), 1u); // the warnings, once the file is written
    EXPECT_NE(prompter.asked[0].text.find(cp932::lit("マルチが空のため「-」と書いたQSO")),
              std::string::npos);
}

TEST(EntryExportDialog, CabrilloRefusesNonAsciiAndCannotSave) {
    CKorvaneDoc doc;
    doc.master.callSign = "JJ1KVN";
    addQso(doc, "JA1ABC");
    addQso(doc, cp932::lit("ＪＡ２"));
    ScriptedPrompter prompter;
    EntryExportDialog dialog(doc, EntryExportDialog::Kind::cabrillo, prompter);
    EXPECT_TRUE(dialog.text().empty());
    EXPECT_FALSE(child<QPushButton>(dialog, "btnSave")->isEnabled());
    EXPECT_TRUE(
        child<QLabel>(dialog, "lblProblem")->text().contains(QStringLiteral("レコード番号 2")));

    CKorvaneDoc ascii;
    ascii.master.callSign = "JJ1KVN";
    addQso(ascii, "JA1ABC");
    EntryExportDialog good(ascii, EntryExportDialog::Kind::cabrillo, prompter);
    EXPECT_NE(good.text().find("START-OF-LOG: 3.0"), std::string::npos);
    EXPECT_TRUE(child<QPushButton>(good, "btnSave")->isEnabled());
}

TEST(EntryExportDialog, CabrilloOptionsAreCheckedAndRemembered) {
    CKorvaneDoc doc;
    doc.master.callSign = "JJ1KVN";
    doc.master.cabrilloContest = "JA-TEST";
    doc.master.cabrilloCategory = "single-op all cw low";
    addQso(doc, "JA1ABC");
    ScriptedPrompter prompter;
    EntryExportDialog dialog(doc, EntryExportDialog::Kind::cabrillo, prompter);
    EXPECT_NE(dialog.text().find("\r\nCATEGORY-MODE: CW\r\n"), std::string::npos);

    auto* contest = child<QLineEdit>(dialog, "txtContest");
    contest->setText(QStringLiteral("ALL JA"));
    EXPECT_FALSE(child<QPushButton>(dialog, "btnSave")->isEnabled());
    EXPECT_TRUE(child<QLabel>(dialog, "lblProblem")->text().contains(QStringLiteral("A-Z, 0-9")));
    contest->setText(QStringLiteral("jarl-allja"));
    child<QComboBox>(dialog, "cmbMode")->setCurrentText(QStringLiteral("SSB"));
    child<QComboBox>(dialog, "cmbPower")->setCurrentIndex(0);
    EXPECT_TRUE(child<QLabel>(dialog, "lblProblem")->text().contains(QStringLiteral("4語")));
    child<QComboBox>(dialog, "cmbPower")->setCurrentText(QStringLiteral("QRP"));
    ASSERT_TRUE(child<QPushButton>(dialog, "btnSave")->isEnabled());

    TempFolder dir;
    child<QLineEdit>(dialog, "txtFileName")->setText(QString::fromStdString(dir.file("a.log")));
    child<QPushButton>(dialog, "btnSave")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(doc.master.cabrilloContest, "JARL-ALLJA");
    EXPECT_EQ(doc.master.cabrilloCategory, "SINGLE-OP ALL SSB QRP");
    EXPECT_NE(TempFolder::read(dir.file("a.log")).find("\r\nCATEGORY-POWER: QRP\r\n"),
              std::string::npos);
}
