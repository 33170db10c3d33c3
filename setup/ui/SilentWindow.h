// The main window of a run without windows: the message area goes to the console each time its
// text changes; pauses take no time and closing only marks the window closed.
#pragma once

#include "services/MainWindow.h"

#include <ostream>
#include <string>

class SilentWindow : public MainWindow {
public:
    explicit SilentWindow(std::ostream& out) : out_(out) {}

    bool closed = false;

    void processMessages() override;
    void sleep(int milliseconds) override {}
    void close() override { closed = true; }
    // Unattended, a shared file no longer used is kept, as "すべて保存(&A)" keeps it; the dialog
    // is printed as a message box is, so the kept file is named.
    void showDeletionDialog(const std::string& text) override;

private:
    std::ostream& out_;
    std::string shown_;
};
