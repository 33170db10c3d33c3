// The master pages in tab order over the master settings.
#include "CSetting.h"

#include "CClubset.h"
#include "CHamlogDir.h"
#include "CHamset.h"
#include "CManset.h"
#include "CMoveinfo.h"
#include "CSetuset.h"
#include "MasterSheetModel.h"

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
