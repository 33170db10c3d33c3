// The values of one settings page while its sheet is open: texts, integer boxes as typed, and the
// chosen radio button or list entry, each under the object name of its control.
#pragma once

#include "common/Prompter.h"

#include <string>
#include <vector>

class FormModel {
public:
    // Every text setting holds at most this many bytes of CP932.
    static constexpr std::size_t kMaxText = 255;

    enum class Kind {
        text,          // single-line text
        multiLineText, // lines joined by CR LF
        integer,       // decimal integer box, held as typed
        choice,        // radio group or drop-down list: index of the chosen entry, -1 for none
    };

    struct Field {
        std::string name; // object name of the control (ASCII)
        Kind kind = Kind::text;
        std::string text;                   // CP932; texts and integer boxes
        int index = -1;                     // choices
        int count = 0;                      // choices: number of buttons or entries
        std::vector<std::string> entries{}; // lists: entry texts (CP932); empty for radio groups
    };

    // What the page answers when its values are read back: the first integer box that does not
    // hold an integer, in page order.
    struct Check {
        bool ok = true;
        std::string message; // CP932
        std::string caption; // the program's title, as the framework's messages carry it
        Prompter::Icon icon = Prompter::Icon::none;
        std::string field; // the control that takes the focus
    };

    // programTitle: the caption of the page's messages.
    FormModel(std::string pageName, std::string caption, std::string programTitle)
        : pageName_(std::move(pageName)), caption_(std::move(caption)),
          programTitle_(std::move(programTitle)) {}

    // Class name of the page (its object name) and its tab caption (CP932).
    const std::string& pageName() const { return pageName_; }
    const std::string& caption() const { return caption_; }

    // Fields are kept in page order. Texts longer than kMaxText are cut at a character boundary.
    void addText(const std::string& name, const std::string& value);
    void addMultiLineText(const std::string& name, const std::string& value);
    void addInteger(const std::string& name, int value);
    // A stored value outside 0..count-1 chooses nothing.
    void addRadioGroup(const std::string& name, int count, int stored);
    void addList(const std::string& name, const std::vector<std::string>& entries, int stored);

    const std::vector<Field>& fields() const { return fields_; }
    bool has(const std::string& name) const;

    // Values as the controls hold them. Unknown names are ignored on write; reading one is an
    // error of the caller and throws std::out_of_range.
    const std::string& text(const std::string& name) const;
    int index(const std::string& name) const;
    void setText(const std::string& name, const std::string& value); // cut like addText
    void setIndex(const std::string& name, int index);               // outside the range: none

    Check check() const;

    // The value of an integer box; 0 when it does not hold an integer (check() reports those).
    int integer(const std::string& name) const;

    // Finds the page of that class name among a sheet's pages; throws std::out_of_range if absent.
    static const FormModel& page(const std::vector<FormModel>& pages, const std::string& pageName);

private:
    Field& add(const std::string& name, Kind kind);
    const Field& field(const std::string& name) const;
    Field* find(const std::string& name);

    std::string pageName_;
    std::string caption_;
    std::string programTitle_;
    std::vector<Field> fields_;
};
