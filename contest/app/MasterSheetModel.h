// The six pages of the master settings sheet as presentation models: which setting each control
// edits, the copy in at opening and back on OK, and the log database file chooser.
#pragma once

#include "app/DataFileChooser.h"
#include "app/MasterSettings.h"
#include "common/FormModel.h"

#include <string>
#include <vector>

class MasterSheetModel {
public:
    // Sheet title (CP932).
    static const std::string& title();

    // The pages in tab order: CHamlogDir, CManset, CHamset, CSetuset, CMoveinfo, CClubset. Fields
    // are named after their ini keys; PWRTYPE is a radio group of two.
    static std::vector<FormModel> fromSettings(const MasterSettings& settings);

    // Every page value back into the settings; the print offsets are not on these pages.
    static void toSettings(const std::vector<FormModel>& pages, MasterSettings& settings);

    // The file chooser of "参照...": log database files, then the log files the library reads.
    // It opens in the folder of the current path when there is one.
    static DataFileChooser::Request hamlogDataRequest(const std::string& currentPath);

    // THDIR for a chosen host path (UTF-8).
    static std::string chosenPath(const std::string& hostPath);
};
