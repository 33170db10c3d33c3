// Building the main window and carrying out its commands.
#include "frame/CMainFrame.h"

#include "app/CSetting.h"
#include "app/ProgramTitle.h"
#include "common/Cp932.h"
#include "common/ProgramPath.h"
#include "common/qt/QtPrompter.h"
#include "document/CContset.h"
#include "frame/CAboutDlg.h"
#include "frame/CKorvaneView.h"
#include "frame/DocumentNames.h"
#include "frame/KeyLockState.h"
#include "frame/StatusBarText.h"
#include "frame/ToolBarIcons.h"
#include "print/PrintCommands.h"
#include "print/PrintPositionDialog.h"
#include "qso/CSearchDialog.h"
#include "qso/HamlogDatabase.h"
#include "qso/SearchCommand.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWhatsThis>
#include <ctime>
#include <optional>

namespace {

QString qs(const std::string& cp932Text) {
    return QString::fromStdString(cp932::toUtf8(cp932Text));
}

constexpr int kClockInterval = 1000; // ms
constexpr int kButtonSize = 28;
const char* const kGuideFile = "korvane-guide.html";

} // namespace

CMainFrame::CMainFrame(CKorvaneDoc& doc, RecentFileList& recentFiles, QWidget* parent)
    : QMainWindow(parent), doc_(doc), recent_(recentFiles), view_(new CKorvaneView(doc, this)),
      print_(new PrintCommands(doc, this)), ownPrompter_(std::make_unique<QtPrompter>(this)),
      prompter_(ownPrompter_.get()) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(ToolBarIcons::programIcon());
    setCentralWidget(view_);
    connect(view_, &CKorvaneView::countChanged, this, &CMainFrame::setCount);

    createMenus();
    createToolBar();
    createStatusBar();
    updateTitle();
    resize(1024, 680);

    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("clock"));
    clock_->setInterval(kClockInterval);
    connect(clock_, &QTimer::timeout, this, &CMainFrame::tick);
    clock_->start();
    // Lock keys change the indicators at once, not only at the next tick.
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    clock_->stop();
}

void CMainFrame::setPrompter(Prompter* prompter) {
    prompter_ = prompter ? prompter : ownPrompter_.get();
}

Prompter& CMainFrame::prompter() {
    return *prompter_;
}

QAction* CMainFrame::addCommand(const QString& caption, const char* name, const QKeySequence& key,
                                const QString& prompt, std::function<void()> handler) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
    }
    const qsizetype newline = prompt.indexOf(QLatin1Char('\n'));
    const QString status = newline < 0 ? prompt : prompt.left(newline);
    action->setStatusTip(status);
    action->setWhatsThis(status);
    if (newline >= 0) {
        action->setToolTip(prompt.mid(newline + 1));
    }
    if (handler) {
        connect(action, &QAction::triggered, this, std::move(handler));
    }
    addAction(action);
    return action;
}

void CMainFrame::createMenus() {
    QMenuBar* bar = menuBar();

    fileMenu_ = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    fileMenu_->setObjectName(QStringLiteral("menuFile"));
    fileMenu_->addAction(addCommand(QStringLiteral("ｺﾝﾃｽﾄﾌｧｲﾙの新規作成(&N)\tCtrl+N"),
                                    "ID_FILE_NEW", QKeySequence(Qt::CTRL | Qt::Key_N),
                                    QStringLiteral("新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ"),
                                    [this] { fileNew(); }));
    fileMenu_->addAction(addCommand(QStringLiteral("ｺﾝﾃｽﾄﾌｧｲﾙを開く(&O)...\tCtrl+O"),
                                    "ID_FILE_OPEN", QKeySequence(Qt::CTRL | Qt::Key_O),
                                    QStringLiteral("既存のﾌｧｲﾙを開く\n開く"),
                                    [this] { fileOpen(); }));
    fileMenu_->addAction(addCommand(QStringLiteral("ｺﾝﾃｽﾄﾌｧｲﾙの上書き保存(&S)\tCtrl+S"),
                                    "ID_FILE_SAVE", QKeySequence(Qt::CTRL | Qt::Key_S),
                                    QStringLiteral("開いているﾌｧｲﾙを上書きして保存\n上書き保存"),
                                    [this] { fileSave(); }));
    fileMenu_->addAction(
        addCommand(QStringLiteral("ｺﾝﾃｽﾄﾌｧｲﾙに名前を付けて保存(&A)..."), "ID_FILE_SAVE_AS", {},
                   QStringLiteral("開いているﾌｧｲﾙに名前を付けて保存\n名前を付けて保存"),
                   [this] { fileSaveAs(); }));
    fileMenu_->addSeparator();
    fileMenu_->addAction(addCommand(
        QStringLiteral("印刷(&P)...\tCtrl+P"), "ID_FILE_PRINT", QKeySequence(Qt::CTRL | Qt::Key_P),
        QStringLiteral("開いているﾌｧｲﾙを印刷\n印刷"), [this] { print_->print(prompter()); }));
    fileMenu_->addAction(addCommand(QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ(&V)\tCtrl+V"),
                                    "ID_FILE_PRINT_PREVIEW", QKeySequence(Qt::CTRL | Qt::Key_V),
                                    QStringLiteral("ﾌﾙ ﾍﾟｰｼﾞ表示\n印刷ﾌﾟﾚﾋﾞｭｰ"),
                                    [this] { print_->preview(prompter()); }));
    fileMenu_->addAction(addCommand(QStringLiteral("ﾌﾟﾘﾝﾀの設定(&R)..."), "ID_FILE_PRINT_SETUP", {},
                                    QStringLiteral("ﾌﾟﾘﾝﾀおよびﾌﾟﾘﾝﾀ接続の設定を変更\n印刷設定"),
                                    [this] { print_->setup(); }));
    fileMenu_->addSeparator();
    fileMenu_->addAction(addCommand(QStringLiteral("電子ログ出力(&E)..."), "ID_FILE_ELOG", {},
                                    QStringLiteral("JARL電子ログを出力\n電子ログ出力"), [this] {
                                        exportEntry(EntryExportDialog::Kind::electronicLog);
                                    }));
    fileMenu_->addAction(addCommand(QStringLiteral("Cabrillo出力..."), "ID_FILE_CABRILLO", {},
                                    QStringLiteral("Cabrillo形式のログを出力\nCabrillo出力"),
                                    [this] { exportEntry(EntryExportDialog::Kind::cabrillo); }));
    fileMenu_->addSeparator();
    recentPlaceholder_ = fileMenu_->addAction(QStringLiteral("最新のﾌｧｲﾙ"));
    recentPlaceholder_->setObjectName(QStringLiteral("ID_FILE_MRU_FILE1"));
    recentPlaceholder_->setEnabled(false);
    for (std::size_t i = 0; i < recentActions_.size(); ++i) {
        const int index = static_cast<int>(i);
        QAction* action = addCommand(QString(), "", {}, QStringLiteral("このﾌｧｲﾙを開く"),
                                     [this, index] { openRecentFile(index); });
        action->setObjectName(QStringLiteral("recentFile%1").arg(index + 1));
        fileMenu_->addAction(action);
        recentActions_[i] = action;
    }
    fileMenu_->addSeparator();
    fileMenu_->addAction(addCommand(QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"), "ID_APP_EXIT", {},
                                    QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"),
                                    [this] { close(); }));
    rebuildRecentMenu();

    QMenu* settings = bar->addMenu(QStringLiteral("設定"));
    settings->setObjectName(QStringLiteral("menuSettings"));
    settings->addAction(addCommand(
        QStringLiteral("基本設定\tCtrl+K"), "ID_MASTER_SETTING", QKeySequence(Qt::CTRL | Qt::Key_K),
        QStringLiteral("基本設定\n基本設定"), [this] { masterSettings(); }));
    settings->addAction(addCommand(QStringLiteral("コンテスト情報設定\tCtrl+T"),
                                   "ID_CONTEST_SETTING", QKeySequence(Qt::CTRL | Qt::Key_T),
                                   QStringLiteral("コンテスト情報の設定\nｺﾝﾃｽﾄ設定"),
                                   [this] { contestSettings(); }));
    settings->addAction(addCommand(QStringLiteral("印字位置微調整\tCtrl+H"), "ID_PRINT_POSITION",
                                   QKeySequence(Qt::CTRL | Qt::Key_H),
                                   QStringLiteral("印字位置微調整\n微調整"),
                                   [this] { printPosition(); }));

    QMenu* searchMenu = bar->addMenu(QStringLiteral("検索(&S)"));
    searchMenu->setObjectName(QStringLiteral("menuSearch"));
    searchMenu->addAction(addCommand(
        QStringLiteral("ﾃﾞｰﾀ検索\tCtrl+F"), "ID_SEARCH", QKeySequence(Qt::CTRL | Qt::Key_F),
        QStringLiteral("ＱＳＯﾃﾞｰﾀを検索します\nﾃﾞｰﾀ検索"), [this] { search(); }));

    QMenu* viewMenu = bar->addMenu(QStringLiteral("表示(&V)"));
    viewMenu->setObjectName(QStringLiteral("menuView"));
    QAction* toolBarShown =
        addCommand(QStringLiteral("ﾂｰﾙ ﾊﾞｰ(&T)"), "ID_VIEW_TOOLBAR", {},
                   QStringLiteral("ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え"), {});
    QAction* statusBarShown =
        addCommand(QStringLiteral("ｽﾃｰﾀｽ ﾊﾞｰ(&S)"), "ID_VIEW_STATUS_BAR", {},
                   QStringLiteral("ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"), {});
    for (QAction* a : {toolBarShown, statusBarShown}) {
        a->setCheckable(true);
        a->setChecked(true);
        viewMenu->addAction(a);
    }
    connect(toolBarShown, &QAction::toggled, this, [this](bool on) { toolBar_->setVisible(on); });
    connect(statusBarShown, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });

    QMenu* help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("menuHelp"));
    help->addAction(addCommand(QStringLiteral("ﾄﾋﾟｯｸの検索(&H)"), "ID_HELP_FINDER", {},
                               QStringLiteral("ﾍﾙﾌﾟ ﾄﾋﾟｯｸの一覧を表示\nﾍﾙﾌﾟ ﾄﾋﾟｯｸ"),
                               [this] { helpTopics(); }));
    help->addSeparator();
    help->addAction(
        addCommand(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(korvane) (&A)..."), "ID_APP_ABOUT", {},
                   QStringLiteral("ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"),
                   [this] { about(); }));

    // Keys without a menu entry.
    addCommand(QString(), "ID_HELP", QKeySequence(Qt::Key_F1),
               QStringLiteral("現在の作業またはｺﾏﾝﾄﾞのﾍﾙﾌﾟを表示\nﾍﾙﾌﾟ"), [this] { helpTopics(); });
    addCommand(QString(), "ID_CONTEXT_HELP", QKeySequence(Qt::SHIFT | Qt::Key_F1),
               QStringLiteral("ｸﾘｯｸしたﾎﾞﾀﾝ、ﾒﾆｭｰおよびｳｨﾝﾄﾞｳについてのﾍﾙﾌﾟを表示\nﾍﾙﾌﾟ"),
               [] { QWhatsThis::enterWhatsThisMode(); });
    // The window has a single pane and the list no copy command: these keys stay disabled.
    addCommand(QString(), "ID_NEXT_PANE", QKeySequence(Qt::Key_F6),
               QStringLiteral("次のｳｨﾝﾄﾞｳ ｳｨﾝﾄﾞｳに切り替え\n次のｳｨﾝﾄﾞｳ"), {})
        ->setEnabled(false);
    addCommand(QString(), "ID_PREV_PANE", QKeySequence(Qt::SHIFT | Qt::Key_F6),
               QStringLiteral("前のｳｨﾝﾄﾞｳ ｳｨﾝﾄﾞｳに切り替え\n前のｳｨﾝﾄﾞｳ"), {})
        ->setEnabled(false);
    addCommand(QString(), "ID_EDIT_COPY", QKeySequence(Qt::CTRL | Qt::Key_C),
               QStringLiteral("選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ"), {})
        ->setEnabled(false);
}

void CMainFrame::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("ﾂｰﾙ ﾊﾞｰ"));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(20, 20));
    using Kind = ToolBarIcons::Kind;
    const struct {
        const char* action;
        Kind icon;
    } buttons[] = {
        {"ID_FILE_NEW", Kind::newFile},
        {"ID_FILE_OPEN", Kind::open},
        {"ID_FILE_SAVE", Kind::save},
        {nullptr, Kind::newFile},
        {"ID_FILE_PRINT", Kind::print},
        {"ID_FILE_PRINT_PREVIEW", Kind::preview},
        {"ID_PRINT_POSITION", Kind::printPosition},
        {nullptr, Kind::newFile},
        {"ID_MASTER_SETTING", Kind::masterSettings},
        {"ID_CONTEST_SETTING", Kind::contestSettings},
        {"ID_SEARCH", Kind::search},
        {nullptr, Kind::newFile},
        {"ID_APP_ABOUT", Kind::about},
        {"ID_CONTEXT_HELP", Kind::contextHelp},
    };
    for (const auto& b : buttons) {
        if (!b.action) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = findChild<QAction*>(QLatin1String(b.action));
        action->setIcon(ToolBarIcons::icon(b.icon));
        toolBar_->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action))) {
            button->setFixedSize(kButtonSize, kButtonSize);
        }
    }
    // Menus show the captions only, as the tool bar carries the images.
    for (QAction* action : actions()) {
        action->setIconVisibleInMenu(false);
    }
    connect(toolBar_, &QToolBar::visibilityChanged, this, [this](bool shown) {
        if (auto* a = findChild<QAction*>(QStringLiteral("ID_VIEW_TOOLBAR"))) {
            a->setChecked(shown);
        }
    });
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    messagePane_ = new QLabel(QStringLiteral("ﾚﾃﾞｨ"));
    messagePane_->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(messagePane_, 1);

    auto pane = [bar](const QString& text, const char* name, const QString& widest) {
        auto* label = new QLabel(text);
        label->setObjectName(QLatin1String(name));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + 8);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        bar->addPermanentWidget(label);
        return label;
    };
    countPane_ =
        pane(qs(StatusBarText::initialCount()), "countPane", qs(StatusBarText::count(888888)));
    const char* names[4] = {"ID_INDICATOR_KANA", "ID_INDICATOR_CAPS", "ID_INDICATOR_NUM",
                            "ID_INDICATOR_SCRL"};
    const QString texts[4] = {QStringLiteral("ｶﾅ"), QStringLiteral("CAP"), QStringLiteral("NUM"),
                              QStringLiteral("SCRL")};
    for (std::size_t i = 0; i < indicators_.size(); ++i) {
        indicators_[i] = pane(texts[i], names[i], texts[i]);
        indicators_[i]->setAlignment(Qt::AlignCenter);
    }
    std::tm sample{};
    sample.tm_year = 8888 - 1900;
    clockPane_ =
        pane(qs(StatusBarText::initialClock()), "clockPane", qs(StatusBarText::clock(sample)));
    updateIndicators();
}

void CMainFrame::rebuildRecentMenu() {
    const auto& entries = recent_.entries();
    recentPlaceholder_->setVisible(entries.empty());
    for (std::size_t i = 0; i < recentActions_.size(); ++i) {
        QAction* action = recentActions_[i];
        action->setVisible(i < entries.size());
        if (i < entries.size()) {
            action->setText(qs(recent_.menuText(i)));
        }
    }
}

void CMainFrame::updateTitle() {
    setWindowTitle(qs(DocumentNames::windowTitle(doc_.title())));
}

QString CMainFrame::countText() const {
    return countPane_->text();
}

QString CMainFrame::clockText() const {
    return clockPane_->text();
}

QString CMainFrame::messageText() const {
    return messagePane_->text();
}

QString CMainFrame::countToolTip() const {
    return countPane_->toolTip();
}

void CMainFrame::setCount(int rows) {
    countPane_->setText(qs(StatusBarText::count(rows)));
}

void CMainFrame::tick() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    clockPane_->setText(qs(StatusBarText::clock(local)));
    updateIndicators();
}

void CMainFrame::updateIndicators() {
    const KeyLockState::State state = KeyLockState::query();
    const bool on[4] = {state.kana, state.caps, state.num, state.scroll};
    for (std::size_t i = 0; i < indicators_.size(); ++i) {
        // An indicator's pane keeps its place and shows its text only while the lock is on.
        QPalette palette = indicators_[i]->palette();
        palette.setColor(QPalette::WindowText,
                         on[i] ? QApplication::palette().color(QPalette::WindowText)
                               : Qt::transparent);
        indicators_[i]->setPalette(palette);
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock ||
            key == Qt::Key_Kana_Lock || key == Qt::Key_Katakana ||
            key == Qt::Key_Hiragana_Katakana) {
            updateIndicators();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::report(const std::string& cp932Message) {
    prompter().ask(cp932Message, kProgramTitle, Prompter::Icon::exclamation);
}

QString CMainFrame::chooseFile(FileDialog kind, const QString& suggestion) {
    if (chooseFile_) {
        return chooseFile_(kind, suggestion);
    }
    const QString filter = qs(DocumentNames::filterName()) + QStringLiteral(";;すべてのﾌｧｲﾙ (*)");
    QFileDialog dialog(this,
                       kind == FileDialog::open ? QStringLiteral("開く")
                                                : QStringLiteral("名前を付けて保存"),
                       suggestion, filter);
    if (kind == FileDialog::open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!suggestion.isEmpty()) {
            dialog.selectFile(suggestion);
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool CMainFrame::openDocumentFile(const QString& hostPath) {
    const CKorvaneDoc::Result opened = doc_.openDocument(hostPath.toStdString());
    updateTitle();
    if (!opened.ok) {
        report(opened.message);
        return false;
    }
    recent_.add(QFileInfo(hostPath).absoluteFilePath().toStdString());
    rebuildRecentMenu();
    view_->refill();
    return true;
}

void CMainFrame::fileNew() {
    doc_.newDocument();
    updateTitle();
    view_->refill();
}

void CMainFrame::fileOpen() {
    const QString path = chooseFile(FileDialog::open, QString::fromStdString(doc_.path()));
    if (!path.isEmpty()) {
        openDocumentFile(path);
    }
}

bool CMainFrame::fileSave() {
    if (doc_.path().empty()) {
        return fileSaveAs();
    }
    const CKorvaneDoc::Result saved = doc_.saveDocument(doc_.path());
    if (!saved.ok) {
        report(saved.message);
    }
    return saved.ok;
}

bool CMainFrame::fileSaveAs() {
    QString suggestion = QString::fromStdString(doc_.path());
    if (suggestion.isEmpty()) {
        suggestion =
            QDir::current().filePath(qs(doc_.title()) + QLatin1String(DocumentNames::kExtension));
    }
    const QString chosen = chooseFile(FileDialog::saveAs, suggestion);
    if (chosen.isEmpty()) {
        return false;
    }
    const std::string path = DocumentNames::withDefaultExtension(chosen.toStdString());
    const CKorvaneDoc::Result saved = doc_.saveDocument(path);
    if (!saved.ok) {
        report(saved.message);
        return false;
    }
    recent_.add(QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString());
    rebuildRecentMenu();
    updateTitle();
    return true;
}

void CMainFrame::openRecentFile(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= recent_.entries().size()) {
        return;
    }
    const std::string path = recent_.entries()[static_cast<std::size_t>(index)];
    if (!openDocumentFile(QString::fromStdString(path))) {
        // An entry that no longer opens leaves the list, as it would only fail again.
        recent_.remove(path);
        rebuildRecentMenu();
    }
}

void CMainFrame::search() {
    CSearchDialog dialog(SearchCheck::fromSettings(doc_.contest), prompter(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    std::optional<HamlogDatabase> database;
    if (doc_.library()) {
        database.emplace(*doc_.library());
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool found =
        SearchCommand::run(dialog.form(), doc_, database ? &*database : nullptr, prompter());
    QApplication::restoreOverrideCursor();
    if (found) {
        view_->refill();
        showRetrievalCounts();
    }
}

void CMainFrame::showRetrievalCounts() {
    countPane_->setToolTip(qs(StatusBarText::retrievalDetails(doc_)));
    if (doc_.recordsRead == 0) {
        messagePane_->setText(qs(doc_.master.thDir + ": " + StatusBarText::nothingRead()));
        prompter().ask(StatusBarText::nothingRead() + "\n" + doc_.master.thDir, kProgramTitle,
                       Prompter::Icon::exclamation);
        return;
    }
    const std::string summary = StatusBarText::retrievalSummary(doc_);
    messagePane_->setText(summary.empty() ? QStringLiteral("ﾚﾃﾞｨ") : qs(summary));
}

void CMainFrame::masterSettings() {
    CSetting sheet(doc_.master, this);
    sheet.exec();
}

void CMainFrame::contestSettings() {
    CContset sheet(doc_.contest, this);
    sheet.exec();
}

void CMainFrame::exportEntry(EntryExportDialog::Kind kind) {
    EntryExportDialog dialog(doc_, kind, prompter(), this);
    dialog.exec();
}

void CMainFrame::printPosition() {
    PrintPositionDialog dialog(doc_.master, prompter(), this);
    dialog.exec();
}

void CMainFrame::about() {
    CAboutDlg dialog(this);
    dialog.exec();
}

QString CMainFrame::guidePath() {
    const QString besideProgram =
        QDir(QString::fromStdString(program_path::folder())).filePath(QLatin1String(kGuideFile));
    if (QFileInfo::exists(besideProgram)) {
        return besideProgram;
    }
#ifdef KORVANE_DOCS_DIR
    const QString inSources =
        QDir(QStringLiteral(KORVANE_DOCS_DIR)).filePath(QLatin1String(kGuideFile));
    if (QFileInfo::exists(inSources)) {
        return inSources;
    }
#endif
    return besideProgram;
}

void CMainFrame::helpTopics() {
    const QString path = guidePath();
    const QUrl url = QUrl::fromLocalFile(path);
    const bool shown =
        QFileInfo::exists(path) && (openUrl_ ? openUrl_(url) : QDesktopServices::openUrl(url));
    if (!shown) {
        prompter().ask(cp932::fromUtf8("ﾍﾙﾌﾟ ﾌｧｲﾙを開けません。\n" + path.toStdString()),
                       kProgramTitle, Prompter::Icon::exclamation);
    }
}
