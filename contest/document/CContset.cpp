// The ten pages in tab order over the contest settings.
#include "document/CContset.h"

#include "document/CBumon.h"
#include "document/CContname.h"
#include "document/CIken.h"
#include "document/CSeiyaku.h"
#include "document/ContestSheetModel.h"
#include "exchange/CLogop.h"
#include "exchange/CLogrmk.h"
#include "exchange/CMulti.h"
#include "exchange/CRecno.h"
#include "exchange/CSendno.h"
#include "exchange/CTokuten.h"

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
