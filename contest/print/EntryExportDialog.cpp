// Choosing the form of the electronic entry, previewing it and saving it atomically.
#include "print/EntryExportDialog.h"

#include "common/AtomicFile.h"
#include "common/Cp932.h"
#include "document/CKorvaneDoc.h"
#include "print/CabrilloLog.h"
#include "print/ElectronicLog.h"
#include "print/SheetClock.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString fromCp932(const std::string& text) {
    return QString::fromStdString(cp932::toUtf8(text));
}
} // namespace

EntryExportDialog::EntryExportDialog(const CKorvaneDoc& doc, Kind kind, QWidget* parent)
    : QDialog(parent), doc_(doc), kind_(kind) {
    const bool elog = kind == Kind::electronicLog;
    setObjectName(elog ? QStringLiteral("CElogDlg") : QStringLiteral("CCabrilloDlg"));
    setWindowTitle(elog ? QStringLiteral("電子ログ出力") : QStringLiteral("Cabrillo出力"));

    auto* form = new QFormLayout;
    if (elog) {
        version_ = new QComboBox(this);
        version_->setObjectName(QStringLiteral("cmbVersion"));
        version_->addItems({QStringLiteral("R2.1"), QStringLiteral("R1.0")});
        encoding_ = new QComboBox(this);
        encoding_->setObjectName(QStringLiteral("cmbEncoding"));
        encoding_->addItems({QStringLiteral("Shift_JIS (CP932)"), QStringLiteral("UTF-8")});
        form->addRow(QStringLiteral("サマリーシートの版"), version_);
        form->addRow(QStringLiteral("文字コード"), encoding_);
        connect(version_, &QComboBox::currentIndexChanged, this, &EntryExportDialog::refresh);
        connect(encoding_, &QComboBox::currentIndexChanged, this, &EntryExportDialog::refresh);
    }
    fileName_ = new QLineEdit(this);
    fileName_->setObjectName(QStringLiteral("txtFileName"));
    auto* browseButton = new QPushButton(QStringLiteral("参照..."), this);
    browseButton->setObjectName(QStringLiteral("btnBrowse"));
    connect(browseButton, &QPushButton::clicked, this, &EntryExportDialog::browse);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileName_, 1);
    fileRow->addWidget(browseButton);
    form->addRow(QStringLiteral("ファイル名"), fileRow);

    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName(QStringLiteral("txtPreview"));
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("lblProblem"));
    problem_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    saveButton_ = buttons->addButton(QStringLiteral("保存(&S)"), QDialogButtonBox::AcceptRole);
    saveButton_->setObjectName(QStringLiteral("btnSave"));
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &EntryExportDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(preview_, 1);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    resize(760, 560);
    refresh();
}

void EntryExportDialog::refresh() {
    problem_->clear();
    if (kind_ == Kind::electronicLog) {
        ElectronicLog::Options options;
        options.version = version_->currentIndex() == 1 ? ElectronicLog::Version::R10
                                                        : ElectronicLog::Version::R21;
        options.utf8 = encoding_->currentIndex() == 1;
        options.today = SheetClock::today();
        text_ = ElectronicLog::write(doc_, options);
        preview_->setPlainText(options.utf8 ? QString::fromStdString(text_) : fromCp932(text_));
    } else {
        CabrilloLog::Result result = CabrilloLog::write(doc_);
        text_ = result.ok ? result.text : std::string();
        preview_->setPlainText(QString::fromStdString(text_));
        if (!result.ok) {
            problem_->setText(fromCp932(result.error));
        } else if (!result.omitted.empty()) {
            QStringList tags;
            for (const std::string& tag : result.omitted) {
                tags << QString::fromStdString(tag);
            }
            problem_->setText(QStringLiteral("ASCII以外の文字を含むため省略した項目: ") +
                              tags.join(QStringLiteral(", ")));
        }
    }
    saveButton_->setEnabled(!text_.empty());
}

void EntryExportDialog::browse() {
    const bool elog = kind_ == Kind::electronicLog;
    QString chosen = QFileDialog::getSaveFileName(
        this, windowTitle(), fileName_->text(),
        elog ? QStringLiteral("電子ログ(*.txt);;すべてのﾌｧｲﾙ(*.*)")
             : QStringLiteral("Cabrillo(*.log *.cbr);;すべてのﾌｧｲﾙ(*.*)"));
    if (!chosen.isEmpty()) {
        fileName_->setText(chosen);
    }
}

void EntryExportDialog::save() {
    const QString name = fileName_->text().trimmed();
    if (name.isEmpty()) {
        problem_->setText(QStringLiteral("ファイル名を指定して下さい"));
        fileName_->setFocus();
        return;
    }
    std::string error;
    if (!atomic_file::write(name.toStdString(), text_, &error)) {
        problem_->setText(QString::fromStdString(error));
        return;
    }
    accept();
}
