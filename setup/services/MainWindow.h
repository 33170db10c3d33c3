// What a procedure needs of the window it drives: the model of its controls, letting pending window
// messages run (the abort and continue buttons are noticed there), pauses, and closing the window.
#pragma once

#include "services/MainWindowModel.h"

#include <string>

class MainWindow {
public:
    virtual ~MainWindow() = default;

    MainWindowModel model;

    // Lets pending window messages run after a change of the model; the silent front end prints
    // the message area here when it changed.
    virtual void processMessages() = 0;
    // Blocks for the given milliseconds without processing messages; the silent front end and
    // tests do not wait.
    virtual void sleep(int milliseconds) = 0;
    // Closes the main window with result OK (the procedure that calls it returns right after).
    virtual void close() = 0;

    // The file deletion dialog, modal, with text as its message: the button pressed leaves its
    // answer ("Yes", "No", "Delete" or "Save") in the caption of lblFormShare, where it stays until
    // the caller clears it.
    virtual void showDeletionDialog(const std::string& text) = 0;

    // The readme frame, captioned frameCaption, shows details until the user presses "続行(&C)"
    // (which disables the action button); then the action button gets buttonCaption and the frame
    // is hidden. Pending messages run between waits of 200 ms.
    void showDetailsUntilContinued(const std::string& details, const std::string& frameCaption,
                                   const std::string& buttonCaption);

    // The message area shows text, then pending messages run.
    void showMessage(const std::string& text) {
        model["lblMessage"].text = text;
        processMessages();
    }
};
