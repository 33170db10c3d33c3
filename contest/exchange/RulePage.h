// A page of exchange-column rules: groups of radio buttons, each with the controls of its
// alternative beside it.
#pragma once

#include "common/qt/SheetPage.h"

class QGridLayout;
class QGroupBox;
class QRadioButton;

class RulePage : public SheetPage {
    Q_OBJECT

protected:
    using SheetPage::SheetPage;

    // A titled group whose grid has the radio buttons in column 0 and their controls after them.
    QGroupBox* group(const QString& title, QGridLayout*& grid);

    // On that row after the radio button: the QSO data list and the column range boxes.
    void addQsoData(QGridLayout* grid, int row, const char* list, const char* from, const char* to);
    // On that row after the radio button: a text box reaching to the end of the row.
    void addFixedText(QGridLayout* grid, int row, const char* name);
    // On that row after the radio button: an integer box.
    void addInteger(QGridLayout* grid, int row, const char* name);

    // The radio buttons of a group, one a row from row 0.
    static void addChoices(QGridLayout* grid, const std::vector<QRadioButton*>& buttons);
};
