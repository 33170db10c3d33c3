// Choosing the form of the electronic entry, previewing it and saving it atomically.
#include "print/EntryExportDialog.h"

#include "common/AtomicFile.h"
#include "common/Cp932.h"
#include "common/Prompter.h"
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
#include <algorithm>

namespace {

QString fromCp932(const std::string& text) {
    return QString::fromStdString(cp932::toUtf8(text));
}

QString lines(const std::vector<std::string>& cp932Lines) {
    QStringList texts;
    for (const std::string& line : cp932Lines) {
        texts << fromCp932(line);
    }
    return texts.join(QLatin1Char('\n'));
}

// The text's words, split at blanks.
QStringList wordsOf(const std::string& text) {
    return QString::fromStdString(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

EntryExportDialog::EntryExportDialog(CKorvaneDoc& doc, Kind kind, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), doc_(doc), kind_(kind), prompter_(prompter) {
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
    } else {
        addCabrilloFields(*form);
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

void EntryExportDialog::addCabrilloFields(QFormLayout& form) {
    contest_ = new QLineEdit(fromCp932(doc_.master.cabrilloContest), this);
    contest_->setObjectName(QStringLiteral("txtContest"));
    contest_->setPlaceholderText(QStringLiteral("例: JARL-ALLJA-CW (A-Z, 0-9, -)"));
    form.addRow(QStringLiteral("コンテスト名 (CONTEST)"), contest_);
    connect(contest_, &QLineEdit::textChanged, this, &EntryExportDialog::refresh);

    // A remembered category whose words are not all Cabrillo's comes up unchosen.
    const QStringList remembered = wordsOf(doc_.master.cabrilloCategory);
    const bool valid = CabrilloLog::categoryProblem(doc_.master.cabrilloCategory).empty();
    static const char* const kNames[] = {"cmbOperator", "cmbBand", "cmbMode", "cmbPower"};
    auto* row = new QHBoxLayout;
    const auto& tags = CabrilloLog::categoryTags();
    for (std::size_t i = 0; i < category_.size(); ++i) {
        QComboBox* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(kNames[i]));
        box->setToolTip(
            QString::fromUtf8(tags[i].tag.data(), static_cast<int>(tags[i].tag.size())));
        box->addItem(QString());
        for (std::string_view value : tags[i].values) {
            box->addItem(QString::fromUtf8(value.data(), static_cast<int>(value.size())));
        }
        if (valid && remembered.size() == static_cast<qsizetype>(category_.size())) {
            box->setCurrentIndex(std::max(
                0, box->findText(remembered[static_cast<qsizetype>(i)], Qt::MatchFixedString)));
        }
        connect(box, &QComboBox::currentIndexChanged, this, &EntryExportDialog::refresh);
        row->addWidget(box);
        category_[i] = box;
    }
    form.addRow(QStringLiteral("カテゴリー (CATEGORY-)"), row);
}

std::string EntryExportDialog::contestName() const {
    return cp932::fromUtf8(contest_->text().trimmed().toStdString());
}

std::string EntryExportDialog::category() const {
    QStringList chosen;
    for (const QComboBox* box : category_) {
        chosen << box->currentText();
    }
    // Nothing chosen is no category; a partial choice stays so that the check names it.
    return chosen.join(QLatin1Char(' ')).trimmed().toStdString();
}

void EntryExportDialog::refresh() {
    problem_->clear();
    warnings_.clear();
    if (kind_ == Kind::electronicLog) {
        ElectronicLog::Options options;
        options.version = version_->currentIndex() == 1 ? ElectronicLog::Version::R10
                                                        : ElectronicLog::Version::R21;
        options.utf8 = encoding_->currentIndex() == 1;
        options.today = SheetClock::today();
        ElectronicLog::Result result = ElectronicLog::write(doc_, options);
        text_ = std::move(result.text);
        warnings_ = std::move(result.warnings);
        preview_->setPlainText(options.utf8 ? QString::fromStdString(text_) : fromCp932(text_));
    } else {
        CabrilloLog::Result result = CabrilloLog::write(doc_, {contestName(), category()});
        text_ = result.ok ? result.text : std::string();
        warnings_ = std::move(result.warnings);
        preview_->setPlainText(QString::fromStdString(text_));
        if (!result.ok) {
            problem_->setText(fromCp932(result.error));
        }
    }
    if (problem_->text().isEmpty()) {
        problem_->setText(lines(warnings_));
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
    if (kind_ == Kind::cabrillo) {
        doc_.master.cabrilloContest = cp932::toUpperAscii(contestName());
        doc_.master.cabrilloCategory = category();
    }
    if (!warnings_.empty()) {
        std::string message = cp932::lit("保存しました。次の点にご注意ください。");
        for (const std::string& warning : warnings_) {
            message.append("\n").append(warning);
        }
        prompter_.ask(message, cp932::fromUtf8(windowTitle().toStdString()),
                      Prompter::Icon::exclamation);
    }
    accept();
}
