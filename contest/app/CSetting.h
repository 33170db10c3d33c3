// The master settings sheet "マスター設定": six pages over the station's particulars.
#pragma once

#include "app/MasterSettings.h"
#include "common/qt/PropertySheet.h"

class DataFileChooser;

class CSetting : public PropertySheet {
    Q_OBJECT

public:
    // The settings are read at each opening and written only when the sheet is accepted; they
    // must outlive the sheet.
    explicit CSetting(MasterSettings& settings, QWidget* parent = nullptr);

    // Who answers "参照..." on the ＨＡＭＬＯＧ page; null restores the platform's dialog.
    void setFileChooser(DataFileChooser* chooser);

protected:
    std::vector<FormModel> readSettings() const override;
    void writeSettings(const std::vector<FormModel>& pages) override;

private:
    MasterSettings& settings_;
};
