// Layout of the print position dialog and its OK button.
#include "print/PrintPositionDialog.h"

#include "common/Cp932.h"
#include "print/PrintPositionForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PrintPositionDialog::PrintPositionDialog(MasterSettings& settings, Prompter& prompter,
                                         QWidget* parent)
    : QDialog(parent), settings_(settings), prompter_(prompter) {
    setObjectName(QStringLiteral("PrintPositionDialog"));
    setWindowTitle(QStringLiteral("印字位置微調整"));

    const PrintPositionForm form = PrintPositionForm::fromSettings(settings);
    const QString captions[2] = {QStringLiteral("Ｘ座標"), QStringLiteral("Ｙ座標")};
    const char* names[2] = {"printX", "printY"};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        auto* box = new QLineEdit(
            QString::fromStdString(cp932::toUtf8(form.boxes[static_cast<std::size_t>(i)])));
        box->setObjectName(QLatin1String(names[i]));
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-000000")) + 16);
        auto* caption = new QLabel(captions[i]);
        caption->setBuddy(box);
        grid->addWidget(caption, i, 0);
        grid->addWidget(box, i, 1);
        grid->addWidget(new QLabel(QStringLiteral("０．１ミリ単位")), i, 2);
        boxes_[static_cast<std::size_t>(i)] = box;
    }

    auto* okButton = new QPushButton(QStringLiteral("OK"));
    okButton->setObjectName(QStringLiteral("IDOK"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"));
    cancelButton->setObjectName(QStringLiteral("IDCANCEL"));
    connect(okButton, &QPushButton::clicked, this, &PrintPositionDialog::ok);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void PrintPositionDialog::ok() {
    PrintPositionForm form;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        form.boxes[i] = cp932::fromUtf8(boxes_[i]->text().toStdString());
    }
    const int refused = form.confirm(prompter_);
    if (refused >= 0) {
        QLineEdit* box = boxes_[static_cast<std::size_t>(refused)];
        box->setFocus();
        box->selectAll();
        return;
    }
    form.toSettings(settings_);
    accept();
}
