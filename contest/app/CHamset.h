// Master settings page "無線情報": call signs, licence class, antenna power and how it was taken.
#pragma once

#include "common/qt/SheetPage.h"

class CHamset : public SheetPage {
    Q_OBJECT

public:
    explicit CHamset(QWidget* parent = nullptr);
};
