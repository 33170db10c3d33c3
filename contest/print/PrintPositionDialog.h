// The print position dialog "印字位置微調整": horizontal and vertical print offsets in 0.1 mm.
#pragma once

#include "app/MasterSettings.h"
#include "common/Prompter.h"

#include <QDialog>
#include <array>

class QLineEdit;

class PrintPositionDialog : public QDialog {
    Q_OBJECT

public:
    // The boxes start with the settings' offsets; OK stores them back only when both hold
    // integers, otherwise the message goes through the prompter and the failing box gets focus.
    PrintPositionDialog(MasterSettings& settings, Prompter& prompter, QWidget* parent = nullptr);

private:
    void ok();

    MasterSettings& settings_;
    Prompter& prompter_;
    std::array<QLineEdit*, 2> boxes_{};
};
