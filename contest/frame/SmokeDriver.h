// A self-driving run of the real program for the smoke test: search, open and cancel each dialog,
// quit. Started when the environment variable KORVANE_SMOKE is set.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class CMainFrame;
class QTimer;
class QWidget;

class SmokeDriver : public QObject {
    Q_OBJECT

public:
    // shotFolder: where window images are saved ("" for none).
    SmokeDriver(CMainFrame& frame, QString shotFolder);

    // Runs the steps one after another from the event loop; the program then quits with exit
    // status 0, or 3 when a step failed (the reasons go to standard error).
    void start();

    // True when KORVANE_SMOKE asks for a run; its folder for images comes from KORVANE_SMOKE_SHOTS.
    static bool requested();
    static QString shotFolderFromEnvironment();

private:
    struct Step {
        const char* action; // object name of the frame's command
        const char* button; // button clicked in the dialog it opens; null rejects the dialog
        const char* shot;   // image name of the dialog, or null
        int settleMs;       // time the dialog is given to draw itself
    };

    void runStep(std::size_t index);
    void watchModal();
    void finish();
    void fail(const QString& why);
    void shoot(QWidget* widget, const char* name);

    CMainFrame& frame_;
    QString shots_;
    std::vector<Step> steps_;
    std::size_t current_ = 0;
    QTimer* watcher_;
    QPointer<QWidget> handled_; // the dialog being answered
    bool answered_ = false;     // the current step's command opened a dialog
    int failures_ = 0;
};
