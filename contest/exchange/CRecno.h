// Contest settings page "受信Ｎｏ": the three components of the received exchange, with serial
// widths.
#pragma once

#include "exchange/ThreePartPage.h"

class CRecno : public ThreePartPage {
    Q_OBJECT

public:
    explicit CRecno(QWidget* parent = nullptr) : ThreePartPage("CRecno", true, parent) {}
};
