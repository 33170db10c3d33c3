// Master settings page "登録クラブ": the registered club's number and name.
#pragma once

#include "common/qt/SheetPage.h"

class CClubset : public SheetPage {
    Q_OBJECT

public:
    explicit CClubset(QWidget* parent = nullptr);
};
