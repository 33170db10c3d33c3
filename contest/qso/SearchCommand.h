// The search command's procedure around its dialog: the checks on accept with their messages, and
// the retrieval with its failure message.
#pragma once

#include "common/Prompter.h"
#include "document/CKorvaneDoc.h"
#include "qso/QsoSource.h"
#include "qso/SearchCheck.h"

class SearchCommand {
public:
    // Checks the dialog's values; a failure is shown through the prompter and returned so that the
    // dialog can stay open and put the focus where the result says.
    static SearchCheck::Result confirm(const SearchCheck::Form& form, Prompter& prompter);

    // Stores accepted values into the document and reads the log database named by THDIR. A missing
    // database (null: the library could not be bound) or one that cannot be opened is reported as
    // "HAMLOGのデータを開けません"; then the QSO list stays as it was and false is returned.
    static bool run(const SearchCheck::Form& form, CKorvaneDoc& doc, QsoSource* database,
                    Prompter& prompter);
};
