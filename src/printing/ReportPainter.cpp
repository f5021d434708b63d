#include "ReportPainter.h"

#include "ReportError.h"

#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace printing {

namespace {

constexpr qreal kTextPadding = 0.5;

// Millimetres to device pixels.
class DeviceScale {
public:
    explicit DeviceScale(const QPaintDevice &device)
        : m_x(device.logicalDpiX() / 25.4), m_y(device.logicalDpiY() / 25.4)
    {}
    QPointF point(QPointF mm) const { return {mm.x() * m_x, mm.y() * m_y}; }
    QRectF rect(const QRectF &mm) const { return {point(mm.topLeft()), point(mm.bottomRight())}; }
    qreal length(qreal mm) const { return mm * m_x; }

private:
    qreal m_x, m_y;
};

QPen penFor(const PageItem &item, const DeviceScale &scale)
{
    QPen pen(item.color);
    pen.setWidthF(std::max<qreal>(scale.length(item.lineWidth), 1.0));
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

void paintFrame(QPainter &painter, const PageItem &item, const QRectF &r, const DeviceScale &scale)
{
    if (item.frame.isEmpty())
        return;
    painter.setPen(penFor(item, scale));
    const bool all = item.frame == u"all";
    if (all || item.frame.contains(u'l'))
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (all || item.frame.contains(u't'))
        painter.drawLine(r.topLeft(), r.topRight());
    if (all || item.frame.contains(u'r'))
        painter.drawLine(r.topRight(), r.bottomRight());
    if (all || item.frame.contains(u'b'))
        painter.drawLine(r.bottomLeft(), r.bottomRight());
}

} // namespace

void ReportPainter::paintPage(QPainter &painter, const ReportPage &page)
{
    const DeviceScale scale(*painter.device());
    for (const PageItem &item : page.items) {
        const QRectF r = scale.rect(item.rect);
        switch (item.kind) {
        case PageItem::Line:
            painter.setPen(penFor(item, scale));
            painter.drawLine(r.topLeft(), r.bottomRight());
            break;
        case PageItem::Rect:
            painter.setPen(item.lineWidth > 0 ? penFor(item, scale) : QPen(Qt::NoPen));
            painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(r);
            painter.setBrush(Qt::NoBrush);
            break;
        case PageItem::Image:
            painter.drawImage(r, item.image);
            break;
        case PageItem::Text: {
            if (item.fill.isValid())
                painter.fillRect(r, item.fill);
            painter.setFont(item.font);
            painter.setPen(item.color);
            const qreal pad = scale.length(kTextPadding);
            painter.drawText(r.adjusted(pad, 0, -pad, 0), item.flags, item.text);
            paintFrame(painter, item, r, scale);
            break;
        }
        }
    }
}

void ReportPainter::paintAll(QPagedPaintDevice &device, const PreparedReport &report, int fromPage, int toPage)
{
    const int first = fromPage > 0 ? fromPage - 1 : 0;
    const int last = toPage > 0 ? std::min(toPage, report.pageCount()) - 1 : report.pageCount() - 1;
    QPainter painter;
    if (!painter.begin(&device))
        throw ReportError(QStringLiteral("The report \"%1\" cannot be painted on this device").arg(report.title));
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = first; i <= last; ++i) {
        if (i > first)
            device.newPage();
        paintPage(painter, report.pages[i]);
    }
    painter.end();
}

void ReportPainter::exportPdf(const PreparedReport &report, const QString &fileName)
{
    {
        QFile probe(fileName);
        if (!probe.open(QIODevice::WriteOnly))
            throw ReportError(
                QStringLiteral("The PDF file %1 cannot be written: %2").arg(fileName, probe.errorString()));
    }
    QPdfWriter writer(fileName);
    writer.setResolution(600);
    writer.setTitle(report.title);
    writer.setCreator(QStringLiteral("frtrade"));
    writer.setPageLayout(report.pageLayout);
    paintAll(writer, report);
}

} // namespace printing
