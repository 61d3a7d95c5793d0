// Opens 釣行記録 (the last logged day with its events) and 統計 over a data
// folder's log, for looking at them with real days: the simulator fills one
// (namiyose-sim --log-db <folder>/namiyose-log.sqlite --log-events). Not a
// test: run it by hand as chart_shots <data folder> [<folder for PNGs>]; with
// a PNG folder it draws the windows there and ends, without one it leaves
// them open on the screen. They speak the desktop's language (LANGUAGE=en
// for the English edition), as the game does with nothing chosen in 設定.
#include "charts/charts.h"
#include "daylog/store.h"
#include "support/shotsetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<QTranslator> words = drawAsTheGame();
    if (argc < 2) {
        std::fputs("usage: namiyose_chart_shots <data folder> [<folder for PNGs>]\n", stderr);
        return 2;
    }
    daylog::DayLogStore store;
    if (!store.open(daylog::DayLogStore::pathIn(QString::fromLocal8Bit(argv[1])))) {
        std::fprintf(stderr, "cannot open the log: %s\n", qPrintable(store.lastError()));
        return 1;
    }
    std::vector<daylog::LoggedDay> days = store.days();
    daylog::LoggedDay day;
    QStringList anglers;
    for (const daylog::LoggedDay &d : days) {
        if (!d.events.empty())
            day = d;
        if (!anglers.contains(d.angler))
            anglers << d.angler;
    }
    QWidget *log = charts::makeDayLog(nullptr, day);
    QWidget *stats = charts::makeStatistics(nullptr, [&store](const daylog::StatsFilter &f) { return store.stats(f); },
                                            anglers);
    log->move(0, 0);
    stats->move(20, 40);
    log->show();
    stats->show();
    if (argc < 3)
        return QApplication::exec();
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    QApplication::processEvents();
    log->grab().save(QDir(out).filePath(QStringLiteral("daylog.png")));
    stats->grab().save(QDir(out).filePath(QStringLiteral("stats.png")));
    if (auto *perHour = stats->findChild<QCheckBox *>(QStringLiteral("1時間あたりの釣果"))) {
        perHour->setChecked(true);
        // The old axes go at the next turn of the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        stats->grab().save(QDir(out).filePath(QStringLiteral("stats_per_hour.png")));
    }
    delete log;
    delete stats;
    return 0;
}
