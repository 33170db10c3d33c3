// Layout of the start-up error dialog.
#include "common/qt/ErrorDialog.h"

#include "common/Cp932.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

ErrorDialog::ErrorDialog(const std::string& message, const std::string& advice, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ErrorDialog"));
    setWindowTitle(QStringLiteral("Error"));

    auto* icon = new QLabel;
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);

    auto* messageLabel = new QLabel(QString::fromStdString(cp932::toUtf8(message)));
    messageLabel->setObjectName(QStringLiteral("message"));
    auto* adviceLabel = new QLabel(QString::fromStdString(cp932::toUtf8(advice)));
    adviceLabel->setObjectName(QStringLiteral("advice"));
    adviceLabel->setWordWrap(true);
    adviceLabel->setMinimumWidth(360);

    auto* texts = new QVBoxLayout;
    texts->addWidget(messageLabel);
    texts->addSpacing(12);
    texts->addWidget(adviceLabel);
    auto* body = new QHBoxLayout;
    body->addWidget(icon);
    body->addSpacing(8);
    body->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
}
