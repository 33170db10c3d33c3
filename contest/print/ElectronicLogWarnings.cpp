// Gathering the electronic logs' warnings and writing record numbers compactly.
#include "print/ElectronicLogWarnings.h"

#include "common/Cp932.h"

#include <algorithm>

namespace {

// Record numbers in ascending order, a run of consecutive ones written "first-last".
std::string numbers(std::vector<int> records) {
    std::sort(records.begin(), records.end());
    std::string text;
    for (std::size_t i = 0; i < records.size();) {
        std::size_t last = i;
        while (last + 1 < records.size() && records[last] > 0 &&
               records[last + 1] == records[last] + 1) {
            ++last;
        }
        text.append(text.empty() ? "" : ", ");
        text.append(records[i] > 0 ? std::to_string(records[i]) : cp932::lit("番号なし"));
        if (last > i) {
            text.append(last == i + 1 ? ", " : "-").append(std::to_string(records[last]));
        }
        i = last + 1;
    }
    return text;
}

} // namespace

void ElectronicLogWarnings::note(std::string_view what, int recordNumber) {
    auto group = std::find_if(entries_.begin(), entries_.end(),
                              [what](const Entry& e) { return e.grouped && e.text == what; });
    if (group == entries_.end()) {
        group = entries_.insert(entries_.end(), Entry{std::string(what), {}, true});
    }
    group->records.push_back(recordNumber);
}

void ElectronicLogWarnings::add(std::string message) {
    entries_.push_back({std::move(message), {}, false});
}

std::vector<std::string> ElectronicLogWarnings::messages() const {
    std::vector<std::string> messages;
    for (const Entry& e : entries_) {
        if (!e.grouped) {
            messages.push_back(e.text);
            continue;
        }
        messages.push_back(e.text + ": " + std::to_string(e.records.size()) +
                           cp932::lit("件 (レコード番号 ") + numbers(e.records) + ")");
    }
    return messages;
}
