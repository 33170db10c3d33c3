// ADIF logs: an optional header up to <EOH>, then <NAME:LENGTH[:TYPE]>data fields ended by <EOR>.
#pragma once

#include "hamlog32/LogReader.h"

#include <array>
#include <cstddef>
#include <string>

class AdifLogReader : public LogReader {
public:
    // One tag and its data as they stand in the text.
    struct Tag {
        std::string_view name;
        std::string_view data; // LENGTH bytes (fewer when the text ends first)
    };

    // The next well-formed tag at or after pos; pos moves past its data. Malformed tags are passed
    // over. False (and pos at the end) when none is left.
    static bool nextTag(std::string_view text, std::size_t& pos, Tag& tag);

    // A record runs up to and including the next <EOR> (or a header up to <EOH>), or to the end of
    // the log.
    bool next(std::string_view text, bool atEnd, QsoRecord& record, Frame& frame) override;

    // The fields this reader takes from a record.
    enum Field {
        kCall,
        kQsoDate,
        kTimeOn,
        kFreq,
        kBand,
        kMode,
        kSubmode,
        kRstSent,
        kRstRcvd,
        kSrxString,
        kGridsquare,
        kQslRcvd,
        kName,
        kQth,
        kComment,
        kNotes,
        kNameIntl,
        kQthIntl,
        kCommentIntl,
        kNotesIntl,
        kFieldCount
    };

private:
    enum class End { kText, kRecord, kHeader };

    // Collects the fields from pos up to and including the next <EOR> or <EOH>, or to the end.
    End collect(std::string_view text, std::size_t& pos, bool& anyTag);
    bool readable() const;
    // Fills the record; how many of its fields were cut or changed.
    int read(QsoRecord& record);
    // A field's text in CP932: UTF-8 is converted, other bytes are kept as they are. Sets replaced_
    // when a character had no CP932 form.
    std::string_view converted(std::string_view data);
    // MODE, or SUBMODE where MODE is a family that korvane does not filter on.
    std::string_view mode() const;
    // The record's frequency from FREQ or BAND; true when FREQ was not taken as it stands.
    bool storeFrequency(QsoRecord& record);

    std::array<std::string_view, kFieldCount> fields_{};
    // Kept between records, so converting or compacting a field allocates only when it outgrows
    // them.
    std::string conversion_;
    std::string code_;
    bool replaced_ = false;
};
