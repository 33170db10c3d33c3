// A tabbed settings sheet: pages filled from the settings at each opening, a page's values checked
// when it is left and on OK, and the settings written only on OK.
#pragma once

#include "common/FormModel.h"

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

class Prompter;
class QPushButton;
class QTabWidget;
class SheetPage;

class PropertySheet : public QDialog {
    Q_OBJECT

public:
    ~PropertySheet() override;

    // Who shows the refusal of a value; by default message boxes over the sheet.
    void setPrompter(Prompter* prompter);

    // Showing the sheet fills every page from the settings and opens the first page.
    void setVisible(bool visible) override;

public slots:
    // Checks the pages; if all pass, the settings take their values and the sheet closes.
    void accept() override;

protected:
    explicit PropertySheet(const std::string& cp932Title, QWidget* parent);

    // Pages in tab order; each page's object name is the page name of its model.
    void addPage(SheetPage* page);

    // The page values for the current settings, and the settings from accepted values.
    virtual std::vector<FormModel> readSettings() const = 0;
    virtual void writeSettings(const std::vector<FormModel>& pages) = 0;

    // Fills the pages from the settings; subclasses call it once their pages are added.
    void reload();

private:
    // Reads page i into its model and checks it; on failure shows that page, reports and focuses.
    bool passes(int i);
    void tabChanged(int index);

    QTabWidget* tabs_;
    QPushButton* apply_;
    std::vector<SheetPage*> pages_;
    std::vector<FormModel> models_;
    int current_ = 0;
    bool switching_ = false;
    std::unique_ptr<Prompter> ownPrompter_;
    Prompter* prompter_;
};
