// Helpers of the window tests: answering modal dialogs, finding children, reading texts.
#pragma once

#include "common/Cp932.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

namespace ui_test {

// Runs `answer` on the next modal dialog once it is up (a modal exec() must follow this call).
// A dialog that never comes is given up after a few seconds, so a test fails instead of hanging.
inline void onNextModal(std::function<void(QWidget*)> answer) {
    // Owned by the application, so a timer whose dialog never came is still released at the end.
    auto* timer = new QTimer(qApp);
    QElapsedTimer clock;
    clock.start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && clock.elapsed() < 5000) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (modal) {
            answer(modal);
        }
    });
    timer->start();
}

template <typename T = QWidget>
T* child(const QObject* parent, const char* name) {
    return parent->findChild<T*>(QLatin1String(name));
}

inline void click(const QObject* parent, const char* button) {
    if (auto* b = child<QAbstractButton>(parent, button)) {
        b->click();
    }
}

// A CP932 text for a Qt comparison.
inline QString qs(const std::string& cp932Text) {
    return QString::fromStdString(cp932::toUtf8(cp932Text));
}

} // namespace ui_test
