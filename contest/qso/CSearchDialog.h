// The search dialog "ﾃﾞｰﾀの検索": QSO period, bands, modes and the same-band repeat box.
#pragma once

#include "common/Prompter.h"
#include "qso/SearchCheck.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

class CSearchDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the values of the form; "開始" closes the dialog only when they pass the checks, whose
    // messages go through the prompter.
    CSearchDialog(const SearchCheck::Form& form, Prompter& prompter, QWidget* parent = nullptr);

    // The values as they stand in the dialog; a radio group with nothing chosen gives -1.
    SearchCheck::Form form() const;

private:
    void start();

    Prompter& prompter_;
    std::array<QLineEdit*, SearchCheck::kPeriodFieldCount> period_{};
    QButtonGroup* bandChoice_;
    QButtonGroup* modeChoice_;
    std::array<QCheckBox*, ContestSettings::kBandCount> bands_{};
    std::array<QCheckBox*, ContestSettings::kModeCount> modes_{};
    QCheckBox* excludeDupes_;
};
