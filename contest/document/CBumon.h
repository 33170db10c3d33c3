// Contest settings page "部門": the entry category's code and name.
#pragma once

#include "common/qt/SheetPage.h"

class CBumon : public SheetPage {
    Q_OBJECT

public:
    explicit CBumon(QWidget* parent = nullptr);
};
