// The uninstall procedure, step by step over the working copy of the uninstall log.
#include "uninstall/UninstallProcedure.h"

#include "common/Cp932.h"
#include "common/Win32ErrorCode.h"
#include "services/ComponentRegistration.h"
#include "services/FileRoutines.h"
#include "services/IniValues.h"
#include "services/MbcsText.h"
#include "services/PathText.h"
#include "services/RegistryRoutines.h"
#include "services/SharedDllCounts.h"
#include "services/SystemInfo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using cp932::lit;
using Answer = Prompter::Answer;
using Buttons = Prompter::Buttons;
using Icon = Prompter::Icon;
using Outcome = UninstallProcedure::Outcome;

// Options of a file entry as far as they are looked at: the comma and at most four more bytes.
constexpr int kOptionWindow = 5;
// "(Local)", "(Class)", ...: the root token that may open a registry entry.
constexpr int kRootTokenLength = 7;

class Uninstallation {
public:
    Uninstallation(SetupContext& context, MainWindow& window)
        : context_(context), values_(context.values), window_(window), model_(window.model),
          log_(context.values.scriptCopy) {}

    UninstallProcedure::Result run() {
        const Outcome outcome = steps();
        return {outcome, failureCount_, failureLog_};
    }

private:
    Outcome steps() {
        start();
        message(lit("アンセットアップ(アンインストール)を行っています．．．"));
        // A folder box that names no folder (the log has none) or a log that cannot be read would
        // leave nothing sure to remove.
        setupFolder_ = model_["txtFolder"].text;
        if (RemoveBackslash(setupFolder_, "B").empty() || !FileExists(context_, log_)) {
            return stop(lit("アンセットアップ(アンインストール)フォルダが不明です．") + "\r\n" +
                        lit("アンセットアップ(アンインストール)は続行できません．"));
        }
        setupFolder_ = AddBackslash(setupFolder_, "B");
        forgetFolder();
        // Nothing of the setup folder may be in use by this process while it goes.
        if (!context_.platform.setCurrentDirectory(values_.temporaryFolder)) {
            const std::uint32_t error = context_.platform.lastError();
            return stop(values_.temporaryFolder + "\r\r" +
                        lit("一時フォルダをカレントフォルダにできないため，") + "\r" +
                        lit("アンセットアップ(アンインストール)は続行できません．") + "\r\r" +
                        SystemErrorText(context_, error));
        }
        deleteFiles();
        deleteShortcuts();
        removeFolders();
        deleteRegistryKeys();
        restoreAssociations();
        DeleteRegistryKey(context_, "(Local)",
                          ReadIniValue(context_, "UnSetupRegistryKey", "Key", "", log_));
        removeSetupFolder();
        reportFailures();
        complete();
        return Outcome::completed;
    }

    // Every input is locked; the extra-file list is read from the first two boxes.
    void start() {
        for (const char* name :
             {"txtFolder", "chkOverWrite", "btnEvent", "btnEnd", "chkSCutDesktop",
              "chkSCutStartMenu", "chkSCutStartUp", "chkSCutSendTo", "lblUnSetupInfo"}) {
            model_[name].enabled = false;
        }
        if (model_["chkSCutDesktop"].checked) {
            extraFiles_ += "*.INI|";
        }
        if (model_["chkSCutStartMenu"].checked) {
            extraFiles_ += "*.GID|";
        }
        model_["lblFormShare"].text.clear();
    }

    // The setup folder is no longer proposed for the program.
    void forgetFolder() {
        const std::string programId = ReadIniValue(context_, "ProgramID", "ID", "", log_);
        if (!programId.empty()) {
            context_.platform.deletePrivateProfileSection(
                programId, RemoveBackslash(values_.windowsFolder, "B") + "\\QUILLET.INI");
        }
    }

    // A numbered list of the log up to its first empty value, read whole before the files it
    // names change: every deletion makes the platform read the log anew.
    std::vector<std::string> entries(const char* section, const char* prefix) {
        std::vector<std::string> values;
        for (int n = 1;; ++n) {
            std::string value =
                ReadIniValue(context_, section, prefix + std::to_string(n), "", log_);
            if (value.empty()) {
                return values;
            }
            values.push_back(std::move(value));
        }
    }

    void deleteFiles() {
        for (const std::string& value : entries("DeleteFile", "File")) {
            const int comma = MbcsPos(",", value);
            const std::string path = comma > 0 ? LeftStr(value, comma - 1) : value;
            if (path.empty()) {
                return;
            }
            const std::string options =
                comma > 0 ? LeftStr(MidStr(value, comma), kOptionWindow) : std::string();
            if (deletes(path, options)) {
                const std::uint32_t error = DeleteFileSilent(context_, path);
                if (error != 0) {
                    fail("<File> ", path, error);
                }
            }
        }
    }

    // Whether the file goes: shared counts first, then the options, then components in the
    // system's folders; any other file goes without a question.
    bool deletes(const std::string& path, const std::string& options) {
        const auto has = [&](const char* option) { return MbcsPosText(option, options) > 0; };
        if (GetSharedDllCount(context_, path) != 0) {
            if (!has("/S") || ChangeSharedDllCount(context_, path, false) != 0) {
                return false;
            }
            return deletesUnusedSharedFile(path);
        }
        if (has("/C")) {
            return confirm(path + "\r\r" + lit("このファイルを削除してもよろしいですか？") +
                           "\r\r" + lit("<<　注意　>>") + "\r" +
                           lit("DLL/OCXなどは他のプログラムでも使用される可能性があります．") +
                           "\r" +
                           lit("確実に使用されないことがわかっている場合のみ削除してください．"));
        }
        if (has("/L")) {
            return false;
        }
        if (has("/F")) {
            return true;
        }
        if (IsComponentFile(path) && inSystemFolders(path)) {
            return confirm(path + "\r\r" +
                           lit("このDLL/OCXファイルは，共有登録されていませんが，") + "\r" +
                           lit("今後，他のプログラムで使われる可能性があります．") + "\r" +
                           lit("このファイルを削除してもよろしいですか？"));
        }
        return true;
    }

    // "Delete" and "Save" stay in lblFormShare for the rest of the run; "Yes" and "No" are asked
    // again for the next file.
    bool deletesUnusedSharedFile(const std::string& path) {
        std::string& answer = model_["lblFormShare"].text;
        if (answer == "Delete" || answer == "Save") {
            return answer == "Delete";
        }
        answer.clear();
        window_.showDeletionDialog(
            path + "\r\r" +
            lit("この共有ファイルは，現在，他のどのプログラムからも使われていません．") + "\r" +
            lit("しかし，今後，他のプログラムで使われる可能性があります．") + "\r" +
            lit("このファイルを削除してもよろしいですか？"));
        const std::string& given = model_["lblFormShare"].text;
        return given == "Yes" || given == "Delete";
    }

    bool inSystemFolders(const std::string& path) const {
        const std::string upper = MapStringCase(path, kMapUpperCase);
        return MbcsPos(MapStringCase(values_.windowsFolder, kMapUpperCase), upper) > 0 ||
               MbcsPos(MapStringCase(values_.systemFolder, kMapUpperCase), upper) > 0;
    }

    bool confirm(const std::string& question) {
        return context_.prompter.ask(question, lit("ファイル削除の確認"), Icon::question,
                                     Buttons::yesNo) == Answer::yes;
    }

    // A program group of the Start menu goes with its last shortcut; the desktop, startup and
    // send-to folders always stay.
    void deleteShortcuts() {
        for (const std::string& path : entries("DeleteShortCut", "File")) {
            const std::uint32_t error = DeleteFileSilent(context_, path);
            const std::string folder = ExtractFilePath(path);
            const bool systemFolder = MbcsPos(lit("\\ﾃﾞｽｸﾄｯﾌﾟ\\"), path) > 0 ||
                                      MbcsPos(lit("\\ｽﾀｰﾄｱｯﾌﾟ\\"), path) > 0 ||
                                      MbcsPos("\\SENDTO\\", MapStringCase(path, kMapUpperCase)) > 0;
            if (!systemFolder && !folder.empty()) {
                RemoveFolderWithFiles(context_, folder, "");
            }
            if (error != 0) {
                fail("<ShortCut> ", path, error);
            }
        }
    }

    // Last recorded first, so inner folders go before the folders that hold them. Extra files go
    // only inside the setup folder: a folder that was there before the install (the Windows
    // folder, say) keeps its ini files and stays unless it is empty.
    void removeFolders() {
        const std::vector<std::string> folders = entries("DeleteFolder", "Folder");
        for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
            const std::string& folder = *it;
            const bool inside = cp932::equalsNoCase(LeftStr(AddBackslash(folder, "B"),
                                                            static_cast<int>(setupFolder_.size())),
                                                    setupFolder_) &&
                                !isSystemFolder(folder);
            const std::uint32_t error =
                RemoveFolderWithFiles(context_, folder, inside ? extraFiles_ : "");
            if (error != 0) {
                fail("<Folder> ", folder, error);
            }
        }
    }

    // The temporary, Windows, system and program files folders and drive roots are never removed.
    bool isSystemFolder(const std::string& path) const {
        const std::string folder = AddBackslash(path, "B");
        for (const std::string* system : {&values_.temporaryFolder, &values_.windowsFolder,
                                          &values_.systemFolder, &values_.programFilesFolder}) {
            if (cp932::equalsNoCase(folder, *system)) {
                return true;
            }
        }
        return folder.size() == 3;
    }

    void deleteRegistryKeys() {
        for (const std::string& value : entries("DeleteRegistry", "Key")) {
            if (value.size() >= kRootTokenLength && value.front() == '(' &&
                value[kRootTokenLength - 1] == ')') {
                DeleteRegistryKey(context_, LeftStr(value, kRootTokenLength),
                                  MidStr(value, kRootTokenLength + 1));
            } else {
                DeleteRegistryKey(context_, "(Cuser)", value);
            }
        }
    }

    // Each extension gets back the file type it had before; the type setup made goes unless it is
    // itself the one to restore.
    void restoreAssociations() {
        Platform& platform = context_.platform;
        for (const std::string& value : entries("RestoreRelate", "Key")) {
            const int comma = MbcsPos(",", value);
            const std::string extension = comma > 0 ? LeftStr(value, comma - 1) : value;
            std::string previous = comma > 0 ? MidStr(value, comma + 1) : std::string();
            const std::string extensionKey = "." + extension;
            if (!previous.empty() &&
                platform.regOpenKey(RegistryRoot::ClassesRoot, extensionKey) == 0) {
                platform.regSetValue(RegistryRoot::ClassesRoot, extensionKey, "",
                                     RegistryValue::string(previous));
            } else {
                previous.clear();
            }
            if (previous.empty()) {
                DeleteRegistryKey(context_, "(Class)", extensionKey);
            }
            const std::string ownType = extension + "_auto_file";
            if (!cp932::equalsNoCase(previous, ownType)) {
                DeleteRegistryKey(context_, "(Class)", ownType);
            }
        }
    }

    void removeSetupFolder() {
        if (isSystemFolder(setupFolder_)) {
            return;
        }
        const std::uint32_t error = RemoveFolderWithFiles(context_, setupFolder_, extraFiles_);
        // A setup folder the install listed among its own folders is gone already by now.
        if (error == 0 || error == win32_error::FileNotFound ||
            error == win32_error::PathNotFound) {
            return;
        }
        failureLog_ += "<SetupFolder> " + setupFolder_ + "\r\n";
        if (error == win32_error::DirectoryNotEmpty || error == win32_error::AccessDenied) {
            failureLog_ +=
                lit("フォルダにファイルが残っているため，セットアップフォルダを削除できま"
                    "せんでした．エクスプローラなどから，直接削除してください．") +
                "\r\n";
        } else {
            failureLog_ += SystemErrorText(context_, error) + "\r\n";
        }
        ++failureCount_;
    }

    // The failure log on request, shown until "続行(&C)" is pressed.
    void reportFailures() {
        if (failureCount_ == 0) {
            return;
        }
        message(lit("一部の処理に失敗しました．"));
        const std::string question =
            lit("アンセットアップ(アンインストール)の過程で，一部の処理が失敗しました．") + "\r" +
            lit("詳細を表示しますか？");
        if (context_.prompter.ask(question, lit("警告"), Icon::exclamation, Buttons::yesNo) !=
            Answer::yes) {
            return;
        }
        window_.showDetailsUntilContinued(failureLog_, lit("削除処理失敗　詳細表示"),
                                          lit("アンセットアップ開始(&S)"));
    }

    void complete() {
        const std::string done = lit("アンセットアップを完了しました．");
        message(done);
        context_.prompter.ask(done, lit("完了"), Icon::information);
        finish();
    }

    // The run is over: the background window may close, and so does the main window.
    void finish() {
        model_.backgroundEnabled = true;
        window_.close();
    }

    // Nothing can be done any more: after the message the program ends rather than leave a window
    // whose every button is disabled.
    Outcome stop(const std::string& text) {
        context_.prompter.ask(text, lit("致命的エラー"), Icon::stop);
        finish();
        return Outcome::stopped;
    }

    void fail(const char* label, const std::string& path, std::uint32_t code) {
        failureLog_ += label + path + "\r\n" + SystemErrorText(context_, code) + "\r\n";
        ++failureCount_;
    }

    void message(const std::string& text) { window_.showMessage(text); }

    SetupContext& context_;
    const ProcessValues& values_;
    MainWindow& window_;
    MainWindowModel& model_;
    const std::string log_;
    std::string setupFolder_;
    std::string extraFiles_;
    std::string failureLog_;
    int failureCount_ = 0;
};

} // namespace

UninstallProcedure::Result UninstallProcedure::run(SetupContext& context, MainWindow& window) {
    Platform::FilesHeld held(context.platform);
    return Uninstallation(context, window).run();
}
