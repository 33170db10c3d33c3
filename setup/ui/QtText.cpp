// Text conversion at the edge of setup's windows.
#include "ui/QtText.h"

#include "common/Cp932.h"

QString QtText::toQt(const std::string& cp932Text) {
    QString text = QString::fromStdString(cp932::toUtf8(cp932Text));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string QtText::fromQt(const QString& text) {
    return cp932::fromUtf8(text.toStdString());
}
