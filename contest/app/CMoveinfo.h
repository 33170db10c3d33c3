// Master settings page "移動先": the portable operating location and its power source.
#pragma once

#include "common/qt/SheetPage.h"

class CMoveinfo : public SheetPage {
    Q_OBJECT

public:
    explicit CMoveinfo(QWidget* parent = nullptr);
};
