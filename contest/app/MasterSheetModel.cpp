// Page tables of the master settings sheet and the chooser of the log database file.
#include "app/MasterSheetModel.h"

#include "app/ProgramTitle.h"
#include "common/Cp932.h"
#include "common/EditorText.h"

#include <filesystem>
#include <stdexcept>

namespace {

struct PageTable {
    const char* pageName;
    const char* caption; // UTF-8
    std::vector<const char*> keys;
};

constexpr const char* kPowerType = "PWRTYPE";
constexpr int kPowerTypeCount = 2; // 定格電力, 実測電力

const std::vector<PageTable>& pageTables() {
    static const std::vector<PageTable> tables{
        {"CHamlogDir", "ＨＡＭＬＯＧ", {"THDIR"}},
        {"CManset", "個人情報", {"NAME", "TELNO", "POSTID", "ADDR1", "ADDR2", "EMAIL"}},
        {"CHamset", "無線情報", {"CALLSIGN", "SIKAKU", "POWER", kPowerType, "CALLSIGN2"}},
        {"CSetuset", "使用した設備", {"SETUBI1", "SETUBI2", "SETUBI3", "SETUBI4"}},
        {"CMoveinfo", "移動先", {"MOVENAME", "MOVEP"}},
        {"CClubset", "登録クラブ", {"CLUBNO", "CLUBNAME"}},
    };
    return tables;
}

const MasterSettings::Key& keyNamed(const std::string& name) {
    for (const MasterSettings::Key& key : MasterSettings::keys()) {
        if (name == key.name) {
            return key;
        }
    }
    throw std::out_of_range("no master setting " + name);
}

} // namespace

const std::string& MasterSheetModel::title() {
    return cp932::lit("マスター設定");
}

std::vector<FormModel> MasterSheetModel::fromSettings(const MasterSettings& settings) {
    std::vector<FormModel> pages;
    for (const PageTable& table : pageTables()) {
        FormModel& page =
            pages.emplace_back(table.pageName, cp932::lit(table.caption), kProgramTitle);
        for (const std::string key : table.keys) {
            if (key == kPowerType) {
                page.addRadioGroup(key, kPowerTypeCount, settings.pwrType);
            } else {
                page.addText(key, *settings.textOf(keyNamed(key)));
            }
        }
    }
    return pages;
}

void MasterSheetModel::toSettings(const std::vector<FormModel>& pages, MasterSettings& settings) {
    for (const PageTable& table : pageTables()) {
        const FormModel& page = FormModel::page(pages, table.pageName);
        for (const std::string key : table.keys) {
            if (key == kPowerType) {
                settings.pwrType = page.index(key);
            } else {
                *settings.textOf(keyNamed(key)) = page.text(key);
            }
        }
    }
}

DataFileChooser::Request MasterSheetModel::hamlogDataRequest(const std::string& currentPath) {
    DataFileChooser::Request request;
    request.caption = cp932::lit("ハムログデータ");
    request.filters = {
        {cp932::lit("データﾌｧｲﾙ(*.mst)"), "*.mst"},
        {"HAMLOG CSV(*.csv)", "*.csv"},
        {"ADIF(*.adi *.adif)", "*.adi *.adif"},
    };
    request.defaultExtension = "mst";
    request.initialName = "*.mst";
    if (!currentPath.empty()) {
        request.initialFolder =
            std::filesystem::path(cp932::toUtf8(currentPath)).parent_path().string();
    }
    return request;
}

std::string MasterSheetModel::chosenPath(const std::string& hostPath) {
    return EditorText::limit(cp932::fromUtf8(hostPath));
}
