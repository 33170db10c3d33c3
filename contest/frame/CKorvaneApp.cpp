// Start-up and exit of the windowed program.
#include "frame/CKorvaneApp.h"

#include "app/MasterSettingsStore.h"
#include "common/Cp932.h"
#include "common/IniFile.h"
#include "common/ProgramPath.h"
#include "common/qt/ErrorDialog.h"
#include "common/qt/QtPrompter.h"
#include "frame/CMainFrame.h"

#include <QString>
#include <filesystem>

CKorvaneApp::CKorvaneApp(Options options) : options_(std::move(options)) {}

CKorvaneApp::~CKorvaneApp() = default;

Prompter& CKorvaneApp::prompter() {
    if (prompter_) {
        return *prompter_;
    }
    if (!ownPrompter_) {
        // Without a parent: the messages of the exit come after the window is gone.
        ownPrompter_ = std::make_unique<QtPrompter>(nullptr);
    }
    return *ownPrompter_;
}

std::string CKorvaneApp::iniPath() const {
    return store_ ? store_->activePath() : std::string();
}

bool CKorvaneApp::initInstance() {
    if (const std::string problem = HamlogLibrary::check(options_.library); !problem.empty()) {
        ErrorDialog dialog(problem, HamlogLibrary::advice());
        dialog.exec();
        return false;
    }

    if (!options_.ini.empty()) {
        store_ = std::make_unique<MasterSettingsStore>(options_.ini, "");
    } else {
        const std::string besideProgram =
            MasterSettingsStore::pathBesideProgram(program_path::executable());
        const std::string fileName = std::filesystem::path(besideProgram).filename().string();
        store_ = std::make_unique<MasterSettingsStore>(
            besideProgram, MasterSettingsStore::userConfigPath(fileName));
    }
    doc_ = std::make_unique<CKorvaneDoc>();
    doc_->master = store_->load();
    if (!options_.log.empty()) {
        savedThDir_ = doc_->master.thDir;
        sessionThDir_ = cp932::fromUtf8(std::filesystem::absolute(options_.log).string());
        doc_->master.thDir = sessionThDir_;
    }
    // A library that lacks an entry point leaves the document unbound; searching then reports
    // that the log cannot be opened.
    doc_->bindLibrary(options_.library);
    recent_.load(IniFile(store_->activePath()));

    frame_ = std::make_unique<CMainFrame>(*doc_, recent_);
    if (prompter_) {
        frame_->setPrompter(prompter_);
    }
    if (!options_.contestFile.empty() &&
        !frame_->openDocumentFile(QString::fromStdString(options_.contestFile))) {
        frame_.reset();
        return false;
    }
    frame_->show();
    return true;
}

bool CKorvaneApp::exitInstance() {
    if (frame_) {
        frame_->close();
    }
    if (!doc_ || !store_) {
        return true;
    }
    MasterSettings settings = doc_->master;
    if (!sessionThDir_.empty() && settings.thDir == sessionThDir_) {
        // The log named on the command line was for this session only.
        settings.thDir = savedThDir_;
    }
    std::string error;
    bool saved = store_->save(settings, &error);
    if (saved) {
        IniFile ini(store_->activePath());
        saved = recent_.save(ini);
        error = ini.lastError();
    }
    if (!saved) {
        prompter().ask(cp932::lit("設定を保存できませんでした。\n") + cp932::fromUtf8(error),
                       "Error", Prompter::Icon::exclamation);
    }
    frame_.reset();
    return saved;
}
