// Memory of a run that plays day after day with 次の釣行へ: the heap in use
// and the resident size after each day, from the settings screen through a whole day to the
// saved catch, on virtual time and files in memory. Prints figures; asserts
// nothing.
#include "simplatform.h"

#include "app/game.h"
#include "app/screens.h"
#include "mainscreen/form1.h"
#include "prep/form3.h"
#include "records/dayend.h"
#include "records/form5.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPixmapCache>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <malloc.h>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int days = argc > 1 ? QByteArray(argv[1]).toInt() : 20;
    // NO_PIXMAP_CACHE=1 turns Qt's pixmap cache off, to tell what the game
    // keeps from what the style keeps of the buttons it has drawn.
    if (qEnvironmentVariableIsSet("NO_PIXMAP_CACHE"))
        QPixmapCache::setCacheLimit(0);

    SimPlatform sim(7);
    VirtualScheduler &scheduler = sim.scheduler;
    Game game(sim.platform);
    Screens &screens = game.screens();

    long first = 0;
    for (int day = 1; day <= days; ++day) {
        Form3 &settings = screens.form3();
        settings.Combo3->setEditText(QStringLiteral("Ken"));
        settings.OpenRaftChoice();
        settings.Option3->setChecked(true);
        settings.ShowTargetList();
        settings.Combo1->setCurrentIndex(0);
        settings.ShowEndTimes();
        settings.Combo2->setCurrentIndex(0);
        settings.CrossToRaft();
        Form1 &f = screens.form1();
        f.setRig(daylog::Leader::No2, daylog::Hook::No4, daylog::Bait::Okiami);
        f.StartDay();
        // The angler drops and breaks whenever he can and strikes when the
        // tip is held down, a tenth of a second at a time, until the boatman.
        for (qint64 t = 0; t < 4 * 3600 * 1000 && !f.day().ending; t += 100) {
            scheduler.advance(100);
            if (f.day().landedOnShow)
                f.Command4->click();
            else if (f.Command3->isEnabled() && f.Timer竿の動き->interval() == 2000)
                f.Command3->click();
            else if (f.Command2->isEnabled())
                f.Command2->click();
            else if (f.Command1->isEnabled())
                f.Command1->click();
            QCoreApplication::processEvents();
        }
        const std::size_t caught = f.day().catches.size();
        if (caught > 0) {
            f.dayEnd().釣果を保存Click();
            Form5 &today = *screens.loadedForm5();
            today.次の釣行へ->click();
        } else {
            game.startNextDay();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        // The heap in use tells a leak; the resident size also counts what
        // the allocator keeps for reuse. Qt's style keeps its drawn button
        // faces in the pixmap cache, which is bounded (10 MB) and would hide
        // what a day leaves behind: it is emptied before each count.
        QPixmapCache::clear();
        malloc_trim(0);
        const long inUse = long(mallinfo2().uordblks / 1024);
        const long rss = residentKiB();
        if (day == 1)
            first = inUse;
        std::printf("day %2d: %3zu fish, %lld widgets, heap in use %ld KiB (%+.1f %% of day 1), resident %ld KiB\n", day, caught, (long long)QApplication::allWidgets().size(),
                    inUse, first > 0 ? 100.0 * double(inUse - first) / double(first) : 0.0, rss);
    }
    return 0;
}
