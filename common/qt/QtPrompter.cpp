// QMessageBox with the button captions of a Japanese system.
#include "common/qt/QtPrompter.h"

#include "common/Cp932.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QString text(const std::string& cp932Text) {
    return QString::fromStdString(cp932::toUtf8(cp932Text));
}

QMessageBox::Icon boxIcon(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::information: return QMessageBox::Information;
    case Prompter::Icon::exclamation: return QMessageBox::Warning;
    case Prompter::Icon::stop: return QMessageBox::Critical;
    case Prompter::Icon::question: return QMessageBox::Question;
    case Prompter::Icon::none: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Prompter::Answer QtPrompter::ask(const std::string& message, const std::string& caption, Icon icon,
                                 Buttons buttons) {
    QMessageBox box(boxIcon(icon), text(caption), text(message), QMessageBox::NoButton, parent_);
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    if (buttons == Buttons::ok || buttons == Buttons::okCancel) {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    }
    if (buttons == Buttons::yesNo || buttons == Buttons::yesNoCancel) {
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    }
    if (buttons == Buttons::okCancel || buttons == Buttons::yesNoCancel) {
        cancel = box.addButton(QStringLiteral("ｷｬﾝｾﾙ"), QMessageBox::RejectRole);
    }
    box.exec();
    QAbstractButton* chosen = box.clickedButton();
    if (chosen && chosen == yes) {
        return Answer::yes;
    }
    if (chosen && chosen == no) {
        return Answer::no;
    }
    if (chosen && chosen == ok) {
        return Answer::ok;
    }
    return cancel || !ok ? Answer::cancel : Answer::ok;
}
