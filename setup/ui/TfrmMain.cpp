// The main window's layout, rendering and button handlers.
#include "ui/TfrmMain.h"

#include "common/Cp932.h"
#include "install/InstallProcedure.h"
#include "install/SetupScript.h"
#include "install/StartUp.h"
#include "services/PathText.h"
#include "ui/QtText.h"
#include "ui/SetupFonts.h"
#include "ui/TfrmBack.h"
#include "ui/TfrmCustomDlg.h"
#include "uninstall/UninstallProcedure.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <utility>

namespace {

using cp932::lit;
using Prompter = ::Prompter;

enum class Kind { group, label, edit, memo, button, check, progress };

struct Layout {
    const char* name;
    const char* parent; // "" for the window itself
    Kind kind;
    int x, y, width, height;
};

// Children follow their parents; a later sibling lies over an earlier one.
const Layout kLayout[] = {
    {"grpMessage", "", Kind::group, 8, 8, 473, 113},
    {"lblMessage", "grpMessage", Kind::label, 8, 16, 457, 89},
    {"fraStatus", "grpMessage", Kind::group, 8, 64, 457, 41},
    {"prgStatus", "fraStatus", Kind::progress, 8, 16, 345, 17},
    {"lblStatus", "fraStatus", Kind::label, 360, 16, 88, 17},
    {"grpSetupFolder", "", Kind::group, 8, 128, 473, 49},
    {"txtFolder", "grpSetupFolder", Kind::edit, 8, 16, 401, 24},
    {"btnRefer", "grpSetupFolder", Kind::button, 416, 16, 49, 25},
    {"grpOption", "", Kind::group, 8, 184, 473, 89},
    {"chkOverWrite", "grpOption", Kind::check, 8, 16, 457, 17},
    {"fraShortCut", "grpOption", Kind::group, 8, 40, 457, 41},
    {"chkSCutDesktop", "fraShortCut", Kind::check, 8, 16, 105, 17},
    {"chkSCutStartMenu", "fraShortCut", Kind::check, 120, 16, 105, 17},
    {"chkSCutStartUp", "fraShortCut", Kind::check, 232, 16, 105, 17},
    {"chkSCutSendTo", "fraShortCut", Kind::check, 344, 16, 105, 17},
    {"lblUnSetupInfo", "fraShortCut", Kind::label, 8, 8, 441, 25},
    {"fraReadme", "", Kind::group, 8, 8, 473, 265},
    {"txtReadme", "fraReadme", Kind::memo, 8, 16, 457, 241},
    {"btnEvent", "", Kind::button, 64, 280, 161, 25},
    {"btnEnd", "", Kind::button, 272, 280, 153, 25},
    {"lblFormShare", "", Kind::label, 8, 296, 63, 12},
};

QWidget* make(Kind kind, QWidget* parent) {
    switch (kind) {
    case Kind::group: {
        // Opaque, as the readme frame covers two groups and the progress frame the message.
        auto* group = new QGroupBox(parent);
        group->setAutoFillBackground(true);
        return group;
    }
    case Kind::label: {
        auto* label = new QLabel(parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case Kind::edit:
        return new QLineEdit(parent);
    case Kind::memo: {
        auto* memo = new QPlainTextEdit(parent);
        memo->setReadOnly(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setFont(SetupFonts::gothic(12));
        return memo;
    }
    case Kind::button: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::check:
        return new QCheckBox(parent);
    case Kind::progress: {
        auto* bar = new QProgressBar(parent);
        bar->setRange(0, 100);
        bar->setTextVisible(false);
        return bar;
    }
    }
    return nullptr;
}

// The text of a control in whichever widget shows it.
void setText(QWidget* widget, const QString& text) {
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        memo->setPlainText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    }
}

} // namespace

TfrmMain::TfrmMain(SetupContext& context, std::string firstArgument, TfrmBack* background,
                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint),
      context_(context), firstArgument_(std::move(firstArgument)), background_(background) {
    setObjectName(QStringLiteral("frmMain"));
    setFixedSize(489, 313);
    setFont(SetupFonts::pGothic(12));
    build();
    deletionDialog_ = new TfrmCustomDlg(model, this);
    dlgFolder.title = QStringLiteral("セットアップフォルダを選択してください．");
    render();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::build() {
    for (const Layout& layout : kLayout) {
        QWidget* parent = *layout.parent ? widgets_.at(layout.parent) : this;
        QWidget* widget = make(layout.kind, parent);
        widget->setObjectName(QString::fromLatin1(layout.name));
        widget->setGeometry(layout.x, layout.y, layout.width, layout.height);
        widgets_[layout.name] = widget;
    }
    auto* status = static_cast<QLabel*>(widgets_["lblStatus"]);
    status->setAlignment(Qt::AlignCenter);
    status->setFont(SetupFonts::pGothic(13));
    widgets_["txtFolder"]->setFont(SetupFonts::pGothic(16));

    // What the user changes goes into the model at once, where the procedures read it.
    for (const Layout& layout : kLayout) {
        if (layout.kind == Kind::check) {
            const std::string name = layout.name;
            connect(static_cast<QCheckBox*>(widgets_[name]), &QCheckBox::toggled, this,
                    [this, name](bool checked) {
                        model[name].checked = shown_[name].checked = checked;
                    });
        }
    }
    connect(static_cast<QLineEdit*>(widgets_["txtFolder"]), &QLineEdit::textEdited, this,
            [this](const QString& text) {
                model["txtFolder"].text = shown_["txtFolder"].text = QtText::fromQt(text);
            });
    connect(static_cast<QPushButton*>(widgets_["btnEvent"]), &QPushButton::clicked, this,
            &TfrmMain::eventPressed);
    connect(static_cast<QPushButton*>(widgets_["btnEnd"]), &QPushButton::clicked, this,
            [this] { done(QDialog::Accepted); });
    connect(static_cast<QPushButton*>(widgets_["btnRefer"]), &QPushButton::clicked, this,
            &TfrmMain::browsePressed);
}

const std::vector<std::string>& TfrmMain::startUp() {
    if (!started_) {
        started_ = true;
        fatal_ = StartUp::run(context_, model, firstArgument_);
        if (fatal_.empty() && context_.values.mode == "UNSETUP") {
            arrangeForUninstall();
        }
        render();
    }
    return fatal_;
}

// The shortcut frame takes the overwrite box's place and the explanation goes below its first box.
void TfrmMain::arrangeForUninstall() {
    static_cast<QLineEdit*>(widgets_["txtFolder"])->setReadOnly(true);
    const QRect overwrite = widgets_["chkOverWrite"]->geometry();
    QWidget* frame = widgets_["fraShortCut"];
    frame->setGeometry(frame->x(), overwrite.y(), frame->width(),
                       widgets_["grpOption"]->height() - 24);
    const QRect first = widgets_["chkSCutDesktop"]->geometry();
    QWidget* info = widgets_["lblUnSetupInfo"];
    info->move(info->x(), first.bottom() + 1 + 2);
}

void TfrmMain::render() {
    for (const auto& [name, control] : model.controls()) {
        QWidget* widget = widgets_.at(name);
        auto [last, added] = shown_.try_emplace(name);
        MainWindowModel::Control& was = last->second;
        if (added || was.text != control.text) {
            widget->blockSignals(true);
            setText(widget, QtText::toQt(control.text));
            widget->blockSignals(false);
        }
        if (added || was.enabled != control.enabled) {
            widget->setEnabled(control.enabled);
        }
        if (added || was.visible != control.visible) {
            widget->setVisible(control.visible);
        }
        if (auto* box = qobject_cast<QCheckBox*>(widget);
            box && (added || was.checked != control.checked)) {
            box->blockSignals(true);
            box->setChecked(control.checked);
            box->blockSignals(false);
        }
        if (auto* bar = qobject_cast<QProgressBar*>(widget)) {
            bar->setValue(control.position);
        }
        was = control;
    }
    setWindowTitle(QtText::toQt(model.caption));
    if (background_) {
        background_->setTitle(model.backgroundTitle);
        background_->setEnabled(model.backgroundEnabled);
    }
}

void TfrmMain::processMessages() {
    render();
    QApplication::processEvents();
}

void TfrmMain::sleep(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void TfrmMain::close() {
    done(QDialog::Accepted);
}

void TfrmMain::showDeletionDialog(const std::string& text) {
    deletionDialog_->ask(text);
    render();
}

void TfrmMain::eventPressed() {
    const std::string caption = model["btnEvent"].text;
    if (caption == lit("アンセットアップ開始(&S)")) {
        UninstallProcedure::run(context_, *this);
    } else if (caption == lit("セットアップ開始(&S)")) {
        const SetupScript script = SetupScript::read(context_, context_.values.scriptCopy);
        InstallProcedure::run(context_, *this, script);
    } else if (caption == lit("中断(&A)")) {
        abortQuestion();
    } else if (caption == lit("続行(&C)")) {
        model["btnEvent"].enabled = false;
    } else if (caption == lit("セットアップ続行(&C)")) {
        model["fraReadme"].visible = false;
        model["btnEvent"].text = lit("セットアップ開始(&S)");
    }
    render();
}

void TfrmMain::browsePressed() {
    if (dlgFolder.execute(this)) {
        const std::string folder =
            context_.platform.argumentPath(QtText::fromQt(dlgFolder.folder()));
        model["txtFolder"].text = AddBackslash(folder, "B");
        render();
    }
}

void TfrmMain::abortQuestion() {
    const std::string question =
        lit("ここでセットアップを中断すると，すでにコピー済みのファイルは削除されません．") + "\r" +
        lit("一度，セットアップを完了してから，アンセットアップ(アンインストール)することをおすす"
            "めします．") +
        "\r\r" + lit("本当にセットアップを中断しますか？");
    if (context_.prompter.ask(question, lit("中断の確認"), Prompter::Icon::question,
                              Prompter::Buttons::yesNo) != Prompter::Answer::yes) {
        return;
    }
    context_.values.abortRequested = true;
    model.backgroundEnabled = true;
    close();
}

void TfrmMain::done(int result) {
    if (!model.backgroundEnabled) {
        const std::string question = lit("セットアップ・アンセットアップは終了していません．") +
                                     "\r" + lit("終了してもよろしいですか？");
        if (context_.prompter.ask(question, lit("終了確認"), Prompter::Icon::question,
                                  Prompter::Buttons::yesNo) != Prompter::Answer::yes) {
            return;
        }
        model.backgroundEnabled = true;
    }
    render();
    QDialog::done(result);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    TfrmCustomDlg::centreOnScreen(*this);
    startUp();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
