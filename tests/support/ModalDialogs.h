#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace testsupport {

// Acts on the next modal dialog of exactly class T once it is shown (and, on
// the headless platform, active, so keys reach it). Call it before the step
// that opens the dialog. A dialog that never comes within ten seconds does
// not hang the test: whatever modal window is open then is closed.
template <class T> void whenShown(std::function<void(T *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, act, started] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->metaObject() == &T::staticMetaObject && modal->isVisible() &&
            QApplication::activeWindow() == modal) {
            timer->stop();
            timer->deleteLater();
            act(static_cast<T *>(modal));
        } else if (started->elapsed() > 10000) {
            timer->stop();
            timer->deleteLater();
            if (modal)
                modal->close();
        }
    });
    timer->start();
}

} // namespace testsupport
