// The dialog that writes the electronic entry: JARL electronic log or Cabrillo, with a preview of
// the text before it is saved.
#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

class CKorvaneDoc;
class Prompter;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class EntryExportDialog : public QDialog {
    Q_OBJECT

public:
    enum class Kind { electronicLog, cabrillo };

    // Saving tells the warnings of the text through the prompter, and keeps the Cabrillo contest
    // name and category in the document's master settings.
    EntryExportDialog(CKorvaneDoc& doc, Kind kind, Prompter& prompter, QWidget* parent = nullptr);

    // The text that saving writes (bytes as they go to the file); empty when it cannot be made.
    const std::string& text() const { return text_; }

private:
    void addCabrilloFields(QFormLayout& form);
    std::string contestName() const; // CP932
    std::string category() const;
    void refresh();
    void browse();
    void save();

    CKorvaneDoc& doc_;
    Kind kind_;
    Prompter& prompter_;
    std::string text_;
    std::vector<std::string> warnings_; // CP932, of text_
    QComboBox* version_ = nullptr;
    QComboBox* encoding_ = nullptr;
    QLineEdit* contest_ = nullptr;
    std::array<QComboBox*, 4> category_{}; // OPERATOR, BAND, MODE, POWER
    QLineEdit* fileName_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};
