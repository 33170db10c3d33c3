// The start-up error dialog: the log database library is missing or too old; OK ends the program.
#pragma once

#include <QDialog>
#include <string>

class ErrorDialog : public QDialog {
    Q_OBJECT

public:
    // message: the library check's text (CP932), shown above the fixed advice.
    explicit ErrorDialog(const std::string& message, QWidget* parent = nullptr);

    // What the user is told to do, whatever went wrong.
    static QString advice();
};
