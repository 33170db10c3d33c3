// Contest settings page "備考": the three components of the remarks column; serials in plain
// decimal.
#pragma once

#include "exchange/ThreePartPage.h"

class CLogrmk : public ThreePartPage {
    Q_OBJECT

public:
    explicit CLogrmk(QWidget* parent = nullptr) : ThreePartPage("CLogrmk", false, parent) {}
};
