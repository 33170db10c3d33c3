// The version information box "ﾊﾞｰｼﾞｮﾝ情報(korvane)".
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    static QString versionText() { return QStringLiteral("korvane Version 1.80"); }
};
