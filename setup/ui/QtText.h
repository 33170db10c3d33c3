// CP932 texts of the engine as the Qt widgets of setup's windows show them, and back.
#pragma once

#include <QString>
#include <string>

class QtText {
public:
    // CR LF and lone CR line ends become "\n".
    static QString toQt(const std::string& cp932Text);
    static std::string fromQt(const QString& text);
};
