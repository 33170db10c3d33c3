// Tabs, the standard buttons of a Japanese system, and the page checks of a settings sheet.
#include "common/qt/PropertySheet.h"

#include "common/Cp932.h"
#include "common/qt/QtPrompter.h"
#include "common/qt/SheetPage.h"

#include <QFont>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

PropertySheet::PropertySheet(const std::string& cp932Title, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)),
      ownPrompter_(std::make_unique<QtPrompter>(this)), prompter_(ownPrompter_.get()) {
    setWindowTitle(QString::fromStdString(cp932::toUtf8(cp932Title)));
    setModal(true);
    // A Japanese face first, so that captions mixing full-width and other characters are measured
    // with the glyphs they are drawn with.
    QFont face = font();
    face.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("IPAGothic"), face.family()});
    setFont(face);
    // Every tab stays in sight, as in the platform's sheets that stack their tabs.
    tabs_->setUsesScrollButtons(false);

    // Buttons in the order of the platform's property sheets, whatever the desktop's custom.
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    // The pages never mark themselves changed, so apply stays unavailable as on the platform.
    apply_ = new QPushButton(QStringLiteral("適用(&A)"), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    cancel->setObjectName(QStringLiteral("IDCANCEL"));
    apply_->setObjectName(QStringLiteral("ID_APPLY_NOW"));
    apply_->setEnabled(false);
    connect(ok, &QPushButton::clicked, this, &PropertySheet::accept);
    connect(cancel, &QPushButton::clicked, this, &PropertySheet::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {ok, cancel, apply_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    connect(tabs_, &QTabWidget::currentChanged, this, &PropertySheet::tabChanged);
}

PropertySheet::~PropertySheet() = default;

void PropertySheet::setPrompter(Prompter* prompter) {
    prompter_ = prompter ? prompter : ownPrompter_.get();
}

void PropertySheet::addPage(SheetPage* page) {
    pages_.push_back(page);
    switching_ = true;
    tabs_->addTab(page, page->objectName());
    switching_ = false;
}

void PropertySheet::reload() {
    models_ = readSettings();
    for (std::size_t i = 0; i < pages_.size() && i < models_.size(); ++i) {
        pages_[i]->load(models_[i]);
        tabs_->setTabText(static_cast<int>(i),
                          QString::fromStdString(cp932::toUtf8(models_[i].caption())));
    }
    switching_ = true;
    tabs_->setCurrentIndex(0);
    switching_ = false;
    current_ = 0;
}

void PropertySheet::setVisible(bool visible) {
    if (visible && !isVisible()) {
        reload();
    }
    QDialog::setVisible(visible);
}

bool PropertySheet::passes(int i) {
    const auto index = static_cast<std::size_t>(i);
    pages_[index]->store(models_[index]);
    const FormModel::Check check = models_[index].check();
    if (check.ok) {
        return true;
    }
    switching_ = true;
    tabs_->setCurrentIndex(i);
    switching_ = false;
    current_ = i;
    prompter_->ask(check.message, check.caption, check.icon);
    pages_[index]->focusField(check.field);
    return false;
}

void PropertySheet::tabChanged(int index) {
    if (switching_) {
        return;
    }
    // A page is left only with values it can keep.
    if (current_ != index && current_ < static_cast<int>(pages_.size()) && !passes(current_)) {
        return;
    }
    current_ = index;
}

void PropertySheet::accept() {
    if (!passes(current_)) {
        return;
    }
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        if (!passes(i)) {
            return;
        }
    }
    writeSettings(models_);
    QDialog::accept();
}
