// Contest settings page "運用者": the three components of the operator column; serials in plain
// decimal.
#pragma once

#include "exchange/ThreePartPage.h"

class CLogop : public ThreePartPage {
    Q_OBJECT

public:
    explicit CLogop(QWidget* parent = nullptr) : ThreePartPage("CLogop", false, parent) {}
};
