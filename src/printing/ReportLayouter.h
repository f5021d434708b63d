#pragma once

#include "ExpressionEvaluator.h"
#include "PreparedReport.h"
#include "ReportTemplate.h"

#include <QHash>
#include <QImage>

namespace printing {

// Lays a template out into pages: title, page header and footer on every
// page, master data bands once per row of their dataset with their headers,
// group bands and footers, then the summary. Bands move to a new page when
// they do not fit; stretching texts make their band taller.
class ReportLayouter {
public:
    ReportLayouter(const ReportTemplate &reportTemplate, const QHash<QString, DatasetRows> &datasets,
                   ExpressionEvaluator &evaluator);

    // totalPages: the page count a previous pass found (0 when unknown); it
    // is what "TotalPages" gives.
    PreparedReport run(int totalPages);

    // Whether any expression of the template asks for the page count, so
    // that a second pass is needed.
    static bool usesTotalPages(const ReportTemplate &reportTemplate);

private:
    struct PlacedBand {
        QList<PageItem> items; // relative to the band's top left
        qreal height = 0;
    };

    void layoutBody();
    void layoutMaster(const ReportBand &master);
    void place(const ReportBand &band);
    PlacedBand render(const ReportBand &band);
    PageItem renderObject(const ReportObject &object, const QString &where);
    void startPage();
    void finishPage();
    void setPageVariables();
    QList<const ReportBand *> bandsOf(ReportBand::Type type, const QString &dataset = {}) const;
    QString where(const ReportBand &band, const ReportObject *object = nullptr) const;
    QFont fontOf(const FontSpec &style) const;
    qreal textHeight(const QString &text, const QFont &font, qreal widthMM, int flags) const;

    const ReportTemplate &m_template;
    const QHash<QString, DatasetRows> &m_datasets;
    ExpressionEvaluator &m_eval;
    QImage m_measureDevice;
    QHash<QString, QImage> m_images;

    PreparedReport m_report;
    int m_totalPages = 0;
    qreal m_y = 0;
    qreal m_bottom = 0;
    bool m_pageOpen = false;
    bool m_pageHasBody = false;
    bool m_breakBeforeNext = false;
    const ReportBand *m_repeatHeader = nullptr;
};

} // namespace printing
