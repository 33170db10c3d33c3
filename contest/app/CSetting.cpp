// The master pages in tab order over the master settings.
#include "app/CSetting.h"

#include "app/CClubset.h"
#include "app/CHamlogDir.h"
#include "app/CHamset.h"
#include "app/CManset.h"
#include "app/CMoveinfo.h"
#include "app/CSetuset.h"
#include "app/MasterSheetModel.h"

CSetting::CSetting(MasterSettings& settings, QWidget* parent)
    : PropertySheet(MasterSheetModel::title(), parent), settings_(settings) {
    setObjectName(QStringLiteral("CSetting"));
    addPage(new CHamlogDir);
    addPage(new CManset);
    addPage(new CHamset);
    addPage(new CSetuset);
    addPage(new CMoveinfo);
    addPage(new CClubset);
    reload();
}

void CSetting::setFileChooser(DataFileChooser* chooser) {
    findChild<CHamlogDir*>(QStringLiteral("CHamlogDir"))->setFileChooser(chooser);
}

std::vector<FormModel> CSetting::readSettings() const {
    return MasterSheetModel::fromSettings(settings_);
}

void CSetting::writeSettings(const std::vector<FormModel>& pages) {
    MasterSheetModel::toSettings(pages, settings_);
}
