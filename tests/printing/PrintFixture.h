#pragma once

#include "Connection.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

// A throw-away company database ("DMDATA") with the few tables printing
// reads, and helpers to write templates and read PDF text back.
namespace printfixture {

inline data::Connection &openCompany(const QTemporaryDir &dir)
{
    const QString file = dir.filePath("company.db");
    QFile::remove(file);
    QFile(file).open(QIODevice::WriteOnly);
    data::ConnectionSettings s;
    s.filePath = file;
    data::Connection &db = data::Connection::open("DMDATA", s);
    db.execute("create table Config (Id integer primary key, AutoGenGL char(1), OnhandDecimal integer,"
               " UnitLeft text, UnitRight text)");
    db.execute("insert into Config (Id, AutoGenGL, OnhandDecimal, UnitLeft, UnitRight) values (1, 'N', null, '', '')");
    db.execute("create table ProductUnits (Id integer primary key, Product integer, UnitName text,"
               " Fraction integer, SmallUnitFlag char(1), StockUnitFlag char(1))");
    db.execute("insert into ProductUnits values (1, 10, 'PCS', 1, 'Y', 'N')");
    db.execute("insert into ProductUnits values (2, 10, 'BOX', 12, 'N', 'Y')");
    db.execute("insert into ProductUnits values (3, 20, 'KG', 1, 'Y', 'N')");
    db.execute("insert into ProductUnits values (4, 20, 'SACK', 50, 'N', 'N')");
    db.execute(
        "create table Doc (Id integer primary key, DocNo text, DocDate datetime, CustName text, Amount numeric)");
    db.execute("insert into Doc values (1, 'R0001', '2026-03-01 00:00:00', 'Siam Export Co.', 1234.5)");
    db.execute("create table DocLine (Id integer primary key, DocNo text, LineNo integer, Grp text,"
               " Descr text, Amount numeric)");
    return db;
}

inline void addLines(data::Connection &db, const QString &docNo, int count)
{
    db.startTransaction();
    for (int i = 1; i <= count; ++i) {
        data::Params p;
        p.set("DocNo", docNo);
        p.set("LineNo", i);
        p.set("Grp", QStringLiteral("G%1").arg((i - 1) / 3 + 1));
        p.set("Descr", QStringLiteral("Item %1").arg(i));
        p.set("Amount", i * 10.25);
        db.execute("insert into DocLine (DocNo, LineNo, Grp, Descr, Amount) values (:DocNo, :LineNo, :Grp, :Descr,"
                   " :Amount)",
                   p);
    }
    db.commit();
}

inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QString &text)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(text.toUtf8());
    return path;
}

// The text of a PDF as pdftotext reads it (layout kept), pages separated by
// form feeds.
inline QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// PDF text extraction loses Thai tone marks and other combining marks whose
// glyphs the font substitutes (shifted forms), and may put blanks inside
// words (shifted marks come out as private-use characters); compare Thai
// texts without those marks and blanks.
inline QString thaiBase(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool mark = u == 0x0E31 || (u >= 0x0E34 && u <= 0x0E3A) || (u >= 0x0E47 && u <= 0x0E4E) ||
                          (u >= 0xF700 && u <= 0xF71F); // the fonts' shifted marks
        if (!mark && !c.isSpace())
            out += c;
    }
    return out;
}

} // namespace printfixture
