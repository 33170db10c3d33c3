// A self-driving run of the windowed setup for the smoke test: presses the action button whenever
// it offers the next step, answers every message box with its first button (yes or OK) and the
// deletion dialog with "すべて削除(&D)", and saves an image of each new state. Started when the
// environment variable QUILLET_SETUP_SMOKE is set; QUILLET_SETUP_SHOTS names a folder for images.
#pragma once

#include <QObject>
#include <QSet>
#include <QString>

class QWidget;

class SetupSmokeDriver : public QObject {
    Q_OBJECT

public:
    // background: the background window, saved once beside the main window's states.
    explicit SetupSmokeDriver(QWidget* background, QObject* parent = nullptr);

    static bool requested();
    // Looks at the windows every 200 ms from the event loop, nested loops included.
    void start();

private:
    void tick();
    void shoot(QWidget* window, const QString& state);

    QWidget* background_;
    QString shots_;
    QSet<QString> shot_; // states already saved
    int count_ = 0;
};
