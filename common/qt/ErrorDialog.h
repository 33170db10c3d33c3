// A start-up error dialog: what went wrong, what to do about it, and OK, after which the program
// ends.
#pragma once

#include <QDialog>
#include <string>

class ErrorDialog : public QDialog {
    Q_OBJECT

public:
    // message: what went wrong; advice: what the user is told to do (both CP932).
    ErrorDialog(const std::string& message, const std::string& advice, QWidget* parent = nullptr);
};
