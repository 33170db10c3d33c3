// Layout of the version information box: the program icon, the version text and OK.
#include "frame/CAboutDlg.h"

#include "frame/ToolBarIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(korvane)"));

    auto* icon = new QLabel;
    icon->setPixmap(ToolBarIcons::programIcon().pixmap(32, 32));
    auto* version = new QLabel(versionText());
    version->setObjectName(QStringLiteral("version"));

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* body = new QHBoxLayout;
    body->addWidget(icon);
    body->addSpacing(12);
    body->addWidget(version, 1);
    body->addSpacing(12);
    body->addWidget(ok, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    setFixedSize(sizeHint());
}
