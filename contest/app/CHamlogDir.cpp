// The log database path with "参照...": a chosen file's full path replaces the text.
#include "app/CHamlogDir.h"

#include "app/MasterSheetModel.h"
#include "app/QtDataFileChooser.h"
#include "common/Cp932.h"
#include "common/EditorText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CHamlogDir::CHamlogDir(QWidget* parent)
    : SheetPage("CHamlogDir", parent), ownChooser_(std::make_unique<QtDataFileChooser>(this)),
      chooser_(ownChooser_.get()) {
    path_ = textBox("THDIR");
    auto* browseButton = new QPushButton(QStringLiteral("参照..."), this);
    browseButton->setObjectName(QStringLiteral("browse"));
    connect(browseButton, &QPushButton::clicked, this, &CHamlogDir::browse);

    QLabel* caption = label(QStringLiteral("ハムログデータのパス"));
    caption->setBuddy(path_);
    auto* grid = new QGridLayout;
    grid->addWidget(caption, 0, 0, 1, 2);
    grid->addWidget(path_, 1, 0);
    grid->addWidget(browseButton, 1, 1);
    grid->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
}

CHamlogDir::~CHamlogDir() = default;

void CHamlogDir::setFileChooser(DataFileChooser* chooser) {
    chooser_ = chooser ? chooser : ownChooser_.get();
}

void CHamlogDir::browse() {
    const std::string current = EditorText::fromEditor(path_->text().toStdString(), false);
    if (std::optional<std::string> chosen =
            chooser_->chooseOpenFile(MasterSheetModel::hamlogDataRequest(current))) {
        path_->setText(QString::fromStdString(
            EditorText::toEditor(MasterSheetModel::chosenPath(*chosen), false)));
    }
}
