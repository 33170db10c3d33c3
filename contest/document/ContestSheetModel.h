// The ten pages of the contest settings sheet as presentation models: the four entry-text pages
// and the six composition pages, copied in at opening and back on OK.
#pragma once

#include "common/FormModel.h"
#include "document/ContestSettings.h"

#include <string>
#include <vector>

class ContestSheetModel {
public:
    // Sheet title (CP932).
    static const std::string& title();

    // Pages in tab order: CContname (contestName), CBumon (categoryCode, categoryName), CIken
    // (opinionText, multi-line), CSeiyaku (oathText, multi-line), then the composition pages.
    static std::vector<FormModel> fromSettings(const ContestSettings& settings);

    // Entry texts and rules back into the settings; the search conditions and senderText stay.
    // Call it only with pages whose check() passed.
    static void toSettings(const std::vector<FormModel>& pages, ContestSettings& settings);
};
