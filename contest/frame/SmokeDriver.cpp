// The smoke run's steps, each answering the dialog it opens once that dialog is up.
#include "frame/SmokeDriver.h"

#include "frame/CKorvaneView.h"
#include "frame/CMainFrame.h"
#include "qso/QsoListModel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
constexpr int kWatchMs = 100;
constexpr int kDeadlineMs = 25000;
} // namespace

SmokeDriver::SmokeDriver(CMainFrame& frame, QString shotFolder)
    : QObject(&frame), frame_(frame), shots_(std::move(shotFolder)), watcher_(new QTimer(this)) {
    steps_ = {
        {"ID_SEARCH", "btnStart", "search.png", 300},
        {"ID_MASTER_SETTING", nullptr, "master.png", 300},
        {"ID_CONTEST_SETTING", nullptr, "contest.png", 300},
        {"ID_PRINT_POSITION", nullptr, "position.png", 200},
        {"ID_FILE_PRINT_PREVIEW", "btnClose", "preview.png", 1500},
        {"ID_APP_ABOUT", "IDOK", "about.png", 200},
    };
    watcher_->setInterval(kWatchMs);
    connect(watcher_, &QTimer::timeout, this, &SmokeDriver::watchModal);
}

bool SmokeDriver::requested() {
    const char* value = std::getenv("KORVANE_SMOKE");
    return value && *value && std::string(value) != "0";
}

QString SmokeDriver::shotFolderFromEnvironment() {
    const char* value = std::getenv("KORVANE_SMOKE_SHOTS");
    return value ? QString::fromLocal8Bit(value) : QString();
}

void SmokeDriver::start() {
    if (!shots_.isEmpty()) {
        QDir().mkpath(shots_);
    }
    QTimer::singleShot(kDeadlineMs, this, [] {
        std::fprintf(stderr, "korvane smoke: no end after %d ms\n", kDeadlineMs);
        QCoreApplication::exit(4);
    });
    watcher_->start();
    QTimer::singleShot(500, this, [this] { runStep(0); });
}

void SmokeDriver::runStep(std::size_t index) {
    if (index == 1) {
        // After the search: the list must hold the sample's QSOs.
        const int rows = frame_.view()->listModel()->rowCount();
        std::fprintf(stderr, "korvane smoke: %d rows, %s\n", rows,
                     frame_.countText().toUtf8().constData());
        if (rows == 0) {
            fail(QStringLiteral("the search listed no QSO"));
        }
        shoot(&frame_, "main.png");
    }
    if (index >= steps_.size()) {
        finish();
        return;
    }
    current_ = index;
    const Step& step = steps_[index];
    QAction* action = frame_.findChild<QAction*>(QLatin1String(step.action));
    if (!action || !action->isEnabled()) {
        fail(QStringLiteral("command %1 is not available").arg(QLatin1String(step.action)));
    } else {
        answered_ = false;
        action->trigger(); // returns when the dialog it opened was answered
        if (!answered_) {
            fail(QStringLiteral("command %1 opened no dialog").arg(QLatin1String(step.action)));
        }
    }
    QTimer::singleShot(200, this, [this, index] { runStep(index + 1); });
}

void SmokeDriver::watchModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == handled_) {
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        fail(QStringLiteral("message: %1").arg(box->text()));
        handled_ = box;
        box->reject();
        return;
    }
    handled_ = modal;
    answered_ = true;
    const Step step = steps_[current_];
    QPointer<QWidget> dialog = modal;
    QTimer::singleShot(step.settleMs, this, [this, dialog, step] {
        if (!dialog) {
            return;
        }
        if (step.shot) {
            shoot(dialog, step.shot);
        }
        auto* button =
            step.button ? dialog->findChild<QAbstractButton*>(QLatin1String(step.button)) : nullptr;
        if (button) {
            button->click();
        } else if (auto* d = qobject_cast<QDialog*>(dialog.data())) {
            d->reject();
        }
    });
}

void SmokeDriver::shoot(QWidget* widget, const char* name) {
    if (shots_.isEmpty() || !widget) {
        return;
    }
    const QString path = QDir(shots_).filePath(QLatin1String(name));
    if (!widget->grab().save(path)) {
        fail(QStringLiteral("cannot write %1").arg(path));
    }
}

void SmokeDriver::fail(const QString& why) {
    ++failures_;
    std::fprintf(stderr, "korvane smoke: %s\n", why.toUtf8().constData());
}

void SmokeDriver::finish() {
    watcher_->stop();
    // The program's exit closes the window and writes the settings as after a user's quit.
    QCoreApplication::exit(failures_ == 0 ? 0 : 3);
}
