#include "ReportTemplate.h"

#include "ReportError.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

namespace printing {

namespace {

// Reads one template; every complaint names the file and the line.
class TemplateReader {
public:
    TemplateReader(const QByteArray &xml, const QString &fileName) : m_xml(xml), m_file(fileName) {}

    ReportTemplate read()
    {
        ReportTemplate t;
        t.fileName = m_file;
        if (!m_xml.readNextStartElement())
            fail(QStringLiteral("the file holds no report"));
        if (m_xml.name() != u"report")
            fail(QStringLiteral("the first element is <%1>, expected <report>").arg(m_xml.name()));
        readReport(t);
        if (m_xml.hasError())
            fail(m_xml.errorString());
        return t;
    }

private:
    [[noreturn]] void fail(const QString &what) const
    {
        throw ReportError(
            QStringLiteral("Report template %1, line %2: %3").arg(m_file).arg(m_xml.lineNumber()).arg(what));
    }

    void checkAttributes(const QStringList &allowed)
    {
        for (const QXmlStreamAttribute &a : m_xml.attributes())
            if (!allowed.contains(a.name().toString()))
                fail(QStringLiteral("unknown attribute \"%1\" on <%2>").arg(a.name(), m_xml.name()));
    }

    QString attr(const QString &name, const QString &fallback = {}) const
    {
        const auto a = m_xml.attributes();
        return a.hasAttribute(name) ? a.value(name).toString() : fallback;
    }

    qreal number(const QString &name, qreal fallback = 0)
    {
        const QString text = attr(name);
        if (text.isEmpty())
            return fallback;
        bool ok = false;
        const qreal v = text.toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("attribute \"%1\" must be a number, not \"%2\"").arg(name, text));
        return v;
    }

    int flag(const QString &name)
    {
        const QString text = attr(name).toLower();
        if (text.isEmpty())
            return -1;
        if (text == u"true" || text == u"yes" || text == u"1")
            return 1;
        if (text == u"false" || text == u"no" || text == u"0")
            return 0;
        fail(QStringLiteral("attribute \"%1\" must be true or false, not \"%2\"").arg(name, text));
    }

    QColor colour(const QString &name, const QColor &fallback)
    {
        const QString text = attr(name);
        if (text.isEmpty())
            return fallback;
        const QColor c = QColor::fromString(text);
        if (!c.isValid())
            fail(QStringLiteral("attribute \"%1\" is not a colour: \"%2\"").arg(name, text));
        return c;
    }

    FontSpec font(const FontSpec &base)
    {
        FontSpec f = base;
        f.family = attr("font", base.family);
        f.size = number("fontSize", base.size);
        for (auto [field, key] : {std::pair{&f.bold, "bold"}, {&f.italic, "italic"}, {&f.underline, "underline"}}) {
            const int v = flag(key);
            if (v >= 0)
                *field = v;
        }
        return f;
    }

    void readReport(ReportTemplate &t)
    {
        checkAttributes({"title", "page", "orientation", "pageWidth", "pageHeight", "marginLeft", "marginTop",
                         "marginRight", "marginBottom", "font", "fontSize", "bold", "italic", "underline"});
        t.title = attr("title");
        const QString page = attr("page", "A4").toUpper();
        static const QHash<QString, QPageSize::PageSizeId> sizes{{"A4", QPageSize::A4},
                                                                 {"A5", QPageSize::A5},
                                                                 {"A3", QPageSize::A3},
                                                                 {"LETTER", QPageSize::Letter},
                                                                 {"LEGAL", QPageSize::Legal}};
        if (page == u"CUSTOM") {
            const QSizeF size(number("pageWidth"), number("pageHeight"));
            if (size.width() <= 0 || size.height() <= 0)
                fail(QStringLiteral("a custom page needs pageWidth and pageHeight in millimetres"));
            t.pageSize = QPageSize(size, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
        } else if (sizes.contains(page)) {
            t.pageSize = QPageSize(sizes.value(page));
        } else {
            fail(QStringLiteral("unknown page \"%1\" (A3, A4, A5, Letter, Legal or Custom)").arg(page));
        }
        const QString orientation = attr("orientation", "portrait").toLower();
        if (orientation != u"portrait" && orientation != u"landscape")
            fail(QStringLiteral("orientation must be portrait or landscape"));
        t.landscape = orientation == u"landscape";
        t.margins = QMarginsF(number("marginLeft", 10), number("marginTop", 10), number("marginRight", 10),
                              number("marginBottom", 10));
        t.font = font(t.font);

        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"dataset")
                t.datasets.append(readDataset());
            else if (m_xml.name() == u"band")
                t.bands.append(readBand(t.font));
            else
                fail(QStringLiteral("unknown element <%1> in <report>").arg(m_xml.name()));
        }
    }

    ReportDataset readDataset()
    {
        checkAttributes({"name"});
        ReportDataset d;
        d.sourceLine = int(m_xml.lineNumber());
        d.name = attr("name");
        if (d.name.isEmpty())
            fail(QStringLiteral("a <dataset> needs a name"));
        d.sql = m_xml.readElementText().trimmed();
        if (d.sql.isEmpty())
            fail(QStringLiteral("dataset \"%1\" has no statement").arg(d.name));
        return d;
    }

    ReportBand readBand(const FontSpec &reportFont)
    {
        checkAttributes({"type", "name", "height", "dataset", "condition", "visible", "repeat", "newPageAfter"});
        static const QHash<QString, ReportBand::Type> types{
            {"title", ReportBand::Title},           {"pageHeader", ReportBand::PageHeader},
            {"header", ReportBand::Header},         {"groupHeader", ReportBand::GroupHeader},
            {"masterData", ReportBand::MasterData}, {"groupFooter", ReportBand::GroupFooter},
            {"footer", ReportBand::Footer},         {"summary", ReportBand::Summary},
            {"pageFooter", ReportBand::PageFooter}};
        ReportBand b;
        b.sourceLine = int(m_xml.lineNumber());
        const QString type = attr("type");
        if (!types.contains(type))
            fail(QStringLiteral("unknown band type \"%1\"").arg(type));
        b.type = types.value(type);
        b.name = attr("name", type);
        b.height = number("height");
        b.dataset = attr("dataset");
        b.condition = attr("condition");
        b.visible = attr("visible");
        b.repeatOnNewPage = flag("repeat") == 1;
        b.newPageAfter = flag("newPageAfter") == 1;
        const bool needsDataset = b.type == ReportBand::MasterData || b.type == ReportBand::Header ||
                                  b.type == ReportBand::GroupHeader || b.type == ReportBand::GroupFooter ||
                                  b.type == ReportBand::Footer;
        if (needsDataset && b.dataset.isEmpty())
            fail(QStringLiteral("band \"%1\" needs a dataset").arg(b.name));
        if ((b.type == ReportBand::GroupHeader || b.type == ReportBand::GroupFooter) && b.condition.isEmpty())
            fail(QStringLiteral("group band \"%1\" needs a condition").arg(b.name));

        while (m_xml.readNextStartElement())
            b.objects.append(readObject(reportFont));
        return b;
    }

    ReportObject readObject(const FontSpec &reportFont)
    {
        ReportObject o;
        o.sourceLine = int(m_xml.lineNumber());
        const QString element = m_xml.name().toString();
        o.name = attr("name", element);
        o.visible = attr("visible");
        o.lineWidth = number("lineWidth", 0.2);
        o.color = colour("color", Qt::black);
        if (element == u"line") {
            checkAttributes({"name", "visible", "lineWidth", "color", "x1", "y1", "x2", "y2"});
            o.kind = ReportObject::Line;
            o.rect = QRectF(QPointF(number("x1"), number("y1")), QPointF(number("x2"), number("y2")));
            m_xml.skipCurrentElement();
            return o;
        }
        const QStringList box{"name", "visible", "lineWidth", "color", "x", "y", "width", "height", "fill"};
        o.rect = QRectF(number("x"), number("y"), number("width"), number("height"));
        o.fill = colour("fill", QColor());
        if (element == u"rect") {
            checkAttributes(box);
            o.kind = ReportObject::Rect;
            m_xml.skipCurrentElement();
        } else if (element == u"image") {
            checkAttributes(box + QStringList{"file"});
            o.kind = ReportObject::Image;
            o.file = attr("file");
            m_xml.skipCurrentElement();
        } else if (element == u"text") {
            checkAttributes(box + QStringList{"font", "fontSize", "bold", "italic", "underline", "align", "valign",
                                              "wrap", "stretch", "format", "dateFormat", "frame"});
            o.kind = ReportObject::Text;
            o.font = font(reportFont);
            o.align = alignment();
            o.wordWrap = flag("wrap") == 1;
            o.stretch = flag("stretch") == 1;
            o.numberFormat = attr("format");
            o.dateFormat = attr("dateFormat");
            o.frame = attr("frame").toLower();
            o.text = m_xml.readElementText();
        } else {
            fail(QStringLiteral("unknown object <%1> in a band").arg(element));
        }
        return o;
    }

    Qt::Alignment alignment()
    {
        static const QHash<QString, Qt::Alignment> horizontal{{"left", Qt::AlignLeft},
                                                              {"center", Qt::AlignHCenter},
                                                              {"right", Qt::AlignRight},
                                                              {"justify", Qt::AlignJustify}};
        static const QHash<QString, Qt::Alignment> vertical{
            {"top", Qt::AlignTop}, {"middle", Qt::AlignVCenter}, {"bottom", Qt::AlignBottom}};
        const QString h = attr("align", "left"), v = attr("valign", "middle");
        if (!horizontal.contains(h))
            fail(QStringLiteral("align must be left, center, right or justify, not \"%1\"").arg(h));
        if (!vertical.contains(v))
            fail(QStringLiteral("valign must be top, middle or bottom, not \"%1\"").arg(v));
        return horizontal.value(h) | vertical.value(v);
    }

    QXmlStreamReader m_xml;
    QString m_file;
};

} // namespace

ReportTemplate ReportTemplate::parse(const QByteArray &xml, const QString &fileName)
{
    return TemplateReader(xml, fileName).read();
}

ReportTemplate ReportTemplate::load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.exists())
        throw ReportError(QStringLiteral("Report template %1 does not exist").arg(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("Report template %1 cannot be read: %2").arg(fileName, file.errorString()));
    return parse(file.readAll(), QFileInfo(fileName).absoluteFilePath());
}

QSizeF ReportTemplate::pageSizeMM() const
{
    const QSizeF size = pageSize.size(QPageSize::Millimeter);
    return landscape ? size.transposed() : size;
}

} // namespace printing
