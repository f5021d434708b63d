#include "KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace framework {

KeyPreview::KeyPreview(QWidget *window, Handler handler) : QObject(window), m_window(window), m_handler(handler)
{
    refresh();
}

void KeyPreview::refresh()
{
    m_window->installEventFilter(this);
    for (QWidget *w : m_window->findChildren<QWidget *>())
        w->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !enabled)
        return QObject::eventFilter(watched, event);
    QWidget *focused = QApplication::focusWidget();
    // The key arrives at the focused control first; seen there it is decided.
    if (watched != focused && focused && m_window->isAncestorOf(focused))
        return false;
    for (const QPointer<QWidget> &x : std::as_const(excluded))
        if (x && focused && (x == focused || x->isAncestorOf(focused)))
            return false;
    return m_handler(static_cast<QKeyEvent *>(event), focused);
}

} // namespace framework
