// Checks, storing the conditions and running the retrieval for the search command.
#include "qso/SearchCommand.h"

#include "common/Cp932.h"
#include "qso/QsoRetrieval.h"

SearchCheck::Result SearchCommand::confirm(const SearchCheck::Form& form, Prompter& prompter) {
    SearchCheck::Result result = SearchCheck::check(form);
    if (!result.ok) {
        prompter.ask(result.message, result.caption, result.icon);
    }
    return result;
}

bool SearchCommand::run(const SearchCheck::Form& form, CKorvaneDoc& doc, QsoSource* database,
                        Prompter& prompter) {
    // The conditions are kept even when the database then fails to open.
    SearchCheck::toSettings(form, doc.contest);
    const bool ok =
        database && QsoRetrieval::retrieve(doc, *database, QsoRetrieval::bandMask(doc.contest),
                                           QsoRetrieval::modeMask(doc.contest)) == 0;
    if (!ok) {
        prompter.ask(cp932::lit("HAMLOGのデータを開けません"), "Error",
                     Prompter::Icon::exclamation);
    }
    return ok;
}
