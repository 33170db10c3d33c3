// The open-file dialog of the platform for a DataFileChooser request.
#pragma once

#include "app/DataFileChooser.h"

class QWidget;

class QtDataFileChooser : public DataFileChooser {
public:
    explicit QtDataFileChooser(QWidget* parent) : parent_(parent) {}

    std::optional<std::string> chooseOpenFile(const Request& request) override;

private:
    QWidget* parent_;
};
