// The smoke test's hand on setup's windows.
#include "ui/SetupSmokeDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdio>

SetupSmokeDriver::SetupSmokeDriver(QWidget* background, QObject* parent)
    : QObject(parent), background_(background),
      shots_(qEnvironmentVariable("QUILLET_SETUP_SHOTS")) {}

bool SetupSmokeDriver::requested() {
    return !qEnvironmentVariableIsEmpty("QUILLET_SETUP_SMOKE");
}

void SetupSmokeDriver::start() {
    QTimer::singleShot(200, this, &SetupSmokeDriver::tick);
}

void SetupSmokeDriver::shoot(QWidget* window, const QString& state) {
    if (shots_.isEmpty() || shot_.contains(state)) {
        return;
    }
    shot_.insert(state);
    QString name = state;
    name.remove(QLatin1Char('&')).replace(QLatin1Char('/'), QLatin1Char('_'));
    QDir().mkpath(shots_);
    const QString file = QDir(shots_).filePath(
        QStringLiteral("%1-%2.png").arg(++count_, 2, 10, QLatin1Char('0')).arg(name));
    window->grab().save(file);
}

void SetupSmokeDriver::tick() {
    // The next look is due before this one acts: a click may run a procedure with loops of its own.
    start();
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        shoot(box, QStringLiteral("box-") + box->windowTitle());
        std::printf("setup smoke: %s: %s\n", qPrintable(box->windowTitle()),
                    qPrintable(box->text().replace(QLatin1Char('\n'), QLatin1Char(' '))));
        std::fflush(stdout);
        box->buttons().front()->click();
        return;
    }
    if (modal->objectName() == QLatin1String("frmCustomDlg")) {
        shoot(modal, QStringLiteral("deletion"));
        modal->findChild<QPushButton*>(QStringLiteral("btnDelete"))->click();
        return;
    }
    if (modal->objectName() != QLatin1String("frmMain")) {
        return;
    }
    shoot(background_, QStringLiteral("background"));
    auto* action = modal->findChild<QPushButton*>(QStringLiteral("btnEvent"));
    const QString caption = action->text();
    shoot(modal, QStringLiteral("main-") + caption);
    static const QStringList kSteps = {
        QStringLiteral("セットアップ続行(&C)"), QStringLiteral("セットアップ開始(&S)"),
        QStringLiteral("アンセットアップ開始(&S)"), QStringLiteral("続行(&C)")};
    if (action->isEnabled() && kSteps.contains(caption)) {
        std::printf("setup smoke: pressing %s\n", qPrintable(caption));
        std::fflush(stdout);
        action->click();
    }
}
