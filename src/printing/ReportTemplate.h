#pragma once

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace printing {

// Font settings of a text object; empty or zero fields take the report's.
struct FontSpec {
    QString family;
    qreal size = 0;
    int bold = -1; // -1 inherit, 0 no, 1 yes
    int italic = -1;
    int underline = -1;
};

// One positioned object of a band; measures in millimetres from the band's
// top left corner.
struct ReportObject {
    enum Kind { Text, Line, Rect, Image };
    Kind kind = Text;
    QString name;
    QRectF rect;     // Line: from topLeft to bottomRight
    QString text;    // Text: literal text with [expressions]
    QString visible; // expression; empty = always
    FontSpec font;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    bool stretch = false;  // grows (with its band) to fit wrapped text
    QString numberFormat;  // picture for numeric results, e.g. "#,##0.00"
    QString dateFormat;    // for date results, e.g. "dd/MM/yyyy"
    QString frame;         // sides to draw: any of "l", "t", "r", "b", or "all"
    qreal lineWidth = 0.2; // millimetres
    QColor color = Qt::black;
    QColor fill;  // invalid = none
    QString file; // Image: file relative to the template's folder
    int sourceLine = 0;
};

// A horizontal strip of the report.
struct ReportBand {
    enum Type { Title, PageHeader, Header, GroupHeader, MasterData, GroupFooter, Footer, Summary, PageFooter };
    Type type = MasterData;
    QString name;
    qreal height = 0;
    QString dataset;              // MasterData, Header, GroupHeader, GroupFooter, Footer
    QString condition;            // GroupHeader/GroupFooter: expression whose change starts a group
    QString visible;              // expression; empty = always
    bool repeatOnNewPage = false; // Header: printed again on every page of its data
    bool newPageAfter = false;
    QList<ReportObject> objects;
    int sourceLine = 0;
};

// A named statement whose rows the bands read; its :Parameters are report
// variables.
struct ReportDataset {
    QString name;
    QString sql;
    int sourceLine = 0;
};

// A report template: page set-up, datasets and bands, as read from a file.
struct ReportTemplate {
    QString fileName;
    QString title;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    bool landscape = false;
    QMarginsF margins{10, 10, 10, 10}; // millimetres
    FontSpec font{QStringLiteral("Garuda"), 10, 0, 0, 0};
    QList<ReportDataset> datasets;
    QList<ReportBand> bands;

    // Reads a template file; throws ReportError naming the file and line when
    // it is missing or malformed.
    static ReportTemplate load(const QString &fileName);
    static ReportTemplate parse(const QByteArray &xml, const QString &fileName);

    // Page size in millimetres, orientation applied.
    QSizeF pageSizeMM() const;
};

} // namespace printing
