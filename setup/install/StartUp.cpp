// Start-up of the installer: folders, mode, work folder, working copy of the script or log, and the
// main window filled in for the mode; the clean-up when the main window closes.
#include "install/StartUp.h"

#include "common/Cp932.h"
#include "install/SetupScript.h"
#include "services/FileRoutines.h"
#include "services/IniValues.h"
#include "services/MbcsText.h"
#include "services/PathText.h"
#include "services/platform/Win32Codes.h"

#include <optional>

namespace {

using cp932::lit;

constexpr int kWorkFolderCount = 99;

std::string workFolderName(const std::string& temporaryFolder, int n) {
    return temporaryFolder + "BSTMP" + std::to_string(n) + "\\";
}

// A folder the system gave, with "\" added; empty stays empty.
std::string folderOf(const std::string& path) {
    return path.empty() ? std::string() : AddBackslash(path, "B");
}

// The first free work folder, created; the last one again when every one exists.
std::string makeWorkFolder(SetupContext& context) {
    const std::string& temporary = context.values.temporaryFolder;
    for (int n = 1; n <= kWorkFolderCount; ++n) {
        std::string folder = workFolderName(temporary, n);
        if (!FolderExists(context, folder)) {
            MakeFolders(context, folder);
            return folder;
        }
    }
    return workFolderName(temporary, kWorkFolderCount);
}

// The four shortcut boxes are enabled by the folder tokens their script names use.
void enableShortcutBoxes(SetupContext& context, MainWindowModel& window,
                         const std::string& script) {
    static const char* const kBoxes[][2] = {{"(Dsk)", "chkSCutDesktop"},
                                            {"(Sta)", "chkSCutStartMenu"},
                                            {"(Sup)", "chkSCutStartUp"},
                                            {"(Sen)", "chkSCutSendTo"}};
    for (int n = 1;; ++n) {
        std::string name =
            ReadIniValue(context, "ShortCut", "Name" + std::to_string(n), "", script);
        if (name.empty()) {
            return;
        }
        for (const auto& [token, box] : kBoxes) {
            if (MbcsPosText(token, name) > 0) {
                window[box].enabled = true;
            }
        }
    }
}

void showReadme(SetupContext& context, MainWindowModel& window, const SetupScript& script) {
    window["btnEvent"] = {lit("セットアップ開始(&S)"), true};
    window["btnEnd"].enabled = true;
    const std::string& file = script.readmeFile;
    if (file.empty()) {
        return;
    }
    const std::string path = context.values.sourceFolder + RemoveBackslash(file, "T");
    std::string text;
    if (!FileExists(context, path) || !context.platform.readFile(path, text)) {
        return;
    }
    window["btnEvent"].text = lit("セットアップ続行(&C)");
    window["txtReadme"].text = text;
    window["fraReadme"].text = script.readmeTitle;
    window["fraReadme"].visible = true;
}

void arrangeForUninstall(SetupContext& context, MainWindowModel& window, const std::string& log) {
    window["grpSetupFolder"].text = lit("アンセットアップ(アンインストール)フォルダ");
    window["txtFolder"].enabled = true;
    window["btnEvent"] = {lit("アンセットアップ開始(&S)"), true};
    window["btnEnd"] = {lit("アンセットアップ終了(&E)"), true};
    window["grpOption"].text = lit("アンセットアップ(アンインストール)オプション");
    window["chkOverWrite"].visible = false;
    window["fraShortCut"].text = lit("ファイルの追加削除");
    const std::string flags = ReadIniValue(context, "UnSetupOption", "CheckBox", "0,0,0,0", log);
    const char* const boxes[] = {"chkSCutDesktop", "chkSCutStartMenu", "chkSCutStartUp",
                                 "chkSCutSendTo"};
    const std::string captions[] = {lit("*.INIファイル"), lit("*.GIDファイル"), "", ""};
    for (std::size_t i = 0; i < 4; ++i) {
        MainWindowModel::Control& box = window[boxes[i]];
        box.text = captions[i];
        box.enabled = i < 2;
        box.checked = 2 * i < flags.size() && flags[2 * i] == '1';
    }
    window["lblUnSetupInfo"].text =
        lit("　アンセットアップ(アンインストール)フォルダの中で，コピーされたファイル以外に追加削"
            "除するファイルをチェック(選択)してください．");
    window["lblUnSetupInfo"].visible = true;
}

// Step by step from the script copy, once it is known to be there.
void fillWindow(SetupContext& context, MainWindowModel& window) {
    ProcessValues& values = context.values;
    const std::string& script = values.scriptCopy;
    const bool setup = values.mode == "SETUP";

    // Setup mode reads the script as the procedure will; the uninstall log has only a few keys.
    std::string folder;
    bool locked = false;
    std::optional<SetupScript> setupScript;
    if (setup) {
        setupScript = SetupScript::read(context, script);
        values.setupSpeed = setupScript->setupSpeed;
        values.setupTitle = setupScript->setupTitle;
        values.uninstallTitle = setupScript->uninstallTitle;
        values.programId = setupScript->programId;
        locked = setupScript->choicesLocked;
        folder = setupScript->defaultFolder;
        if (!values.programId.empty()) {
            std::string remembered = ReadIniValue(context, values.programId, "Folder", "",
                                                  values.windowsFolder + "QUILLET.INI");
            if (!remembered.empty()) {
                folder = remembered;
            }
        }
    } else {
        values.setupTitle = ReadIniValue(context, "Title", "Setup", "Quillet", script);
        values.uninstallTitle =
            ReadIniValue(context, "Title", "UnSetup", values.setupTitle, script);
        folder = ReadIniValue(context, "SetupFolder", "Folder", "", script);
    }
    folder = ReplaceToken(folder, "(Prg)", values.programFilesFolder);
    folder = ReplaceToken(folder, "(Win)", values.windowsFolder);
    folder = ReplaceToken(folder, "(Sys)", values.systemFolder);
    folder = ReplaceToken(folder, "(Boo)", LeftStr(values.windowsFolder, 2) + "\\");
    window["txtFolder"].text = AddBackslash(folder, "B");

    if (setup && !locked) {
        enableShortcutBoxes(context, window, script);
    }

    if (setup) {
        values.messageText = setupScript->welcomeText + "\r" +
                             lit("※　処理を開始する前に，必ずすべてのプログラムを終了させてく"
                                 "ださい．");
    } else {
        values.messageText = lit("アンセットアップ(アンインストール)を行います．") + "\r\r" +
                             lit("開始するには，「アンセットアップ開始(S)」を選択してください．") +
                             "\r";
    }
    window["lblMessage"].text = values.messageText;

    if (setup) {
        for (const char* name : {"txtFolder", "btnRefer", "chkOverWrite"}) {
            window[name].enabled = !locked;
        }
        window["chkOverWrite"].checked = true;
    }

    const std::string& title = setup ? values.setupTitle : values.uninstallTitle;
    window.caption = title;
    window.backgroundTitle = title;

    if (setup) {
        showReadme(context, window, *setupScript);
    } else {
        arrangeForUninstall(context, window, script);
    }
}

} // namespace

std::vector<std::string> StartUp::run(SetupContext& context, MainWindowModel& window,
                                      const std::string& firstArgument) {
    Platform& platform = context.platform;
    ProcessValues& values = context.values;
    std::vector<std::string> fatal;

    values.sourceFolder = folderOf(ExtractFilePath(platform.moduleFileName()));
    values.temporaryFolder = folderOf(platform.tempPath());
    if (values.temporaryFolder.empty()) {
        values.temporaryFolder = values.sourceFolder;
    }
    values.windowsFolder = folderOf(platform.windowsDirectory());
    if (values.windowsFolder.empty()) {
        fatal.push_back(lit("【致命的エラー  →  Windowsフォルダ取得失敗】"));
    }
    values.systemFolder = folderOf(platform.systemDirectory());
    if (values.systemFolder.empty()) {
        fatal.push_back(lit("【致命的エラー  →  WindowsSystemフォルダ取得失敗】"));
    }
    values.programFilesFolder = LeftStr(values.windowsFolder, 2) + "\\Program Files\\";

    // Only the exact name the uninstall entry writes selects the uninstaller.
    const bool uninstall = ExtractFileName(firstArgument) == "UNSETUP.INI";
    values.mode = uninstall ? "UNSETUP" : "SETUP";

    values.workFolder = makeWorkFolder(context);
    if (uninstall) {
        values.scriptCopy = values.workFolder + "UNSETUP.INI";
        CopyFileOverwrite(context, firstArgument, values.scriptCopy);
    } else {
        values.scriptCopy = values.workFolder + "SETUP.INI";
        const std::string script = values.sourceFolder + "SETUP.INI";
        if (FileExists(context, script)) {
            CopyFileOverwrite(context, script, values.scriptCopy);
        }
    }
    if (!FileExists(context, values.scriptCopy)) {
        fatal.push_back(lit("【致命的エラー  →  iniファイル読み込み失敗】"));
    }

    if (!fatal.empty()) {
        std::string text;
        for (const std::string& line : fatal) {
            text += line + "\r";
        }
        values.messageText =
            text + "\r" + lit("セットアップ・アンセットアップ(アンインストール)は続行できません．");
        window["lblMessage"].text = values.messageText;
        window["btnEvent"] = {lit("セットアップ開始(&S)"), false};
        window["btnEnd"] = {lit("終了(&E)"), true};
        return fatal;
    }
    fillWindow(context, window);
    return fatal;
}

void StartUp::closeMainWindow(SetupContext& context) {
    for (int n = 1; n <= kWorkFolderCount; ++n) {
        std::string folder = workFolderName(context.values.temporaryFolder, n);
        if (FolderExists(context, folder)) {
            RemoveFolderWithFiles(context, folder, "*.*|");
        }
    }
    for (std::uint32_t event : {shell_change::AssociationChanged, shell_change::UpdateItem,
                                shell_change::UpdateDirectory}) {
        context.platform.shellChangeNotify(event, "");
    }
}
