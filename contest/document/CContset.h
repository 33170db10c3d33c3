// The contest settings sheet "コンテスト設定": entry texts and the exchange-column rules.
#pragma once

#include "common/qt/PropertySheet.h"
#include "document/ContestSettings.h"

class CContset : public PropertySheet {
    Q_OBJECT

public:
    // The settings are read at each opening and written only when the sheet is accepted; they
    // must outlive the sheet.
    explicit CContset(ContestSettings& settings, QWidget* parent = nullptr);

protected:
    std::vector<FormModel> readSettings() const override;
    void writeSettings(const std::vector<FormModel>& pages) override;

private:
    ContestSettings& settings_;
};
