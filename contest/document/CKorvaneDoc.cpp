// The contest document: new, open and save of its contest settings.
#include "document/CKorvaneDoc.h"

#include "common/Cp932.h"
#include "document/ContestFile.h"

#include <filesystem>

CKorvaneDoc::CKorvaneDoc() {
    newDocument();
}

void CKorvaneDoc::newDocument() {
    contest = ContestSettings{};
    setPath({});
}

CKorvaneDoc::Result CKorvaneDoc::openDocument(const std::string& hostPath) {
    ContestFile::LoadResult loaded = ContestFile::loadFile(hostPath);
    switch (loaded.status) {
    case ContestFile::Status::ok:
        contest = std::move(loaded.settings);
        setPath(hostPath);
        return {};
    case ContestFile::Status::badFormat:
        // Partly read values are not kept: the document starts over.
        newDocument();
        break;
    case ContestFile::Status::cannotOpen:
        break;
    }
    return Result{false, std::move(loaded.message)};
}

CKorvaneDoc::Result CKorvaneDoc::saveDocument(const std::string& hostPath) {
    ContestFile::SaveResult saved = ContestFile::saveFile(hostPath, contest);
    if (!saved.ok)
        return Result{false, std::move(saved.message)};
    setPath(hostPath);
    return {};
}

void CKorvaneDoc::setPath(const std::string& hostPath) {
    path_ = hostPath;
    if (hostPath.empty()) {
        title_ = cp932::lit("無題");
        return;
    }
    const std::u8string name = std::filesystem::path(hostPath).filename().u8string();
    title_ = cp932::fromUtf8(std::string(name.begin(), name.end()));
}

bool CKorvaneDoc::bindLibrary(const std::string& fileName) {
    auto library = std::make_shared<HamlogLibrary>(fileName);
    if (!library->bound()) {
        return false;
    }
    library_ = std::move(library);
    return true;
}
