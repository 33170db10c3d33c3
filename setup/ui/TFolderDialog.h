// The folder chooser of the main window: a title above the folders, and the chosen host folder.
#pragma once

#include <QString>

class QWidget;

class TFolderDialog {
public:
    QString title;

    // Shows the chooser over owner, starting at the home folder; true with folder() set when a
    // folder was chosen, false when cancelled.
    bool execute(QWidget* owner);
    const QString& folder() const { return folder_; }

private:
    QString folder_;
};
