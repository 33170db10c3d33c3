// The electronic entry dialog: preview of each form, saving, and a Cabrillo log that cannot be made.
#include "common/Cp932.h"
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
    EntryExportDialog dialog(doc, EntryExportDialog::Kind::electronicLog);
    auto* preview = child<QPlainTextEdit>(dialog, "txtPreview");
    EXPECT_TRUE(preview->toPlainText().startsWith(QStringLiteral("<SUMMARYSHEET VERSION=R2.1>")));
    EXPECT_TRUE(preview->toPlainText().contains(QStringLiteral("2026-06-13 21:00 7 CW JA1ABC")));

    child<QComboBox>(dialog, "cmbVersion")->setCurrentIndex(1);
    EXPECT_TRUE(preview->toPlainText().startsWith(QStringLiteral("<SUMMARYSHEET VERSION=R1.0>")));
    child<QComboBox>(dialog, "cmbEncoding")->setCurrentIndex(1);
    EXPECT_NE(dialog.text().find("<LOGSHEET TYPE=自作>"), std::string::npos);  // UTF-8 bytes

    TempFolder dir;
    const std::string path = dir.file("entry.txt");
    child<QPushButton>(dialog, "btnSave")->click();  // no file name yet: stays open
    EXPECT_FALSE(child<QLabel>(dialog, "lblProblem")->text().isEmpty());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    child<QLineEdit>(dialog, "txtFileName")->setText(QString::fromStdString(path));
    child<QPushButton>(dialog, "btnSave")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(TempFolder::read(path), dialog.text());
}

TEST(EntryExportDialog, CabrilloRefusesNonAsciiAndCannotSave) {
    CKorvaneDoc doc;
    addQso(doc, "JA1ABC");
    addQso(doc, cp932::lit("ＪＡ２"));
    EntryExportDialog dialog(doc, EntryExportDialog::Kind::cabrillo);
    EXPECT_TRUE(dialog.text().empty());
    EXPECT_FALSE(child<QPushButton>(dialog, "btnSave")->isEnabled());
    EXPECT_TRUE(child<QLabel>(dialog, "lblProblem")->text().contains(QStringLiteral("レコード番号 2")));

    CKorvaneDoc ascii;
    addQso(ascii, "JA1ABC");
    EntryExportDialog good(ascii, EntryExportDialog::Kind::cabrillo);
    EXPECT_NE(good.text().find("START-OF-LOG: 3.0"), std::string::npos);
    EXPECT_TRUE(child<QPushButton>(good, "btnSave")->isEnabled());
}
