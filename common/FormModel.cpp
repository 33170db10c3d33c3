// Page values: the 255-byte cut of texts, choices that name no entry, and the integer check.
#include "common/FormModel.h"

#include "common/EditorText.h"
#include "common/IntegerText.h"

#include <stdexcept>

namespace {

int withinRange(int index, int count) {
    return index >= 0 && index < count ? index : -1;
}

} // namespace

FormModel::Field& FormModel::add(const std::string& name, Kind kind) {
    Field& f = fields_.emplace_back();
    f.name = name;
    f.kind = kind;
    return f;
}

void FormModel::addText(const std::string& name, const std::string& value) {
    add(name, Kind::text).text = EditorText::limit(value);
}

void FormModel::addMultiLineText(const std::string& name, const std::string& value) {
    add(name, Kind::multiLineText).text = EditorText::limit(value);
}

void FormModel::addInteger(const std::string& name, int value) {
    add(name, Kind::integer).text = std::to_string(value);
}

void FormModel::addRadioGroup(const std::string& name, int count, int stored) {
    Field& f = add(name, Kind::choice);
    f.count = count;
    f.index = withinRange(stored, count);
}

void FormModel::addList(const std::string& name, const std::vector<std::string>& entries,
                        int stored) {
    Field& f = add(name, Kind::choice);
    f.entries = entries;
    f.count = static_cast<int>(entries.size());
    f.index = withinRange(stored, f.count);
}

FormModel::Field* FormModel::find(const std::string& name) {
    for (Field& f : fields_) {
        if (f.name == name) {
            return &f;
        }
    }
    return nullptr;
}

const FormModel::Field& FormModel::field(const std::string& name) const {
    for (const Field& f : fields_) {
        if (f.name == name) {
            return f;
        }
    }
    throw std::out_of_range("no field " + name + " on page " + pageName_);
}

bool FormModel::has(const std::string& name) const {
    for (const Field& f : fields_) {
        if (f.name == name) {
            return true;
        }
    }
    return false;
}

const std::string& FormModel::text(const std::string& name) const {
    return field(name).text;
}

int FormModel::index(const std::string& name) const {
    return field(name).index;
}

void FormModel::setText(const std::string& name, const std::string& value) {
    if (Field* f = find(name)) {
        f->text = f->kind == Kind::integer ? value : EditorText::limit(value);
    }
}

void FormModel::setIndex(const std::string& name, int index) {
    if (Field* f = find(name)) {
        f->index = withinRange(index, f->count);
    }
}

FormModel::Check FormModel::check() const {
    for (const Field& f : fields_) {
        if (f.kind == Kind::integer && !IntegerText::parse(f.text)) {
            return {false, IntegerText::notIntegerMessage(), programTitle_,
                    Prompter::Icon::exclamation, f.name};
        }
    }
    return {};
}

int FormModel::integer(const std::string& name) const {
    return IntegerText::parse(field(name).text).value_or(0);
}

const FormModel& FormModel::page(const std::vector<FormModel>& pages, const std::string& pageName) {
    for (const FormModel& p : pages) {
        if (p.pageName() == pageName) {
            return p;
        }
    }
    throw std::out_of_range("no page " + pageName);
}
