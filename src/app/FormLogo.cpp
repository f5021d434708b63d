#include "FormLogo.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace app {

TFormLogo::TFormLogo(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormLogo"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(301, 166);
    setCursor(Qt::PointingHandCursor);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFormLogo::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0, 0, 160));

    // A globe with two trade arrows around it.
    const QRectF globe(22, 33, 100, 100);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(QColor(40, 110, 220));
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 235, 255), 1.5));
    p.drawEllipse(globe.adjusted(28, 0, -28, 0));
    p.drawLine(QPointF(globe.center().x(), globe.top()), QPointF(globe.center().x(), globe.bottom()));
    p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
    p.drawLine(QPointF(globe.left() + 10, globe.top() + 28), QPointF(globe.right() - 10, globe.top() + 28));
    p.drawLine(QPointF(globe.left() + 10, globe.bottom() - 28), QPointF(globe.right() - 10, globe.bottom() - 28));

    p.setPen(QPen(QColor(255, 200, 0), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(globe.adjusted(-10, -10, 10, 10), 30 * 16, 120 * 16);
    p.drawArc(globe.adjusted(-10, -10, 10, 10), 210 * 16, 120 * 16);

    QFont title = font();
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(135, 40, 160, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("FR Trade"));
    QFont sub = font();
    sub.setPixelSize(16);
    p.setFont(sub);
    p.drawText(QRectF(135, 85, 160, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("โปรแกรมต่างประเทศ"));
    p.setPen(QColor(255, 200, 0));
    p.drawLine(QPointF(135, 82), QPointF(285, 82));
}

} // namespace app
