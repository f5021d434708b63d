#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>

namespace printing {

// One thing to draw on a laid-out page; positions in millimetres from the
// paper's top left corner.
struct PageItem {
    enum Kind { Text, Line, Rect, Image };
    Kind kind = Text;
    QRectF rect; // Line: from topLeft to bottomRight
    QString text;
    QFont font;
    int flags = 0; // Qt::Alignment | Qt::TextWordWrap
    QColor color = Qt::black;
    QColor fill;
    qreal lineWidth = 0.2;
    QString frame; // any of "l", "t", "r", "b", or "all"
    QImage image;
};

struct ReportPage {
    QList<PageItem> items;
};

// A report laid out once into pages; preview, printing and PDF export all
// paint these same pages.
struct PreparedReport {
    QString title;
    QPageLayout pageLayout; // paper and orientation; margins are zero
    QList<ReportPage> pages;

    int pageCount() const { return int(pages.size()); }
    // Every text of the report, page by page (tests, searches).
    QStringList texts() const;
};

} // namespace printing
