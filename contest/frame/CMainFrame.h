// The main window: menus, tool bar, status bar with count and clock, around the QSO list view.
#pragma once

#include "common/Prompter.h"
#include "document/CKorvaneDoc.h"
#include "frame/RecentFileList.h"
#include "print/EntryExportDialog.h"

#include <QMainWindow>
#include <QString>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>

class CKorvaneView;
class PrintCommands;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    enum class FileDialog { open, saveAs };
    // Asks for a file name (host path, empty when cancelled); suggestion is the current path.
    using FileChooser = std::function<QString(FileDialog kind, const QString& suggestion)>;
    // Opens a URL with the desktop; false when nothing could show it.
    using UrlOpener = std::function<bool(const QUrl& url)>;

    CMainFrame(CKorvaneDoc& doc, RecentFileList& recentFiles, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CKorvaneView* view() const { return view_; }
    PrintCommands& printCommands() { return *print_; }

    // Message boxes go through this prompter; null restores the real message boxes.
    void setPrompter(Prompter* prompter);
    Prompter& prompter();
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }

    // Opens a contest file as Open and the recent-file entries do; failures are reported.
    bool openDocumentFile(const QString& hostPath);

    // "<document name> - Korvane".
    void updateTitle();

    QString countText() const;
    QString clockText() const;
    // The message pane's text and the count pane's tool tip, which tell what a search left out.
    QString messageText() const;
    QString countToolTip() const;

    // The user guide that help opens: beside the program, else in the source tree's docs folder.
    static QString guidePath();

    // Commands of the menus and tool bar.
    void fileNew();
    void fileOpen();
    bool fileSave();
    bool fileSaveAs();
    void openRecentFile(int index);
    void search();
    void masterSettings();
    void contestSettings();
    void printPosition();
    // The electronic entry of the last retrieval, previewed and saved.
    void exportEntry(EntryExportDialog::Kind kind);
    void about();
    void helpTopics();

    // The count notification of the view.
    void setCount(int rows);
    // One clock tick: the time now into the clock pane, and the lock indicators.
    void tick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A command with its menu caption, object name, key and "prompt\ntool tip" status text.
    QAction* addCommand(const QString& caption, const char* name, const QKeySequence& key,
                        const QString& prompt, std::function<void()> handler);
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void rebuildRecentMenu();
    void updateIndicators();
    QString chooseFile(FileDialog kind, const QString& suggestion);
    void report(const std::string& cp932Message);
    // What the search just run read, left out and found cut, into the status bar; a log without
    // any record is said in a message box as well.
    void showRetrievalCounts();

    CKorvaneDoc& doc_;
    RecentFileList& recent_;
    CKorvaneView* view_;
    PrintCommands* print_;
    std::unique_ptr<Prompter> ownPrompter_;
    Prompter* prompter_ = nullptr;
    FileChooser chooseFile_;
    UrlOpener openUrl_;

    QMenu* fileMenu_ = nullptr;
    QAction* recentPlaceholder_ = nullptr;
    std::array<QAction*, RecentFileList::kSize> recentActions_{};
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    QLabel* countPane_ = nullptr;
    QLabel* clockPane_ = nullptr;
    std::array<QLabel*, 4> indicators_{}; // kana, caps, num, scroll
    QTimer* clock_ = nullptr;
};
