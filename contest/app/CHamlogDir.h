// Master settings page "ＨＡＭＬＯＧ": the path of the log database file and its chooser.
#pragma once

#include "common/qt/SheetPage.h"

#include <memory>

class DataFileChooser;
class QLineEdit;

class CHamlogDir : public SheetPage {
    Q_OBJECT

public:
    explicit CHamlogDir(QWidget* parent = nullptr);
    ~CHamlogDir() override;

    // Who answers "参照..."; by default the platform's open-file dialog.
    void setFileChooser(DataFileChooser* chooser);

private:
    void browse();

    QLineEdit* path_;
    std::unique_ptr<DataFileChooser> ownChooser_;
    DataFileChooser* chooser_;
};
