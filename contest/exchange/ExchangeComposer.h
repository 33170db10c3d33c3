// Composes the log-sheet columns of each retrieved QSO from the contest's rules and files them per
// band.
#pragma once

#include "common/QsoRecord.h"
#include "exchange/BandResults.h"
#include "exchange/ComponentKind.h"
#include "exchange/ExchangeRules.h"
#include "exchange/LogClassifier.h"
#include "exchange/LogRow.h"
#include "exchange/RstSource.h"

#include <cstdint>
#include <string>
#include <string_view>

class ExchangeComposer {
public:
    // Number of selectable QSO data fields (RST, 日付, 時間, 周波数, MODE, 住所ｺｰﾄﾞ, 市No, 郡No,
    // 県No, GL, 名前, QTH, Remarks1, Remarks2).
    static constexpr int kQsoFieldCount = 14;

    // The composer works from a copy of the rules, taken here; it reads the classifier and writes
    // the results, which must both outlive it.
    ExchangeComposer(const ExchangeRules& rules, const LogClassifier& classifier,
                     BandResults& results);
    // The plan points into the composer's own copy of the rules, so a composer stays where it is.
    ExchangeComposer(const ExchangeComposer&) = delete;
    ExchangeComposer& operator=(const ExchangeComposer&) = delete;

    // Composes the row of one accepted QSO, updates its band's multiplier tally and appends the row
    // to its band. The record carries its frequency text (not the band label); serial is the QSO's
    // 1-based position in the whole retrieval. Returns the band index the classifier gave; when
    // that is outside 0..15 there is no list to hold the row: it is filed nowhere (only counted as
    // unfiled) and no tally changes.
    int composeRow(const QsoRecord& record, int serial);
    // The same, for a caller that has already asked the classifier for the band of record.freq.
    int composeRow(const QsoRecord& record, int serial, int band);

    // The text of one rule component. Serial is printed zero-padded to at least `digits` digits
    // when digits > 0. A kind or field out of range yields an empty text.
    std::string composeComponent(const QsoRecord& record, ComponentKind kind,
                                 std::string_view fixedText, int qsoField, int fromColumn,
                                 int toColumn, int serial, RstSource whichRst, int digits) const;

    // A three-component rule, its components concatenated; serials zero-padded when
    // withSerialWidths is true.
    std::string composeRule(const QsoRecord& record, const ExchangeRules::ThreeParts& parts,
                            int serial, RstSource whichRst, bool withSerialWidths) const;

    // The QSO data field's text, uncut; empty for a field outside 0..13.
    std::string fieldText(const QsoRecord& record, int qsoField, RstSource whichRst) const;

    // Choice mappings. The first component (index 0) of a three-component rule offers fixed text
    // (0) or QSO data (1); the other two take the kind number itself. The single-component log
    // rules offer none, fixed, QSO data. Any choice outside its range gives ComponentKind::None.
    static ComponentKind threePartKind(int component, int choice) {
        if (component == 0) {
            return (choice == 0 || choice == 1) ? static_cast<ComponentKind>(2 * choice + 1)
                                                : ComponentKind::None;
        }
        return (choice >= 0 && choice <= 3) ? static_cast<ComponentKind>(choice)
                                            : ComponentKind::None;
    }
    static ComponentKind singleKind(int choice) {
        return choice == 1   ? ComponentKind::Fixed
               : choice == 2 ? ComponentKind::QsoData
                             : ComponentKind::None;
    }

    // Keeps bytes fromColumn..toColumn (1-based, inclusive) of the text. A start below 1 is clamped
    // to the first byte keeping the count; a count past the end stops there; a start past the end
    // gives an empty text. fromColumn 0 or toColumn < fromColumn keeps the whole text. Bytes, not
    // characters: a double-byte character may be split.
    static std::string cutColumns(std::string_view text, int fromColumn, int toColumn);

    // Decimal serial, zero-padded on the left to at least `digits` digits when digits > 0; never
    // cut.
    static std::string formatSerial(int serial, int digits);

    // Whether the summary tally and the log sheet's multiplier column both take the same QSO data
    // field, so that the column marks each value's first occurrence on a band.
    static bool multipliersFromSameField(const ExchangeRules& rules);

    // Whether a three-component rule writes anything at all: a serial, QSO data or a fixed text
    // that is not blank.
    static bool writesText(const ExchangeRules::ThreeParts& parts);

private:
    // Composition writes at a pointer into room its caller has made: at least the bound of what is
    // written, which never depends on the record beyond its fields' widths. The string forms make
    // that room in the string; a row is composed straight into its band's packed list.
    static std::size_t componentBound(ComponentKind kind, std::size_t fixedBytes, int digits);
    static char* writeSerial(char* out, int serial, int digits);
    char* writeComponent(char* out, const QsoRecord& record, ComponentKind kind,
                         std::string_view fixedText, int qsoField, int fromColumn, int toColumn,
                         int serial, RstSource whichRst, int digits) const;
    void appendComponent(std::string& out, const QsoRecord& record, ComponentKind kind,
                         std::string_view fixedText, int qsoField, int fromColumn, int toColumn,
                         int serial, RstSource whichRst, int digits) const;
    std::string_view fieldView(const QsoRecord& record, int qsoField, RstSource whichRst) const;

    // A rule's parts as the steps that write something, their arguments worked out once.
    struct Step {
        ComponentKind kind = ComponentKind::None;
        std::string_view fixedText;
        int qsoField = 0;
        int fromColumn = 0;
        int toColumn = 0;
        int digits = 0;
        RstSource whichRst = RstSource::Sent;
    };
    struct Steps {
        Step steps[3];
        int count = 0;
        std::size_t bound = 0;      // the most bytes they write
        bool firstIsReport = false; // steps[0] is the rule's first component
    };
    static Steps stepsOf(const ExchangeRules::ThreeParts& parts, RstSource whichRst,
                         bool withSerialWidths);
    char* writeStep(char* out, const QsoRecord& record, const Step& step, int serial) const {
        return writeComponent(out, record, step.kind, step.fixedText, step.qsoField,
                              step.fromColumn, step.toColumn, serial, step.whichRst, step.digits);
    }
    char* writeSteps(char* out, const QsoRecord& record, const Steps& steps, int serial) const;
    // The same for the sent or received column, with the bytes of its first component.
    char* writeExchange(char* out, const QsoRecord& record, const Steps& steps, int serial,
                        std::uint8_t& reportBytes) const;
    // The multiplier column of one QSO at out, with the band's tally updated; returns the end.
    char* writeMultiplier(char* out, const QsoRecord& record, int band);

    const ExchangeRules rules_;
    const LogClassifier& classifier_;
    BandResults& results_;
    std::string pointsText_; // the fixed points value as text
    Steps sent_, received_, operator_, remarks_;
    Step multiplier_, points_;
    bool sameFieldMultipliers_;
    std::size_t rowRoom_ = 0; // bytes enough for any packed row
    std::string scratch_;
};
