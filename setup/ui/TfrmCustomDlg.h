// The file deletion dialog of the uninstaller: a message and four answers, each written into the
// main window's lblFormShare, where the uninstall procedure reads it.
#pragma once

#include "services/MainWindowModel.h"

#include <QDialog>
#include <string>

class QKeyEvent;
class QLabel;

class TfrmCustomDlg : public QDialog {
    Q_OBJECT

public:
    explicit TfrmCustomDlg(MainWindowModel& model, QWidget* parent = nullptr);

    // Shows text (CP932) modally; the button pressed leaves "Yes", "No", "Delete" or "Save" in
    // model["lblFormShare"], which stays as it was when the dialog is closed otherwise.
    void ask(const std::string& text);

    // Puts a window in the middle of its screen.
    static void centreOnScreen(QWidget& window);

protected:
    // There is no close box: only the four buttons end the dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    MainWindowModel& model_;
    QLabel* message_;
};
