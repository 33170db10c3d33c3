// Contest settings page "マルチプライヤー": the multiplier of the summary sheet and of the log
// sheet.
#pragma once

#include "exchange/RulePage.h"

class CMulti : public RulePage {
    Q_OBJECT

public:
    explicit CMulti(QWidget* parent = nullptr);
};
