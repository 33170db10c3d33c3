// Master settings page "使用した設備": four lines of equipment.
#pragma once

#include "common/qt/SheetPage.h"

class CSetuset : public SheetPage {
    Q_OBJECT

public:
    explicit CSetuset(QWidget* parent = nullptr);
};
