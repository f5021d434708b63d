// Time to the first visible page of a search over a large table, and the
// memory the open search holds.
//   build/bench/bench_search [rows]        (default 1000000)
// Generates a table "BenchParty" (Code, Description, Blocked) with indexes on
// Code and Description in a temporary SQLite database, then runs the simple
// search dialog's statement through the lazily fetching grid model for
// several typed texts and a title-click order, and finally reads every row to
// show what an eager model would hold.
#include "Connection.h"
#include "DbGrid.h"
#include "FrSimpleSearch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

long rssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void report(const char *what, double ms, int rows, long kb)
{
    std::printf("%-46s %9.1f ms  rows in memory %8d  RSS %7ld KB\n", what, ms, rows, kb);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.db"));
    QFile(file).open(QIODevice::WriteOnly);
    data::ConnectionSettings s;
    s.filePath = file;
    data::Connection &c = data::Connection::open(QStringLiteral("DMDATA"), s);

    QElapsedTimer t;
    t.start();
    c.execute(QStringLiteral("create table BenchParty (Id integer primary key autoincrement, Code text collate "
                             "nocase not null, Description text collate nocase, Blocked text not null default 'N')"));
    data::Params p;
    p.set(QStringLiteral("N"), rows);
    c.startTransaction();
    c.execute(QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < :N) "
                             "insert into BenchParty (Code, Description, Blocked) select printf('P%07d', i), "
                             "printf('Party %07d %s', (i * 7919) % :N, substr('ABCDEFGHIJ', i % 10 + 1, 1)), "
                             "case when i % 50 = 0 then 'Y' else 'N' end from n"),
              p);
    c.execute(QStringLiteral("create index BenchParty_Code on BenchParty (Code)"));
    c.execute(QStringLiteral("create index BenchParty_Description on BenchParty (Description)"));
    c.commit();
    std::printf("generated %d rows in %.1f s; RSS %ld KB\n\n", rows, t.elapsed() / 1000.0, rssKb());

    framework::TFrSimpleSearch dialog;
    dialog.SearchCaption = QStringLiteral("bench");
    dialog.SearchTable = QStringLiteral("BenchParty");
    dialog.ExtraCondition = QStringLiteral("Blocked<>'Y'");
    dialog.show();
    QCoreApplication::processEvents();

    const auto search = [&](const char *what, const QString &typed) {
        dialog.Code->setText(typed);
        QElapsedTimer timer;
        timer.start();
        dialog.BtSearchClick();
        // The first page is painted once the grid has laid out its rows.
        dialog.DgSearch->viewport()->repaint();
        report(what, timer.nsecsElapsed() / 1e6, dialog.QSearch->rowCount(), rssKb());
    };
    search("blank filter, ordered by description", QString());
    search("contains \"1234\"", QStringLiteral("1234"));
    search("contains a rare text (\"0999999\")", QStringLiteral("0999999"));
    search("no match (scans the table)", QStringLiteral("no such party"));

    // A title click orders by the code column (result position 3), indexed;
    // it reruns the last search's parameters.
    search("blank filter again", QString());
    QElapsedTimer timer;
    timer.start();
    dialog.DgSearchTitleBtnClick(2);
    dialog.DgSearch->viewport()->repaint();
    report("title click: order by code", timer.nsecsElapsed() / 1e6, dialog.QSearch->rowCount(), rssKb());
    timer.restart();
    dialog.DgSearchTitleBtnClick(2);
    dialog.DgSearch->viewport()->repaint();
    report("title click again: order by code descending", timer.nsecsElapsed() / 1e6, dialog.QSearch->rowCount(),
           rssKb());

    // Scrolling to the end reads every row, as an eager model would at once.
    timer.restart();
    dialog.QSearch->fetchAll();
    report("every row read (what an eager model holds)", timer.nsecsElapsed() / 1e6, dialog.QSearch->rowCount(),
           rssKb());
    dialog.hide();
    dialog.QSearch->close();
    data::Connection::closeAll();
    return 0;
}
