// Opens 統計 over a day log as the game does (the log opened, the window
// built, its figures summed and drawn once) and ends, so that its time and
// peak memory can be measured from outside, e.g. with /usr/bin/time -v:
//
//   bench_stats_window --fill 100000 /tmp/log-100000.sqlite   # builds a log
//   bench_stats_window /tmp/log-100000.sqlite                 # opens 統計 over it
//   bench_stats_window --no-window /tmp/log-10.sqlite         # the program alone
//   bench_stats_window /tmp/log-100000.sqlite --png stats.png # and keeps a picture of it
#include "charts/charts.h"
#include "daylog/store.h"
#include "statslog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("--fill")) {
        QFile::remove(args[2]);
        return statslog::build(args[2], args[1].toLongLong()) ? 0 : 1;
    }
    const bool window = !args.removeAll(QStringLiteral("--no-window"));
    QString png;
    if (const qsizetype at = args.indexOf(QStringLiteral("--png")); at >= 0 && at + 1 < args.size()) {
        png = args[at + 1];
        args.remove(at, 2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: bench_stats_window [--no-window] LOG [--png FILE] | --fill DAYS LOG\n");
        return 2;
    }
    if (!window)
        return 0;

    QElapsedTimer clock;
    clock.start();
    daylog::DayLogStore store;
    if (!store.open(args[0])) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(args[0]), qPrintable(store.lastError()));
        return 1;
    }
    const qint64 opened = clock.elapsed();
    std::unique_ptr<QWidget> stats(charts::showStatistics(
        nullptr, [&store](const daylog::StatsFilter &filter) { return store.stats(filter); },
        {QStringLiteral("太郎"), QStringLiteral("花子"), QStringLiteral("次郎"), QStringLiteral("浜の釣り人")}));
    QCoreApplication::processEvents();
    const QPixmap drawn = stats->grab();
    std::printf("log opened in %lld ms, 統計 shown in %lld ms (%dx%d)\n", opened, clock.elapsed(), drawn.width(),
                drawn.height());
    if (!png.isEmpty() && !drawn.save(png))
        return 1;
    return 0;
}
