// Loading and storing page controls, and keeping text boxes within the 255-byte settings.
#include "common/qt/SheetPage.h"

#include "common/Cp932.h"
#include "common/EditorText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

QString shown(const std::string& cp932Text, bool multiLine) {
    return QString::fromStdString(EditorText::toEditor(cp932Text, multiLine));
}

void choose(QButtonGroup* group, int index) {
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group refuses to clear its checked button.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(false);
    }
    group->setExclusive(true);
}

} // namespace

SheetPage::SheetPage(const char* className, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::fromLatin1(className));
}

QLineEdit* SheetPage::textBox(const char* name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        const std::string utf8 = text.toStdString();
        if (EditorText::tooLong(utf8, false)) {
            box->setText(shown(EditorText::fromEditor(utf8, false), false));
        }
    });
    return box;
}

QPlainTextEdit* SheetPage::multiLineBox(const char* name) {
    auto* box = new QPlainTextEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setTabChangesFocus(true);
    connect(box, &QPlainTextEdit::textChanged, box, [box] {
        const std::string utf8 = box->toPlainText().toStdString();
        if (EditorText::tooLong(utf8, true)) {
            box->setPlainText(shown(EditorText::fromEditor(utf8, true), true));
            box->moveCursor(QTextCursor::End);
        }
    });
    return box;
}

QLineEdit* SheetPage::integerBox(const char* name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8 + 12);
    return box;
}

std::vector<QRadioButton*> SheetPage::radioGroup(const char* name, const QStringList& captions) {
    auto* group = new QButtonGroup(this);
    group->setObjectName(QString::fromLatin1(name));
    std::vector<QRadioButton*> buttons;
    for (int k = 0; k < captions.size(); ++k) {
        auto* button = new QRadioButton(captions[k], this);
        button->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(k));
        group->addButton(button, k);
        buttons.push_back(button);
    }
    return buttons;
}

QComboBox* SheetPage::listBox(const char* name, const std::vector<std::string>& cp932Entries) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    for (const std::string& entry : cp932Entries) {
        box->addItem(shown(entry, false));
    }
    box->setMaxVisibleItems(static_cast<int>(cp932Entries.size()));
    return box;
}

QLabel* SheetPage::label(const QString& caption) {
    return new QLabel(caption);
}

QGridLayout* SheetPage::captionedBoxes(const std::vector<std::pair<QString, const char*>>& rows) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    int row = 0;
    for (const auto& [caption, name] : rows) {
        QLineEdit* box = textBox(name);
        QLabel* text = label(caption);
        text->setBuddy(box);
        grid->addWidget(text, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

void SheetPage::load(const FormModel& model) {
    for (const FormModel::Field& f : model.fields()) {
        const QString name = QString::fromStdString(f.name);
        switch (f.kind) {
        case FormModel::Kind::text:
        case FormModel::Kind::integer:
            if (auto* box = findChild<QLineEdit*>(name)) {
                box->setText(shown(f.text, false));
            }
            break;
        case FormModel::Kind::multiLineText:
            if (auto* box = findChild<QPlainTextEdit*>(name)) {
                box->setPlainText(shown(f.text, true));
            }
            break;
        case FormModel::Kind::choice:
            if (auto* group = findChild<QButtonGroup*>(name)) {
                choose(group, f.index);
            } else if (auto* list = findChild<QComboBox*>(name)) {
                list->setCurrentIndex(f.index);
            }
            break;
        }
    }
}

void SheetPage::store(FormModel& model) const {
    for (const FormModel::Field& f : model.fields()) {
        const QString name = QString::fromStdString(f.name);
        switch (f.kind) {
        case FormModel::Kind::text:
            if (auto* box = findChild<QLineEdit*>(name)) {
                model.setText(f.name, EditorText::fromEditor(box->text().toStdString(), false));
            }
            break;
        case FormModel::Kind::integer:
            if (auto* box = findChild<QLineEdit*>(name)) {
                model.setText(f.name, cp932::fromUtf8(box->text().toStdString()));
            }
            break;
        case FormModel::Kind::multiLineText:
            if (auto* box = findChild<QPlainTextEdit*>(name)) {
                model.setText(f.name,
                              EditorText::fromEditor(box->toPlainText().toStdString(), true));
            }
            break;
        case FormModel::Kind::choice:
            if (auto* group = findChild<QButtonGroup*>(name)) {
                model.setIndex(f.name, group->checkedId());
            } else if (auto* list = findChild<QComboBox*>(name)) {
                model.setIndex(f.name, list->currentIndex());
            }
            break;
        }
    }
}

void SheetPage::focusField(const std::string& name) {
    auto* control = findChild<QWidget*>(QString::fromStdString(name));
    if (!control) {
        return;
    }
    control->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
        box->selectAll();
    }
}
