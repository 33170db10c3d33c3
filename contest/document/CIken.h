// Contest settings page "意見": the opinion, several lines.
#pragma once

#include "common/qt/SheetPage.h"

class CIken : public SheetPage {
    Q_OBJECT

public:
    explicit CIken(QWidget* parent = nullptr);
};
