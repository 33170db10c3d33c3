// The six composition pages of the contest settings sheet as presentation models: which rule field
// each control edits, the copy in at opening and back on OK.
#pragma once

#include "common/FormModel.h"
#include "exchange/ExchangeRules.h"

#include <string>
#include <vector>

class CompositionPageModel {
public:
    // Entries of every QSO data list, in the order of the stored index (CP932).
    static const std::vector<std::string>& qsoFieldEntries();

    // Pages in tab order: CSendno, CRecno, CMulti, CTokuten, CLogop, CLogrmk.
    //
    // Three-component pages name the controls of component i (1..3) choice<i>, fixedText<i>,
    // digits<i> (components 2 and 3 of CSendno and CRecno only), qsoField<i>, fromColumn<i> and
    // toColumn<i>. CMulti uses the prefixes summary and log (summaryChoice, summaryFixedText,
    // summaryQsoField, summaryFromColumn, summaryToColumn, logChoice, ...). CTokuten has
    // coefChoice, coefValue, pointsChoice, pointsFixedValue, pointsQsoField, pointsFromColumn and
    // pointsToColumn.
    static std::vector<FormModel> fromRules(const ExchangeRules& rules);

    // Every field of every page back into the rules, also those of alternatives the radio buttons
    // do not choose. Call it only with pages whose check() passed.
    static void toRules(const std::vector<FormModel>& pages, ExchangeRules& rules);
};
