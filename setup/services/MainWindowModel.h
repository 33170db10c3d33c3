// The installer's main window as the procedures see it: every control's caption or text, enabled,
// visible and checked state, and the background window's finished flag. Windows render it; the
// silent front end and the tests read it.
#pragma once

#include <map>
#include <string>

class MainWindowModel {
public:
    struct Control {
        std::string text; // caption of buttons, boxes and groups; text of labels and edits (CP932)
        bool enabled = true;
        bool visible = true;
        bool checked = false; // check boxes
        int position = 0;     // the progress bar, 0 to 100
    };

    // The controls of the main window in their initial states, under their object names
    // (btnEvent, txtFolder, chkOverWrite, ...).
    MainWindowModel();

    // Throws std::out_of_range for a name the window does not have.
    Control& operator[](const std::string& name) { return controls_.at(name); }
    const Control& operator[](const std::string& name) const { return controls_.at(name); }
    const std::map<std::string, Control>& controls() const { return controls_; }

    std::string caption;            // the main window's caption
    std::string backgroundTitle;    // both title labels of the background window
    bool backgroundEnabled = false; // the finished flag: a procedure has ended or was aborted

private:
    std::map<std::string, Control> controls_;
};
