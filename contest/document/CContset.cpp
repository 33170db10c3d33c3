// The ten pages in tab order over the contest settings.
#include "CContset.h"

#include "CBumon.h"
#include "CContname.h"
#include "CIken.h"
#include "CLogop.h"
#include "CLogrmk.h"
#include "CMulti.h"
#include "CRecno.h"
#include "CSeiyaku.h"
#include "CSendno.h"
#include "CTokuten.h"
#include "ContestSheetModel.h"

CContset::CContset(ContestSettings& settings, QWidget* parent)
    : PropertySheet(ContestSheetModel::title(), parent), settings_(settings) {
    setObjectName(QStringLiteral("CContset"));
    addPage(new CContname);
    addPage(new CBumon);
    addPage(new CIken);
    addPage(new CSeiyaku);
    addPage(new CSendno);
    addPage(new CRecno);
    addPage(new CMulti);
    addPage(new CTokuten);
    addPage(new CLogop);
    addPage(new CLogrmk);
    reload();
}

std::vector<FormModel> CContset::readSettings() const {
    return ContestSheetModel::fromSettings(settings_);
}

void CContset::writeSettings(const std::vector<FormModel>& pages) {
    ContestSheetModel::toSettings(pages, settings_);
}
