// A page of a three-component rule: groups "１番目", "2番目" and "3番目", each a fixed text, QSO
// data and, after the first, nothing or a serial number.
#pragma once

#include "exchange/RulePage.h"

class ThreePartPage : public RulePage {
    Q_OBJECT

protected:
    // withDigits: components 2 and 3 have a "桁数" box beside "連番".
    ThreePartPage(const char* className, bool withDigits, QWidget* parent);
};
