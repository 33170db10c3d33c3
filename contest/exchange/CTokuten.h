// Contest settings page "点数": the coefficient of the summary sheet and the points of the log
// sheet.
#pragma once

#include "exchange/RulePage.h"

class CTokuten : public RulePage {
    Q_OBJECT

public:
    explicit CTokuten(QWidget* parent = nullptr);
};
