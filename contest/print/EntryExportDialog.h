// The dialog that writes the electronic entry: JARL electronic log or Cabrillo, with a preview of
// the text before it is saved.
#pragma once

#include <QDialog>
#include <string>

class CKorvaneDoc;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class EntryExportDialog : public QDialog {
    Q_OBJECT

public:
    enum class Kind { electronicLog, cabrillo };

    EntryExportDialog(const CKorvaneDoc& doc, Kind kind, QWidget* parent = nullptr);

    // The text that saving writes (bytes as they go to the file); empty when it cannot be made.
    const std::string& text() const { return text_; }

private:
    void refresh();
    void browse();
    void save();

    const CKorvaneDoc& doc_;
    Kind kind_;
    std::string text_;
    QComboBox* version_ = nullptr;
    QComboBox* encoding_ = nullptr;
    QLineEdit* fileName_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};
