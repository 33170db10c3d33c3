// The background window's colours, labels and first-resize start of the main window.
#include "ui/TfrmBack.h"

#include "ui/QtText.h"
#include "ui/SetupFonts.h"

#include <QLabel>
#include <QPalette>
#include <QResizeEvent>
#include <QTimer>
#include <utility>

namespace {

const QColor kTeal(0, 128, 128);
const QColor kBlue(0, 0, 255);

} // namespace

TfrmBack::TfrmBack(std::string versionText, std::function<void()> showMain, QWidget* parent)
    : QWidget(parent), versionText_(std::move(versionText)), showMain_(std::move(showMain)) {
    setObjectName(QStringLiteral("frmBack"));
    setWindowTitle(QStringLiteral("Quillet"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kTeal);
    setPalette(palette);
    setAutoFillBackground(true);
    // The shadows first, so that the white texts lie over them.
    const QFont title = SetupFonts::pGothicItalic(32);
    const QFont banner = SetupFonts::timesItalic(16);
    lblBackTitle2_ = shadowedLabel("lblBackTitle2", title, kBlue);
    lblBackTitle1_ = shadowedLabel("lblBackTitle1", title, Qt::white);
    lblPrgTitle2_ = shadowedLabel("lblPrgTitle2", banner, kBlue);
    lblPrgTitle1_ = shadowedLabel("lblPrgTitle1", banner, Qt::white);
    lblBackTitle1_->move(16, 16);
    lblBackTitle2_->move(18, 18);
    lblPrgTitle1_->hide();
    lblPrgTitle2_->hide();
    setEnabled(false);
}

QLabel* TfrmBack::shadowedLabel(const char* name, const QFont& font, const QColor& colour) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    // Disabled with the window, the texts keep their colours.
    palette.setColor(QPalette::Disabled, QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

void TfrmBack::setTitle(const std::string& title) {
    for (QLabel* label : {lblBackTitle1_, lblBackTitle2_}) {
        label->setText(QtText::toQt(title));
        label->resize(width() - 24, label->sizeHint().height());
    }
}

void TfrmBack::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Only the first resize places the banner and starts the main window.
    if (!lblPrgTitle1_->isHidden()) {
        return;
    }
    setWindowTitle(QStringLiteral("Quillet Standard Version") + QtText::toQt(versionText_));
    lblBackTitle2_->move(lblBackTitle1_->pos() + QPoint(2, 2));
    const QString text = QStringLiteral("Quillet Standard\nCopyright (C) The Quillet developers. "
                                        "All rights reserved.");
    for (QLabel* label : {lblPrgTitle1_, lblPrgTitle2_}) {
        label->setText(text);
        label->adjustSize();
        label->resize(label->width() + 8, label->height());
    }
    lblPrgTitle1_->move(width() - lblPrgTitle1_->width() - 24,
                        height() - lblPrgTitle1_->height() - 48);
    lblPrgTitle2_->move(lblPrgTitle1_->pos() + QPoint(2, 2));
    lblPrgTitle1_->show();
    lblPrgTitle2_->show();
    update();
    // The main window runs from the event loop, not inside the resize.
    QTimer::singleShot(0, this, [this] {
        if (showMain_) {
            showMain_();
        }
        close();
    });
}
