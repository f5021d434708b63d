#include "ReportLayouter.h"

#include "ReportError.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QSet>
#include <cmath>

namespace printing {

namespace {

constexpr qreal kMeasureDpi = 1200;
// Texts keep this distance from the left and right edges of their box.
constexpr qreal kTextPadding = 0.5;

} // namespace

QStringList PreparedReport::texts() const
{
    QStringList out;
    for (const ReportPage &page : pages)
        for (const PageItem &item : page.items)
            if (item.kind == PageItem::Text && !item.text.isEmpty())
                out << item.text;
    return out;
}

ReportLayouter::ReportLayouter(const ReportTemplate &reportTemplate, const QHash<QString, DatasetRows> &datasets,
                               ExpressionEvaluator &evaluator)
    : m_template(reportTemplate), m_datasets(datasets), m_eval(evaluator), m_measureDevice(1, 1, QImage::Format_RGB32)
{
    const int dotsPerMeter = qRound(kMeasureDpi / 0.0254);
    m_measureDevice.setDotsPerMeterX(dotsPerMeter);
    m_measureDevice.setDotsPerMeterY(dotsPerMeter);
}

bool ReportLayouter::usesTotalPages(const ReportTemplate &reportTemplate)
{
    for (const ReportBand &band : reportTemplate.bands) {
        if (band.visible.contains(QStringLiteral("TotalPages")))
            return true;
        for (const ReportObject &o : band.objects)
            if (o.text.contains(QStringLiteral("TotalPages")) || o.visible.contains(QStringLiteral("TotalPages")))
                return true;
    }
    return false;
}

PreparedReport ReportLayouter::run(int totalPages)
{
    m_report = PreparedReport();
    m_report.title = m_template.title;
    m_report.pageLayout =
        QPageLayout(m_template.pageSize, m_template.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    m_totalPages = totalPages;
    m_repeatHeader = nullptr;
    m_breakBeforeNext = false;
    for (const DatasetRows &d : m_datasets)
        m_eval.setRow(d.name, 0);
    m_eval.setVariable("TotalPages", totalPages);
    m_eval.setVariable("Line", 0);
    m_eval.setVariable("Date", QDateTime::currentDateTime());

    startPage();
    layoutBody();
    finishPage();
    return m_report;
}

QList<const ReportBand *> ReportLayouter::bandsOf(ReportBand::Type type, const QString &dataset) const
{
    QList<const ReportBand *> out;
    for (const ReportBand &b : m_template.bands)
        if (b.type == type && (dataset.isEmpty() || b.dataset.compare(dataset, Qt::CaseInsensitive) == 0))
            out << &b;
    return out;
}

QString ReportLayouter::where(const ReportBand &band, const ReportObject *object) const
{
    QString text = QStringLiteral("Report template %1, band \"%2\" (line %3)")
                       .arg(m_template.fileName, band.name)
                       .arg(band.sourceLine);
    if (object)
        text += QStringLiteral(", object \"%1\" (line %2)").arg(object->name).arg(object->sourceLine);
    return text;
}

void ReportLayouter::layoutBody()
{
    QSet<QString> masters;
    for (const ReportBand &band : m_template.bands) {
        if (band.type == ReportBand::MasterData) {
            if (!m_datasets.contains(band.dataset.toUpper()))
                throw ReportError(where(band) + QStringLiteral(": there is no dataset \"%1\"").arg(band.dataset));
            masters.insert(band.dataset.toUpper());
        }
    }
    for (const ReportBand &band : m_template.bands) {
        switch (band.type) {
        case ReportBand::Title:
        case ReportBand::Summary:
            place(band);
            break;
        case ReportBand::MasterData:
            layoutMaster(band);
            break;
        case ReportBand::Header:
        case ReportBand::GroupHeader:
        case ReportBand::GroupFooter:
        case ReportBand::Footer:
            if (!masters.contains(band.dataset.toUpper()))
                throw ReportError(where(band) +
                                  QStringLiteral(": no master data band reads dataset \"%1\"").arg(band.dataset));
            break;
        case ReportBand::PageHeader:
        case ReportBand::PageFooter:
            break;
        }
    }
}

void ReportLayouter::layoutMaster(const ReportBand &master)
{
    const QString dataset = master.dataset;
    const int rows = int(m_datasets.value(dataset.toUpper()).rows.size());
    const auto groupHeaders = bandsOf(ReportBand::GroupHeader, dataset);
    const auto groupFooters = bandsOf(ReportBand::GroupFooter, dataset);
    QStringList conditions;
    for (const auto *b : groupHeaders + groupFooters)
        if (!conditions.contains(b->condition))
            conditions << b->condition;

    auto placeGroupBands = [&](const QList<const ReportBand *> &bands, int level) {
        for (const auto *b : bands)
            if (b->condition == conditions[level])
                place(*b);
    };
    auto setRow = [&](int row) {
        m_eval.setRow(dataset, row);
        m_eval.setVariable("Line", row + 1);
    };

    setRow(0);
    for (const auto *header : bandsOf(ReportBand::Header, dataset)) {
        place(*header);
        if (header->repeatOnNewPage)
            m_repeatHeader = header;
    }

    QStringList previous;
    for (int row = 0; row < rows; ++row) {
        setRow(row);
        QStringList values;
        for (const QString &c : conditions)
            values << m_eval.toText(m_eval.evaluate(c, where(master)), {}, {});
        qsizetype changed = row == 0 ? 0 : conditions.size();
        for (qsizetype level = 0; row > 0 && level < conditions.size(); ++level) {
            if (values[level] != previous[level]) {
                changed = level;
                break;
            }
        }
        if (row > 0 && changed < conditions.size()) {
            setRow(row - 1);
            for (qsizetype level = conditions.size() - 1; level >= changed; --level)
                placeGroupBands(groupFooters, int(level));
            setRow(row);
        }
        for (qsizetype level = changed; level < conditions.size(); ++level)
            placeGroupBands(groupHeaders, int(level));
        place(master);
        previous = values;
    }
    if (rows > 0)
        for (qsizetype level = conditions.size() - 1; level >= 0; --level)
            placeGroupBands(groupFooters, int(level));
    m_repeatHeader = nullptr;
    for (const auto *footer : bandsOf(ReportBand::Footer, dataset))
        place(*footer);
}

void ReportLayouter::setPageVariables()
{
    m_eval.setVariable("Page", int(m_report.pages.size()));
}

void ReportLayouter::startPage()
{
    m_report.pages.append(ReportPage());
    m_pageOpen = true;
    setPageVariables();
    const QSizeF page = m_template.pageSizeMM();
    m_y = m_template.margins.top();
    qreal footerHeight = 0;
    for (const auto *footer : bandsOf(ReportBand::PageFooter))
        footerHeight += footer->height;
    m_bottom = page.height() - m_template.margins.bottom() - footerHeight;

    auto placeHere = [&](const ReportBand &band) {
        if (!m_eval.isTrue(band.visible, where(band)))
            return;
        PlacedBand placed = render(band);
        for (PageItem item : placed.items) {
            item.rect.translate(m_template.margins.left(), m_y);
            m_report.pages.last().items.append(item);
        }
        m_y += placed.height;
    };
    for (const auto *header : bandsOf(ReportBand::PageHeader))
        placeHere(*header);
    if (m_repeatHeader)
        placeHere(*m_repeatHeader);
    m_pageHasBody = false;
}

void ReportLayouter::finishPage()
{
    if (!m_pageOpen)
        return;
    qreal y = m_bottom;
    for (const auto *footer : bandsOf(ReportBand::PageFooter)) {
        if (!m_eval.isTrue(footer->visible, where(*footer)))
            continue;
        PlacedBand placed = render(*footer);
        for (PageItem item : placed.items) {
            item.rect.translate(m_template.margins.left(), y);
            m_report.pages.last().items.append(item);
        }
        y += footer->height;
    }
    m_pageOpen = false;
}

void ReportLayouter::place(const ReportBand &band)
{
    if (!m_eval.isTrue(band.visible, where(band)))
        return;
    if (m_breakBeforeNext) {
        m_breakBeforeNext = false;
        finishPage();
        startPage();
    }
    PlacedBand placed = render(band);
    // A band taller than an empty page is placed anyway (and cut) rather
    // than asking for new pages for ever.
    if (m_y + placed.height > m_bottom + 1e-6 && m_pageHasBody) {
        finishPage();
        startPage();
        placed = render(band);
    }
    for (PageItem item : placed.items) {
        item.rect.translate(m_template.margins.left(), m_y);
        m_report.pages.last().items.append(item);
    }
    m_y += placed.height;
    m_pageHasBody = true;
    if (band.newPageAfter)
        m_breakBeforeNext = true;
}

ReportLayouter::PlacedBand ReportLayouter::render(const ReportBand &band)
{
    PlacedBand placed;
    placed.height = band.height;
    for (const ReportObject &object : band.objects) {
        const QString at = where(band, &object);
        if (!m_eval.isTrue(object.visible, at))
            continue;
        PageItem item = renderObject(object, at);
        if (item.kind != PageItem::Line)
            placed.height = std::max(placed.height, item.rect.bottom());
        placed.items.append(item);
    }
    // Boxes that reach down to the band's bottom grow with a stretched band,
    // so that the cells of a table row keep one height.
    if (placed.height > band.height + 0.01) {
        for (PageItem &item : placed.items)
            if ((item.kind == PageItem::Text || item.kind == PageItem::Rect) &&
                std::abs(item.rect.bottom() - band.height) < 0.01)
                item.rect.setBottom(placed.height);
    }
    return placed;
}

PageItem ReportLayouter::renderObject(const ReportObject &object, const QString &where)
{
    PageItem item;
    item.rect = object.rect;
    item.color = object.color;
    item.fill = object.fill;
    item.lineWidth = object.lineWidth;
    switch (object.kind) {
    case ReportObject::Line:
        item.kind = PageItem::Line;
        break;
    case ReportObject::Rect:
        item.kind = PageItem::Rect;
        break;
    case ReportObject::Image: {
        item.kind = PageItem::Image;
        const QString path = QFileInfo(m_template.fileName).absoluteDir().filePath(object.file);
        if (!m_images.contains(path)) {
            QImage image(path);
            if (image.isNull())
                throw ReportError(where + QStringLiteral(": the picture %1 cannot be read").arg(path));
            m_images.insert(path, image);
        }
        item.image = m_images.value(path);
        break;
    }
    case ReportObject::Text:
        item.kind = PageItem::Text;
        item.text = m_eval.expand(object, where);
        item.font = fontOf(object.font);
        item.flags = int(object.align) | (object.wordWrap ? int(Qt::TextWordWrap) : 0);
        item.frame = object.frame;
        if (object.stretch) {
            const qreal needed = textHeight(item.text, item.font, object.rect.width() - 2 * kTextPadding, item.flags);
            if (needed > object.rect.height() + 0.1)
                item.rect.setHeight(needed + 0.5);
        }
        break;
    }
    return item;
}

QFont ReportLayouter::fontOf(const FontSpec &style) const
{
    QFont font(style.family);
    font.setPointSizeF(style.size > 0 ? style.size : 10);
    font.setBold(style.bold == 1);
    font.setItalic(style.italic == 1);
    font.setUnderline(style.underline == 1);
    return font;
}

qreal ReportLayouter::textHeight(const QString &text, const QFont &font, qreal widthMM, int flags) const
{
    const QFontMetricsF metrics(font, &m_measureDevice);
    const qreal widthPx = widthMM * kMeasureDpi / 25.4;
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, widthPx, 1e7), flags & ~Qt::AlignVertical_Mask, text);
    return bounds.height() * 25.4 / kMeasureDpi;
}

} // namespace printing
