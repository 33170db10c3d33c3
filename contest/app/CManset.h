// Master settings page "個人情報": name, telephone, postal code, two address lines and e-mail.
#pragma once

#include "common/qt/SheetPage.h"

class CManset : public SheetPage {
    Q_OBJECT

public:
    explicit CManset(QWidget* parent = nullptr);
};
