// Contest settings page "送信Ｎｏ": the three components of the sent exchange, with serial widths.
#pragma once

#include "exchange/ThreePartPage.h"

class CSendno : public ThreePartPage {
    Q_OBJECT

public:
    explicit CSendno(QWidget* parent = nullptr) : ThreePartPage("CSendno", true, parent) {}
};
