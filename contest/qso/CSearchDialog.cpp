// Building the search dialog, filling it from a form and checking it on "開始".
#include "qso/CSearchDialog.h"

#include "common/Cp932.h"
#include "qso/SearchCommand.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kPeriodNames[SearchCheck::kPeriodFieldCount] = {
    "startYear", "startMonth", "startDay", "startHour", "startMinute",
    "endYear",   "endMonth",   "endDay",   "endHour",   "endMinute",
};

const char* const kBandCaptions[ContestSettings::kBandCount] = {
    "1.9MHz", "3.8MHz", "7MHz",   "10MHz",  "14MHz",   "18MHz",   "21MHz",   "24MHz",
    "28MHz",  "50MHz",  "144MHz", "430MHz", "1200MHz", "2400MHz", "5600MHz", "その他",
};

const char* const kModeCaptions[ContestSettings::kModeCount] = {
    "CW", "AM", "SSB", "FM", "SSTV", "RTTY", "その他",
};

// Mode boxes by index on screen: CW, SSB, FM, その他 on the left, AM, RTTY, SSTV on the right.
struct Cell {
    int row, column;
};
constexpr Cell kModeCells[ContestSettings::kModeCount] = {
    {0, 0}, {0, 1}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {3, 0},
};

// A radio pair for a group's choice 0 and 1; any other stored value shows neither chosen.
QButtonGroup* radioPair(QWidget* owner, QLayout* layout, const char* name, const QString& off,
                        const QString& on, int value) {
    auto* group = new QButtonGroup(owner);
    const QString captions[2] = {off, on};
    for (int id = 0; id < 2; ++id) {
        auto* radio = new QRadioButton(captions[id]);
        radio->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(id));
        group->addButton(radio, id);
        layout->addWidget(radio);
    }
    if (value == 0 || value == 1) {
        group->button(value)->setChecked(true);
    }
    return group;
}

} // namespace

CSearchDialog::CSearchDialog(const SearchCheck::Form& form, Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("CSearchDialog"));
    setWindowTitle(QStringLiteral("ﾃﾞｰﾀの検索"));

    auto* periodBox = new QGroupBox(QStringLiteral("ＱＳＯ期間の選択"));
    auto* periodGrid = new QGridLayout(periodBox);
    const QString units[5] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日"),
                              QStringLiteral("時"), QStringLiteral("分")};
    const int widths[5] = {5, 3, 3, 3, 3};
    for (int row = 0; row < 2; ++row) {
        periodGrid->addWidget(
            new QLabel(row == 0 ? QStringLiteral("開始") : QStringLiteral("終了")), row, 0);
        for (int f = 0; f < 5; ++f) {
            const int field = row * 5 + f;
            auto* edit = new QLineEdit(QString::fromStdString(
                cp932::toUtf8(form.period[static_cast<std::size_t>(field)])));
            edit->setObjectName(QLatin1String(kPeriodNames[field]));
            edit->setFixedWidth(
                edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (widths[f] + 1) + 12);
            period_[static_cast<std::size_t>(field)] = edit;
            periodGrid->addWidget(edit, row, 1 + f * 2);
            periodGrid->addWidget(new QLabel(units[f]), row, 2 + f * 2);
        }
    }
    periodGrid->setColumnStretch(11, 1);

    auto* bandBox = new QGroupBox(QStringLiteral("周波数の選択"));
    auto* bandLayout = new QVBoxLayout(bandBox);
    auto* bandRadios = new QHBoxLayout;
    bandChoice_ = radioPair(this, bandRadios, "selectBands", QStringLiteral("周波数を選択しない"),
                            QStringLiteral("周波数を選択する"), form.selectBands);
    bandRadios->addStretch();
    bandLayout->addLayout(bandRadios);
    auto* bandGrid = new QGridLayout;
    for (int b = 0; b < ContestSettings::kBandCount; ++b) {
        auto* box = new QCheckBox(QString::fromUtf8(kBandCaptions[b]));
        box->setObjectName(QStringLiteral("band%1").arg(b));
        box->setChecked(form.bandEnabled[static_cast<std::size_t>(b)] == 1);
        connect(box, &QCheckBox::clicked, this,
                [this] { bandChoice_->button(1)->setChecked(true); });
        bands_[static_cast<std::size_t>(b)] = box;
        bandGrid->addWidget(box, b / 4, b % 4);
    }
    bandLayout->addLayout(bandGrid);

    auto* modeBox = new QGroupBox(QStringLiteral("モードの選択"));
    auto* modeLayout = new QVBoxLayout(modeBox);
    modeChoice_ = radioPair(this, modeLayout, "selectModes", QStringLiteral("モードを選択しない"),
                            QStringLiteral("モードを選択する"), form.selectModes);
    auto* modeGrid = new QGridLayout;
    for (int m = 0; m < ContestSettings::kModeCount; ++m) {
        auto* box = new QCheckBox(QString::fromUtf8(kModeCaptions[m]));
        box->setObjectName(QStringLiteral("mode%1").arg(m));
        box->setChecked(form.modeEnabled[static_cast<std::size_t>(m)] == 1);
        connect(box, &QCheckBox::clicked, this,
                [this] { modeChoice_->button(1)->setChecked(true); });
        modes_[static_cast<std::size_t>(m)] = box;
        modeGrid->addWidget(box, kModeCells[m].row, kModeCells[m].column);
    }
    modeLayout->addLayout(modeGrid);
    modeLayout->addStretch();

    excludeDupes_ = new QCheckBox(QStringLiteral("同一バンドの重複交信は除く"));
    excludeDupes_->setObjectName(QStringLiteral("excludeSameBandDupes"));
    excludeDupes_->setChecked(form.excludeSameBandDupes == 1);

    auto* startButton = new QPushButton(QStringLiteral("開始"));
    startButton->setObjectName(QStringLiteral("btnStart"));
    startButton->setDefault(true);
    auto* endButton = new QPushButton(QStringLiteral("終了"));
    endButton->setObjectName(QStringLiteral("btnEnd"));
    connect(startButton, &QPushButton::clicked, this, &CSearchDialog::start);
    connect(endButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* selections = new QHBoxLayout;
    selections->addWidget(bandBox, 3);
    selections->addWidget(modeBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(excludeDupes_);
    buttons->addStretch();
    buttons->addWidget(startButton);
    buttons->addWidget(endButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(periodBox);
    layout->addLayout(selections);
    layout->addLayout(buttons);
}

SearchCheck::Form CSearchDialog::form() const {
    SearchCheck::Form form;
    for (std::size_t i = 0; i < period_.size(); ++i) {
        form.period[i] = cp932::fromUtf8(period_[i]->text().toStdString());
    }
    form.selectBands = bandChoice_->checkedId();
    form.selectModes = modeChoice_->checkedId();
    for (std::size_t b = 0; b < bands_.size(); ++b) {
        form.bandEnabled[b] = bands_[b]->isChecked() ? 1 : 0;
    }
    for (std::size_t m = 0; m < modes_.size(); ++m) {
        form.modeEnabled[m] = modes_[m]->isChecked() ? 1 : 0;
    }
    form.excludeSameBandDupes = excludeDupes_->isChecked() ? 1 : 0;
    return form;
}

void CSearchDialog::start() {
    const SearchCheck::Result result = SearchCommand::confirm(form(), prompter_);
    if (result.ok) {
        accept();
        return;
    }
    QWidget* target = nullptr;
    switch (result.focus) {
    case SearchCheck::Focus::periodField:
        target = period_[static_cast<std::size_t>(result.field)];
        period_[static_cast<std::size_t>(result.field)]->selectAll();
        break;
    case SearchCheck::Focus::bandBoxes:
        target = bands_[0];
        break;
    case SearchCheck::Focus::modeBoxes:
        target = modes_[0];
        break;
    case SearchCheck::Focus::none:
        break;
    }
    if (target) {
        target->setFocus();
    }
}
