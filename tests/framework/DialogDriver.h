#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <functional>

// Drives modal dialogs headlessly: the steps run while exec() waits, each on
// the dialog that is modal at that moment.
namespace dialogdriver {

inline void activate(QWidget *w)
{
    w->activateWindow();
    QApplication::setActiveWindow(w);
}

// Runs step once the next modal dialog is up; then, unless the step closed
// it, the dialog is cancelled so that a failing step never hangs the test.
inline void whenModal(std::function<void(QDialog *)> step)
{
    QTimer::singleShot(0, [step] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        activate(dialog);
        (void)QTest::qWaitForWindowExposed(dialog);
        QCoreApplication::processEvents();
        try {
            step(dialog);
        } catch (const std::exception &e) {
            QTest::qFail(e.what(), __FILE__, __LINE__);
        }
        if (dialog->isVisible() && QApplication::activeModalWidget() == dialog)
            QTimer::singleShot(0, dialog, [dialog] {
                if (dialog->isVisible())
                    dialog->reject();
            });
    });
}

// A key pressed where the focus is.
inline void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeModalWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target) {
        QTest::qFail("no widget to take the key", __FILE__, __LINE__);
        return;
    }
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

inline void type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->clear();
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text); // key events carry Latin-1 only
}

inline void clickTitle(QAbstractItemView *view, int column)
{
    auto *table = qobject_cast<QTableView *>(view);
    QCoreApplication::processEvents();
    table->doItemsLayout();
    QHeaderView *h = table->horizontalHeader();
    const QPoint at(h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

inline void doubleClickRow(QAbstractItemView *view, int row)
{
    QCoreApplication::processEvents();
    view->doItemsLayout();
    const QRect r = view->visualRect(view->model()->index(row, 0));
    // A double click follows a press on the same row.
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

} // namespace dialogdriver
