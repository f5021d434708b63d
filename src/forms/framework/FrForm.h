#pragma once

#include <QHash>
#include <QMainWindow>
#include <QStyle>

class QAction;
class QLabel;
class QLineEdit;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace framework {

// The base document window: a tool bar of record actions with their function
// keys, a status bar of two panels, Enter to the next field, and Escape and
// the close box through the exit question. Derived document windows put their
// controls into clientArea(), replace the virtual handlers and call the base
// versions themselves.
class TFrForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrForm(QWidget *parent = nullptr);

    // The kind of document the window holds ("R", "BR", "P", "BP", "B"),
    // written by start-up before the window is shown.
    QString DocKind;
    // The window sees keys before its controls (Enter, Escape).
    bool KeyPreview = true;

    QWidget *Panel2;
    QToolBar *ToolBar1;
    QToolButton *BNew, *BDel, *BSave, *BChgCode, *BHist, *BCopy, *BPrint, *BExit;
    QStatusBar *StatusBar1;
    QLineEdit *ChgCode;
    QAction *AcNew, *AcDel, *AcSave, *AcHist, *AcCopy, *AcPrint, *AcExit, *AcChgCode;

    // The area below the tool bar where a document window builds its controls.
    QWidget *clientArea() const { return m_client; }
    // The text of a status-bar panel (0 or 1).
    void setStatusText(int panel, const QString &text);
    QString statusText(int panel) const;
    // The fixed size of the window's client area (the base is 632 x 421).
    void setClientSize(int width, int height);
    // Shows or hides a tool button; its action and shortcut stay.
    void setButtonVisible(QToolButton *button, bool visible);
    bool isButtonVisible(QToolButton *button) const;
    // Adds a tool button for an extra action, before BExit; the action's
    // shortcut works on the whole window.
    QToolButton *addToolButton(QAction *action, const QString &buttonName);

    // Handlers; a derived window replaces them and calls the base version.
    virtual void FormShow();
    virtual void AcNewExecute();
    virtual void AcSaveExecute() {}
    virtual void AcDelExecute() {}
    virtual void AcExitExecute();
    // Keys seen before the controls; true when the key was used up.
    virtual bool FormKeyDown(QKeyEvent *event);
    virtual bool FormKeyPress(QKeyEvent *event);
    // The exit question; event->ignore() keeps the window open.
    virtual void FormClose(QCloseEvent *event);

signals:
    // The window was closed (the exit question answered Yes).
    void formClosed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *makeAction(const QString &name, const QString &caption, const QString &hint, const QKeySequence &shortcut,
                        QStyle::StandardPixmap icon);
    QToolButton *makeButton(const QString &name, QAction *action, QAction *before = nullptr);
    bool ownsWidget(QObject *object) const;
    bool isActionShortcut(QKeyEvent *event) const;

    QWidget *m_client;
    QLabel *m_panels[2];
    QHash<QToolButton *, QAction *> m_buttonActions;
};

} // namespace framework
