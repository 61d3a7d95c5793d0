#pragma once

#include "busyday.h"
#include "daylog/store.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cstdio>

// A day log of many busy days for 統計, built fast: 1,000 busy days of four
// anglers on every raft and tide saved through the store (figures only, as
// the simulator saves them), then their rows copied, with new ids, until the
// log holds the days asked for, in one transaction.
namespace statslog {

inline bool copyRows(QSqlQuery &q, const QString &table, const QString &idColumn, qint64 offset, qint64 upTo)
{
    QStringList columns;
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table)))
        return false;
    QStringList selected;
    while (q.next()) {
        columns << q.value(1).toString();
        selected << (columns.back() == idColumn ? QStringLiteral("%1 + %2").arg(idColumn).arg(offset) : columns.back());
    }
    return q.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1 WHERE %4 <= %5")
                      .arg(table, columns.join(QLatin1Char(',')), selected.join(QLatin1Char(',')), idColumn)
                      .arg(upTo));
}

// Builds the log at path (a new file) with the given number of days; false,
// told on standard error, when it cannot.
inline bool build(const QString &path, qint64 dayCount)
{
    {
        daylog::DayLogStore store;
        if (!store.open(path)) {
            std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(path), qPrintable(store.lastError()));
            return false;
        }
        const QString anglers[] = {QStringLiteral("太郎"), QStringLiteral("花子"), QStringLiteral("次郎"),
                                   QStringLiteral("浜の釣り人")};
        for (int i = 0; i < 1000 && i < dayCount; ++i) {
            daylog::LoggedDay day = busyday::make(unsigned(i) + 1, anglers[i % 4], 1 + (i / 4) % 5, 1 + i % 12);
            day.dayFileName.clear();
            if (store.saveDay(day, daylog::DayLogStore::Keep::FiguresOnly) <= 0) {
                std::fprintf(stderr, "cannot save a day: %s\n", qPrintable(store.lastError()));
                return false;
            }
        }
    }
    const QString connection = QStringLiteral("statslog-build");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok && q.exec(QStringLiteral("BEGIN"));
        for (qint64 have = 1000; ok && have < dayCount; have *= 2) {
            const qint64 more = std::min(have, dayCount - have);
            ok = copyRows(q, QStringLiteral("days"), QStringLiteral("id"), have, more)
                && copyRows(q, QStringLiteral("day_summaries"), QStringLiteral("day_id"), have, more);
        }
        ok = ok && q.exec(QStringLiteral("COMMIT"));
        if (!ok)
            std::fprintf(stderr, "cannot copy the days: %s\n", qPrintable(q.lastError().text()));
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

} // namespace statslog
