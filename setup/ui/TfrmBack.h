// The full-screen teal background window: the title of the mode with its shadow, the product banner
// in the bottom right corner, and the program's finished flag as its enabled state. Its first
// resize shows the main window.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

class QLabel;

class TfrmBack : public QWidget {
    Q_OBJECT

public:
    // versionText: the running program's version as the caption shows it (CP932); showMain runs
    // the main window modally and returns when it closes, after which this window closes.
    TfrmBack(std::string versionText, std::function<void()> showMain, QWidget* parent = nullptr);

    // Both title labels, as wide as the window less 24 pixels (CP932 text).
    void setTitle(const std::string& title);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* shadowedLabel(const char* name, const QFont& font, const QColor& colour);

    std::string versionText_;
    std::function<void()> showMain_;
    QLabel* lblBackTitle1_;
    QLabel* lblBackTitle2_;
    QLabel* lblPrgTitle1_;
    QLabel* lblPrgTitle2_;
};
