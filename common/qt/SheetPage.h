// One page of a property sheet: renders a FormModel in the controls named after its fields and
// reads them back.
#pragma once

#include "common/FormModel.h"

#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

class SheetPage : public QWidget {
    Q_OBJECT

public:
    // The page's class name is its object name; it matches FormModel::pageName().
    explicit SheetPage(const char* className, QWidget* parent = nullptr);

    // Every field of the model into the control of the same name.
    void load(const FormModel& model);
    // Every control back into the model's field of the same name.
    void store(FormModel& model) const;
    // Focus into the named control, its text selected, as when a value is refused.
    void focusField(const std::string& name);

protected:
    // Controls named for their fields. Text boxes never hold more than a setting keeps.
    QLineEdit* textBox(const char* name);
    QPlainTextEdit* multiLineBox(const char* name);
    QLineEdit* integerBox(const char* name);
    // Buttons named <name>_<k>, k being the stored value; the group itself is named <name>.
    std::vector<QRadioButton*> radioGroup(const char* name, const QStringList& captions);
    QComboBox* listBox(const char* name, const std::vector<std::string>& cp932Entries);
    static QLabel* label(const QString& caption);

    // Rows of a caption and a text box, one under another, in a grid that the page lays out.
    QGridLayout* captionedBoxes(const std::vector<std::pair<QString, const char*>>& rows);
};
