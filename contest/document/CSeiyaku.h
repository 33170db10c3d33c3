// Contest settings page "誓約": the oath, several lines.
#pragma once

#include "common/qt/SheetPage.h"

class CSeiyaku : public SheetPage {
    Q_OBJECT

public:
    explicit CSeiyaku(QWidget* parent = nullptr);
};
