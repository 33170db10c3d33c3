// The deletion dialog's layout and answers.
#include "ui/TfrmCustomDlg.h"

#include "ui/QtText.h"
#include "ui/SetupFonts.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TfrmCustomDlg::TfrmCustomDlg(MainWindowModel& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), model_(model) {
    setObjectName(QStringLiteral("frmCustomDlg"));
    setWindowTitle(QStringLiteral("ファイル削除の確認"));
    setFixedSize(426, 121);
    setFont(SetupFonts::pGothic(12));
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("lblMessage"));
    message_->setGeometry(8, 8, 409, 73);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setWordWrap(true);
    struct Answer {
        const char* name;
        int x;
        QString caption;
        const char* written;
    };
    const Answer answers[] = {{"btnYes", 8, QStringLiteral("はい(&Y)"), "Yes"},
                              {"btnNo", 112, QStringLiteral("いいえ(&N)"), "No"},
                              {"btnDelete", 216, QStringLiteral("すべて削除(&D)"), "Delete"},
                              {"btnSave", 320, QStringLiteral("すべて保存(&A)"), "Save"}};
    for (const Answer& answer : answers) {
        auto* button = new QPushButton(answer.caption, this);
        button->setObjectName(QString::fromLatin1(answer.name));
        button->setGeometry(answer.x, 88, 97, 25);
        button->setAutoDefault(false);
        const std::string written = answer.written;
        connect(button, &QPushButton::clicked, this, [this, written] {
            model_["lblFormShare"].text = written;
            accept();
        });
    }
}

void TfrmCustomDlg::ask(const std::string& text) {
    message_->setText(QtText::toQt(text));
    centreOnScreen(*this);
    exec();
}

void TfrmCustomDlg::centreOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame(QPoint(), window.size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

void TfrmCustomDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
