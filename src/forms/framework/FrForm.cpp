#include "FrForm.h"

#include "DmConfig.h"
#include "Prompter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace framework {

namespace {

const QColor ExitGreen(0, 128, 0);

QFont formFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Loma"),
                      QStringLiteral("Garuda"), QStringLiteral("Sans Serif")});
    font.setPixelSize(13);
    return font;
}

bool isEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

TFrForm::TFrForm(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FrForm"));
    setFont(formFont());

    AcNew = makeAction(QStringLiteral("AcNew"), QStringLiteral("New"), QStringLiteral("New Record"), Qt::Key_F3,
                       QStyle::SP_FileIcon);
    AcDel = makeAction(QStringLiteral("AcDel"), QStringLiteral("Delete"), QStringLiteral("Delete Record"), Qt::Key_F8,
                       QStyle::SP_TrashIcon);
    AcSave = makeAction(QStringLiteral("AcSave"), QStringLiteral("Save"), QStringLiteral("Save Record"), Qt::Key_F10,
                        QStyle::SP_DialogSaveButton);
    AcHist = makeAction(QStringLiteral("AcHist"), QStringLiteral("Hist."), QStringLiteral("Show History"),
                        QKeySequence(Qt::CTRL | Qt::Key_H), QStyle::SP_FileDialogDetailedView);
    AcCopy = makeAction(QStringLiteral("AcCopy"), QStringLiteral("Copy"), QStringLiteral("Copy Record"), Qt::Key_F6,
                        QStyle::SP_FileDialogNewFolder);
    AcPrint = makeAction(QStringLiteral("AcPrint"), QStringLiteral("Print"), QStringLiteral("Print Record"),
                         QKeySequence(Qt::CTRL | Qt::Key_P), QStyle::SP_DriveFDIcon);
    AcExit = makeAction(QStringLiteral("AcExit"), QStringLiteral("Exit"), QStringLiteral("Exit Program"),
                        QKeySequence(Qt::CTRL | Qt::Key_X), QStyle::SP_DialogCloseButton);
    AcChgCode = makeAction(QStringLiteral("AcChgCode"), QStringLiteral("Chg Code"), QString(), Qt::Key_F12,
                           QStyle::SP_BrowserReload);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("FormClient"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *panel = new QFrame(central);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    Panel2 = panel;
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(42);
    auto *panelLayout = new QHBoxLayout(Panel2);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    ToolBar1 = new QToolBar(Panel2);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->setStyleSheet(QStringLiteral("QToolBar { border: none; }"));
    panelLayout->addWidget(ToolBar1);

    BNew = makeButton(QStringLiteral("BNew"), AcNew);
    BDel = makeButton(QStringLiteral("BDel"), AcDel);
    BSave = makeButton(QStringLiteral("BSave"), AcSave);
    BChgCode = makeButton(QStringLiteral("BChgCode"), AcChgCode);
    BHist = makeButton(QStringLiteral("BHist"), AcHist);
    BCopy = makeButton(QStringLiteral("BCopy"), AcCopy);
    BPrint = makeButton(QStringLiteral("BPrint"), AcPrint);
    BExit = makeButton(QStringLiteral("BExit"), AcExit);

    m_client = new QWidget(central);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    layout->addWidget(Panel2);
    layout->addWidget(m_client, 1);
    setCentralWidget(central);

    ChgCode = new QLineEdit(QStringLiteral("CHGCODE"), m_client);
    ChgCode->setObjectName(QStringLiteral("ChgCode"));
    ChgCode->hide();
    connect(ChgCode, &QLineEdit::textEdited, ChgCode, [this](const QString &text) {
        if (text != text.toUpper()) {
            const int cursor = ChgCode->cursorPosition();
            ChgCode->setText(text.toUpper());
            ChgCode->setCursorPosition(cursor);
        }
    });

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = new QLabel(StatusBar1);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        StatusBar1->addWidget(m_panels[i], i == 0 ? 3 : 1);
    }
    setStatusBar(StatusBar1);

    connect(AcNew, &QAction::triggered, this, [this] { AcNewExecute(); });
    connect(AcSave, &QAction::triggered, this, [this] { AcSaveExecute(); });
    connect(AcDel, &QAction::triggered, this, [this] { AcDelExecute(); });
    connect(AcExit, &QAction::triggered, this, [this] { AcExitExecute(); });

    setClientSize(632, 421);
    qApp->installEventFilter(this);
}

QAction *TFrForm::makeAction(const QString &name, const QString &caption, const QString &hint,
                             const QKeySequence &shortcut, QStyle::StandardPixmap icon)
{
    auto *action = new QAction(style()->standardIcon(icon), caption, this);
    action->setObjectName(name);
    action->setToolTip(hint.isEmpty() ? caption : hint);
    action->setStatusTip(hint);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action); // the shortcut works on the whole window, button shown or not
    return action;
}

QToolButton *TFrForm::makeButton(const QString &name, QAction *action, QAction *before)
{
    auto *button = new QToolButton(ToolBar1);
    button->setObjectName(name);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedHeight(36);
    button->setMinimumWidth(44);
    m_buttonActions.insert(button, before ? ToolBar1->insertWidget(before, button) : ToolBar1->addWidget(button));
    return button;
}

QToolButton *TFrForm::addToolButton(QAction *action, const QString &buttonName)
{
    if (!actions().contains(action))
        addAction(action);
    return makeButton(buttonName, action, m_buttonActions.value(BExit));
}

void TFrForm::setStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < 2)
        m_panels[panel]->setText(text);
}

QString TFrForm::statusText(int panel) const
{
    return panel >= 0 && panel < 2 ? m_panels[panel]->text() : QString();
}

void TFrForm::setClientSize(int width, int height)
{
    setFixedSize(width, height);
}

void TFrForm::setButtonVisible(QToolButton *button, bool visible)
{
    if (QAction *holder = m_buttonActions.value(button))
        holder->setVisible(visible);
}

bool TFrForm::isButtonVisible(QToolButton *button) const
{
    const QAction *holder = m_buttonActions.value(button);
    return holder && holder->isVisible();
}

void TFrForm::FormShow()
{
    QApplication::setApplicationDisplayName(windowTitle());
    for (QToolButton *b : {BHist, BCopy, BPrint, BChgCode})
        setButtonVisible(b, false);
    TFrForm::AcNewExecute();
}

void TFrForm::AcNewExecute()
{
    ChgCode->hide();
    AcSave->setEnabled(false);
    AcDel->setEnabled(false);
    AcChgCode->setEnabled(false);
    KeyPreview = true;
}

void TFrForm::AcExitExecute()
{
    close();
}

bool TFrForm::FormKeyDown(QKeyEvent *event)
{
    if (isEnter(event)) {
        focusNextChild();
        return true;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        AcExitExecute();
        return true;
    }
    return false;
}

bool TFrForm::FormKeyPress(QKeyEvent *event)
{
    return isEnter(event);
}

void TFrForm::FormClose(QCloseEvent *event)
{
    const QString prompt =
        app::TDMConfig::instance().ThaiPrompts ? QStringLiteral("ออกจากโปรแกรม ?") : QStringLiteral("Exit Program ?");
    if (app::Prompter::instance().confirm(prompt, ExitGreen, Qt::white))
        event->accept();
    else
        event->ignore();
}

void TFrForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
}

void TFrForm::closeEvent(QCloseEvent *event)
{
    FormClose(event);
    if (event->isAccepted())
        emit formClosed();
}

bool TFrForm::ownsWidget(QObject *object) const
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && widget->window() == this;
}

bool TFrForm::isActionShortcut(QKeyEvent *event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (const QAction *action : actions())
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed)
            return true;
    return false;
}

bool TFrForm::eventFilter(QObject *watched, QEvent *event)
{
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!keyEvent || !KeyPreview || !ownsWidget(watched))
        return QMainWindow::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::ShortcutOverride && isActionShortcut(key)) {
        // The window's actions come before a control's own use of the key
        // (Ctrl+X exits also inside an edit).
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress && (FormKeyDown(key) || FormKeyPress(key)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace framework
