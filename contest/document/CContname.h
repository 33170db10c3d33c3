// Contest settings page "コンテスト名称": the contest's name.
#pragma once

#include "common/qt/SheetPage.h"

class CContname : public SheetPage {
    Q_OBJECT

public:
    explicit CContname(QWidget* parent = nullptr);
};
