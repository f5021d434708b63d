#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QKeyEvent;
class QWidget;

namespace framework {

// Lets a window see key presses before its controls do: a filter on the
// window and on every control inside it. The handler gets the key and the
// control that has the focus and returns true to swallow the key. While
// disabled (or while the focus is inside an excluded widget) keys pass on.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(QKeyEvent *event, QWidget *focused)>;

    KeyPreview(QWidget *window, Handler handler);

    // Covers controls added since the last call.
    void refresh();
    bool enabled = true;
    // Keys typed inside these widgets bypass the window.
    QList<QPointer<QWidget>> excluded;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    Handler m_handler;
};

} // namespace framework
