// The install procedure, phase by phase, on the main window's model.
#include "install/InstallProcedure.h"

#include "common/Cp932.h"
#include "install/CopyFileEntry.h"
#include "install/PathTokens.h"
#include "install/RegistryEntry.h"
#include "install/RelateEntry.h"
#include "install/ShortcutEntry.h"
#include "services/ComponentRegistration.h"
#include "services/CompressedFiles.h"
#include "services/FileRoutines.h"
#include "services/MbcsText.h"
#include "services/PathText.h"
#include "services/SharedDllCounts.h"
#include "services/Shortcuts.h"
#include "services/SystemInfo.h"
#include "uninstall/UninstallLists.h"
#include "uninstall/UninstallLogWriter.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

using cp932::lit;
using Answer = Prompter::Answer;
using Buttons = Prompter::Buttons;
using Icon = Prompter::Icon;
using Outcome = InstallProcedure::Outcome;

constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kAlreadyExists = 183;
// FILETIME steps of the system's file dates, which count in two seconds.
constexpr std::uint64_t kFileDateStep = 20'000'000;

class Installation {
public:
    Installation(SetupContext& context, MainWindow& window, const SetupScript& script,
                 const InstallProcedure::Options& options)
        : context_(context), platform_(context.platform), window_(window), model_(window.model),
          script_(script), options_(options) {}

    InstallProcedure::Result run() {
        const Outcome outcome = phases();
        return {outcome, failures_.count, failures_.log};
    }

private:
    Outcome phases() {
        start();
        message(lit("セットアップの情報を作成しています．．．"));
        pause();
        if (!measure() || !checkSpace()) {
            return ended_;
        }
        if (!prepareSetupFolder()) {
            return ended_;
        }
        lists_.carryOver(context_, setupFolder_);
        if (!makeFolders() || !copyFiles()) {
            return ended_;
        }
        model_["fraStatus"].visible = false;
        lists_.files.push_back(setupFolder_ + "UNSETUP.INI");
        if (!makeShortcuts() || !setRegistryValues() || !associate()) {
            return ended_;
        }
        writeUninstallInformation();
        reportFailures();
        complete();
        return Outcome::completed;
    }

    // Phase 1: every choice is read once and the action button becomes the abort button.
    void start() {
        for (const char* name :
             {"txtFolder", "btnEvent", "btnRefer", "btnEnd", "chkOverWrite", "chkSCutDesktop",
              "chkSCutStartMenu", "chkSCutStartUp", "chkSCutSendTo"}) {
            model_[name].enabled = false;
        }
        message(lit("セットアップを開始します．．．"));
        if (options_.pause) {
            window_.sleep(1000);
        }
        model_["btnEvent"].text = lit("中断(&A)");
        model_["btnEvent"].enabled = true;
        overwrite_ = model_["chkOverWrite"].checked;
        desktop_ = model_["chkSCutDesktop"].checked;
        startMenu_ = model_["chkSCutStartMenu"].checked;
        startUp_ = model_["chkSCutStartUp"].checked;
        sendTo_ = model_["chkSCutSendTo"].checked;
    }

    // Phase 3: the size of the file set, from the raw entries.
    bool measure() {
        message(lit("セットアップに必要な容量を調べています．．．"));
        if (aborted()) {
            return false;
        }
        pause();
        for (const std::string& raw : script_.copyFiles) {
            ++fileCount_;
            const std::string source = CopyFileEntry::rawSource(raw, context_.values.sourceFolder);
            if (!FileExists(context_, source)) {
                sizeKnown_ = false;
                continue;
            }
            if (auto size = sourceSize(source)) {
                totalSize_ += *size;
            } else {
                sizeKnown_ = false;
            }
        }
        return true;
    }

    // A source's size as the progress counts it (0 bytes count as 1); none when it cannot be read.
    std::optional<std::int64_t> sourceSize(const std::string& source) {
        const auto found = platform_.findFiles(source);
        if (found.empty()) {
            return std::nullopt;
        }
        return found.front().size == 0 ? 1 : static_cast<std::int64_t>(found.front().size);
    }

    // Phase 4: free space must exceed the total; otherwise the user decides.
    bool checkSpace() {
        if (!sizeKnown_) {
            return true;
        }
        message(lit("ディスクの空き容量をチェックしています．．．"));
        const std::int64_t free =
            GetFreeDiskSpace(context_, LeftStr(model_["txtFolder"].text, 2) + "\\");
        if (free <= totalSize_) {
            std::string question;
            if (free != -1) {
                question =
                    lit("ディスクの空き容量が不足しているため，エラーになる可能性があります．") +
                    "\r" + lit("このままセットアップを続行しますか？");
            } else {
                question = lit("ディスクの空き容量取得関数が失敗しました．") + "\r" +
                           lit("セットアップに必要なディスク容量は ") + std::to_string(totalSize_) +
                           lit(" Byteです．") + "\r" +
                           lit("空き容量があるようであれば，セットアップを続行してください．") +
                           "\r\r" + lit("セットアップを続行しますか？");
            }
            if (ask(question, lit("空き容量不足"), Icon::question, Buttons::yesNo) == Answer::no) {
                return stop(lit("セットアップ中止"));
            }
        }
        pause();
        return true;
    }

    // Phase 5: the setup folder exists, or the user has it made.
    bool prepareSetupFolder() {
        message(lit("セットアップフォルダをチェックしています．．．"));
        if (aborted()) {
            return false;
        }
        setupFolder_ = AddBackslash(model_["txtFolder"].text, "B");
        tokens_.emplace(context_.values, setupFolder_);
        if (FolderExists(context_, setupFolder_)) {
            return true;
        }
        const std::string question =
            setupFolder_ + "\r\r" + lit("このフォルダは存在しません．作成してもよろしいですか？");
        if (ask(question, lit("フォルダ作成"), Icon::question, Buttons::yesNo) == Answer::yes) {
            if (MakeFolders(context_, setupFolder_)) {
                return true;
            }
            ask(lit("セットアップフォルダの作成に失敗しました．") + "\r\r" +
                    lit("プログラム作者へご報告ください．"),
                lit("致命的エラー"), Icon::stop);
        }
        return stop(lit("セットアップ中止"));
    }

    // Phase 7: one level per entry; a folder that is already there counts as made.
    bool makeFolders() {
        for (const std::string& raw : script_.makeFolders) {
            const std::string folder = tokens_->replace(AddBackslash(raw, "B"));
            message(lit("フォルダを作成しています．．．") + "\rCreating -> " + folder);
            if (aborted()) {
                return false;
            }
            if (platform_.createDirectory(folder) || platform_.lastError() == kAlreadyExists) {
                lists_.folders.push_back(folder);
            } else {
                fail("<Folder> ", folder, platform_.lastError());
            }
            pause();
        }
        return true;
    }

    // Phase 8: every file with its progress.
    bool copyFiles() {
        model_["fraStatus"].visible = true;
        model_["prgStatus"].position = 0;
        int n = 0;
        for (const std::string& raw : script_.copyFiles) {
            ++n;
            CopyFileEntry entry =
                CopyFileEntry::parse(tokens_->replace(raw), context_.values.sourceFolder);
            if (entry.diskChange && !changeDisk(entry.source)) {
                return false;
            }
            if (FileExists(context_, entry.source)) {
                if (!copyFile(entry)) {
                    return false;
                }
            } else {
                message(lit("ファイルが存在しないためコピーをスキップしています．．．") +
                        "\rSkipping -> " + entry.destination);
                if (aborted()) {
                    return false;
                }
                fail("<File> ", entry.destination, kFileNotFound);
                ++processed_;
            }
            showProgress(n);
            window_.processMessages();
            if (aborted()) {
                return false;
            }
            pause();
        }
        return true;
    }

    bool changeDisk(const std::string& source) {
        ++disk_;
        while (!FileExists(context_, source)) {
            if (ask(std::to_string(disk_) + lit("枚目のディスクに交換してください．"),
                    lit("ディスク交換"), Icon::information, Buttons::okCancel) == Answer::cancel) {
                return stop(lit("致命的エラー"));
            }
        }
        return true;
    }

    bool copyFile(const CopyFileEntry& entry) {
        std::string file = entry.source;
        std::string destination = entry.destination;
        std::string expanded;
        if (entry.compressed) {
            // The routine answers "<temporary file>,<final destination>".
            const std::string both = ExpandCompressedFile(context_, entry.source, destination);
            const int comma = MbcsPos(",", both);
            expanded = both.substr(0, static_cast<std::size_t>(comma - 1));
            destination = both.substr(static_cast<std::size_t>(comma));
            file = expanded;
        }
        message(lit("ファイルをコピーしています．．．") + "\rCopying -> " + destination);
        if (aborted()) {
            return false;
        }
        const bool skip = FileExists(context_, destination) && !replaces(file, destination);
        if (entry.shared()) {
            ChangeSharedDllCount(context_, destination, true);
        }
        const std::uint32_t result = skip ? 0 : CopyFileOverwrite(context_, file, destination);
        ++processed_;
        if (entry.registers() && FileExists(context_, destination)) {
            RegisterComponent(context_, destination, true);
        }
        if (result != 0) {
            fail("<File> ", destination, result);
        } else {
            lists_.files.push_back(destination + entry.options);
        }
        if (entry.compressed) {
            DeleteFileSilent(context_, expanded);
        }
        if (sizeKnown_) {
            if (auto size = sourceSize(entry.source)) {
                copiedSize_ += *size;
            } else {
                sizeKnown_ = false;
                ask(lit("ファイルサイズの取得に失敗したため，進行状況の表示方法を変更します．"),
                    lit("内部エラー"), Icon::exclamation);
            }
        }
        return true;
    }

    // Whether an existing destination is replaced: asked, or by date when overwriting is chosen.
    bool replaces(const std::string& file, const std::string& destination) {
        if (!overwrite_) {
            const std::string question = destination + "\r\r" +
                                         lit("このファイルは既に存在します．") + "\r" +
                                         lit("上書きしてもよろしいですか？");
            return ask(question, lit("上書き確認"), Icon::question, Buttons::yesNo) == Answer::yes;
        }
        return fileDate(destination) < fileDate(file);
    }

    std::uint64_t fileDate(const std::string& path) {
        const auto found = platform_.findFiles(path);
        return found.empty() ? 0 : found.front().lastWriteTime / kFileDateStep;
    }

    void showProgress(int n) {
        const int percent =
            sizeKnown_ ? static_cast<int>(static_cast<double>(copiedSize_) / totalSize_ * 100)
                       : n * 100 / fileCount_;
        model_["prgStatus"].position = percent;
        model_["lblStatus"].text = std::to_string(percent) + "%(" + std::to_string(processed_) +
                                   "/" + std::to_string(fileCount_) + ")";
    }

    // Phase 10: the shortcuts whose check box is ticked.
    bool makeShortcuts() {
        for (const SetupScript::Shortcut& s : script_.shortcuts) {
            const ShortcutEntry link = ShortcutEntry::parse(
                s.make, s.name, [this](std::string_view text) { return tokens_->replace(text); });
            if (!chosen(link.choice)) {
                continue;
            }
            message(lit("ショートカットを作成しています．．．") + "\rCreateTarget -> " +
                    link.target + "\rCreating -> " + RemoveBackslash(link.linkName, "T"));
            if (aborted()) {
                return false;
            }
            const std::string made =
                CreateShortcut(context_, link.target, link.linkName, link.specialFolderId,
                               link.workingDirectory, link.arguments);
            pause();
            if (!made.empty()) {
                lists_.shortcuts.push_back(made);
            }
        }
        return true;
    }

    bool chosen(ShortcutEntry::Choice choice) const {
        switch (choice) {
        case ShortcutEntry::Choice::desktop:
            return desktop_;
        case ShortcutEntry::Choice::startMenu:
            return startMenu_;
        case ShortcutEntry::Choice::startUp:
            return startUp_;
        case ShortcutEntry::Choice::sendTo:
            return sendTo_;
        case ShortcutEntry::Choice::always:
            break;
        }
        return true;
    }

    // Phase 11: the script's values; a key or value the registry refuses is a failure of the run
    // like a file that cannot be copied, and the run goes on.
    bool setRegistryValues() {
        for (const SetupScript::Registry& r : script_.registry) {
            message(lit("レジストリを設定しています．．．"));
            if (aborted()) {
                return false;
            }
            const RegistryEntry entry = RegistryEntry::parse(r.key, r.name, r.value, *tokens_);
            std::uint32_t error = platform_.regCreateKey(entry.root, entry.keyPath);
            if (error == 0 && entry.write) {
                error = platform_.regSetValue(entry.root, entry.keyPath, entry.name, entry.value);
            }
            if (error != 0) {
                fail("<Registry> ",
                     std::string(registryRootName(entry.root)) + "\\" + entry.keyPath, error);
            }
        }
        lists_.registryKeys.insert(lists_.registryKeys.end(), script_.deleteRegistry.begin(),
                                   script_.deleteRegistry.end());
        return true;
    }

    // Phase 12: each association the user accepts, its earlier file type kept for the uninstaller.
    bool associate() {
        for (const SetupScript::Relate& r : script_.relates) {
            message(lit("関連付けを設定しています．．．"));
            if (aborted()) {
                return false;
            }
            const RelateEntry e = RelateEntry::parse(r.name, tokens_->replace(r.file));
            const std::string question = lit("拡張子 *.") + e.extension + lit(" を") + "\r" +
                                         e.program + "\r" +
                                         lit("に関連付けします．よろしいですか？");
            if (ask(question, lit("関連付けの確認"), Icon::question, Buttons::yesNo) !=
                Answer::yes) {
                continue;
            }
            const std::string extensionKey = "." + e.extension;
            RegistryValue previous;
            const bool hadType =
                platform_.regQueryValue(RegistryRoot::ClassesRoot, extensionKey, "", previous) == 0;
            if (!lists_.hasAssociation(e.extension) &&
                !lists_.recordAssociation(e.extension, hadType ? previous.text() : "")) {
                ask(lit("関連付け *.") + e.extension +
                        lit(" はアンセットアップ情報に記録できません（記録できるのは20件までです）"
                            "．"),
                    lit("警告"), Icon::exclamation);
            }
            const std::string type = e.extension + "_auto_file";
            const std::pair<std::string, std::string> keys[] = {
                {extensionKey, type},
                {type, e.description},
                {type + "\\DefaultIcon", e.defaultIcon},
                {type + "\\shell\\" + e.verb + "\\command", e.command},
            };
            for (const auto& [key, value] : keys) {
                std::uint32_t error = platform_.regCreateKey(RegistryRoot::ClassesRoot, key);
                if (error == 0) {
                    error = platform_.regSetValue(RegistryRoot::ClassesRoot, key, "",
                                                  RegistryValue::string(value));
                }
                if (error != 0) {
                    fail("<Registry> ", "HKEY_CLASSES_ROOT\\" + key, error);
                }
            }
        }
        return true;
    }

    // Phase 13: no abort from here on.
    void writeUninstallInformation() {
        message(lit("アンセットアップ情報を更新しています．しばらくお待ちください．．．"));
        model_["btnEvent"].enabled = false;
        model_["btnEvent"].text = lit("セットアップ開始(&S)");
        const UninstallLogWriter::Names names{script_.uninstallTitle, script_.uninstallKey,
                                              script_.uninstallDisplay, script_.programId,
                                              script_.uninstallOption};
        if (!UninstallLogWriter::write(context_, window_, lists_, names, setupFolder_, failures_)) {
            fail("<Registry> ",
                 "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" +
                     script_.uninstallKey,
                 platform_.lastError());
        }
    }

    // Phase 14: the failure log on request, shown until "続行(&C)" is pressed.
    void reportFailures() {
        if (failures_.count == 0) {
            return;
        }
        message(lit("セットアップで一部の処理が失敗しました．"));
        const std::string question =
            lit("フォルダの作成・ファイルのコピーで，一部の処理が失敗しました．") + "\r" +
            lit("詳細を表示しますか？");
        if (ask(question, lit("警告"), Icon::exclamation, Buttons::yesNo) != Answer::yes) {
            return;
        }
        window_.showDetailsUntilContinued(failures_.log, lit("作成・コピー処理失敗　詳細表示"),
                                          lit("セットアップ開始(&S)"));
    }

    // Phase 15: the completion box, a program started, or a restart requested.
    void complete() {
        const std::string& execute = script_.executeFile;
        if (execute == "WINDOWS_REBOOT") {
            context_.values.rebootRequested = true;
        } else {
            const std::string done = lit("セットアップが完了しました．");
            message(done);
            ask(done + "\r\r" + lit("プログラムのアンセットアップ(アンインストール)は，") + "\r" +
                    lit("「アプリケーションの追加と削除」から行ってください．"),
                lit("完了"), Icon::information);
            if (!execute.empty()) {
                startProgram(tokens_->replace(execute));
            }
        }
        finish();
    }

    void startProgram(const std::string& command) {
        const int comma = MbcsPos(",", command);
        const std::string file = comma > 0 ? LeftStr(command, comma - 1) : command;
        const std::string parameters = comma > 0 ? MidStr(command, comma + 1) : "";
        if (!options_.startPrograms) {
            message(lit("セットアップ後のプログラムは起動しません：") + file +
                    (parameters.empty() ? "" : " " + parameters));
            return;
        }
        if (platform_.shellExecute(file, parameters) <= 32) {
            ask(lit("終了後プログラムの起動に失敗しました．") + "\r" +
                    lit("iniファイルの記述ミスの可能性があります．") + "\r" +
                    lit("プログラム提供者へご報告ください．"),
                lit("警告"), Icon::exclamation);
        }
    }

    // The run is over: the background window may close, and so does the main window.
    void finish() {
        model_.backgroundEnabled = true;
        window_.close();
    }

    bool stop(const std::string& caption) {
        ask(lit("セットアップを続行できませんでした．"), caption, Icon::stop);
        finish();
        ended_ = Outcome::stopped;
        return false;
    }

    bool aborted() {
        if (context_.values.abortRequested) {
            ended_ = Outcome::aborted;
            return true;
        }
        return false;
    }

    void fail(const char* label, const std::string& path, std::uint32_t code) {
        failures_.log += label + path + "\r\n" + SystemErrorText(context_, code) + "\r\n";
        ++failures_.count;
    }

    void message(const std::string& text) { window_.showMessage(text); }

    void pause() {
        if (options_.pause) {
            window_.sleep(context_.values.setupSpeed);
        }
    }

    Answer ask(const std::string& text, const std::string& caption, Icon icon,
               Buttons buttons = Buttons::ok) {
        return context_.prompter.ask(text, caption, icon, buttons);
    }

    SetupContext& context_;
    Platform& platform_;
    MainWindow& window_;
    MainWindowModel& model_;
    const SetupScript& script_;
    const InstallProcedure::Options& options_;
    std::optional<PathTokens> tokens_; // once the setup folder is known
    std::string setupFolder_;
    UninstallLists lists_;
    UninstallLogWriter::Failures failures_;
    Outcome ended_ = Outcome::stopped;
    bool overwrite_ = true;
    bool desktop_ = true, startMenu_ = true, startUp_ = true, sendTo_ = true;
    int fileCount_ = 0;
    int processed_ = 0;
    int disk_ = 1;
    bool sizeKnown_ = true;
    std::int64_t totalSize_ = 0;
    std::int64_t copiedSize_ = 0;
};

} // namespace

InstallProcedure::Result InstallProcedure::run(SetupContext& context, MainWindow& window,
                                               const SetupScript& script, const Options& options) {
    Platform::FilesHeld held(context.platform);
    return Installation(context, window, script, options).run();
}
