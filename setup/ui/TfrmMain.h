// The installer's main window: renders the main window model with a widget for every control
// (the control names are the object names), runs start-up when first shown, dispatches the action
// button on its caption and keeps the window alive while a procedure runs in its handler.
#pragma once

#include "services/MainWindow.h"
#include "services/SetupContext.h"
#include "ui/TFolderDialog.h"

#include <QDialog>
#include <map>
#include <string>
#include <vector>

class TfrmBack;
class TfrmCustomDlg;

class TfrmMain : public QDialog, public MainWindow {
    Q_OBJECT

public:
    // firstArgument: the Windows path of the first command-line argument (empty for none);
    // background: the window whose title and enabled state follow the model (may be null).
    TfrmMain(SetupContext& context, std::string firstArgument, TfrmBack* background = nullptr,
             QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Start-up, once: the first showing of the window calls it. Returns the fatal lines.
    const std::vector<std::string>& startUp();

    // Shows the model in the widgets and the background window.
    void render();

    void processMessages() override;
    void sleep(int milliseconds) override;
    void close() override;
    void showDeletionDialog(const std::string& text) override;

    // Closing with the close question while a procedure may still run; the answer No keeps the
    // window open.
    void done(int result) override;

    TfrmCustomDlg& deletionDialog() { return *deletionDialog_; }
    TFolderDialog dlgFolder;

protected:
    void showEvent(QShowEvent* event) override;
    // There is no close box: the window is left only through its buttons.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    void arrangeForUninstall();
    void eventPressed();
    void browsePressed();
    void abortQuestion();

    SetupContext& context_;
    std::string firstArgument_;
    TfrmBack* background_;
    TfrmCustomDlg* deletionDialog_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, MainWindowModel::Control> shown_; // as last rendered
    std::vector<std::string> fatal_;
    bool started_ = false;
};
