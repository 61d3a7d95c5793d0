// The day buttons of the past-records browser: the 魚拓 and the 釣行記録 of
// the chosen saved day, by mouse or by keys.
#include "app/game.h"
#include "app/screens.h"
#include "comforts/gyotaku.h"
#include "daylog/store.h"
#include "prep/anglerlist.h"
#include "rankings/form6.h"
#include "records/browserpane.h"
#include "records/datafiles.h"
#include "records/recordline.h"
#include "support/testgame.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QString A = QStringLiteral("釣人Ａ");
const QString PlayedDay = QStringLiteral("2002年10月05日14時30分002大浜.txt");

QWidget *topLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

} // namespace

class TestBrowserButtons : public QObject
{
    Q_OBJECT
private slots:
    void theChosenDaysPicturesOpen_data();
    void theChosenDaysPicturesOpen();
};

void TestBrowserButtons::theChosenDaysPicturesOpen_data()
{
    QTest::addColumn<bool>("byKeys");
    QTest::newRow("chosen by the mouse") << false;
    QTest::newRow("chosen by the arrow keys") << true;
}

void TestBrowserButtons::theChosenDaysPicturesOpen()
{
    QFETCH(bool, byKeys);
    TestGame t;
    t.state().AppDir = t.dir();
    const QString data = datafiles::DataDirectory(t.dir());
    QVERIFY(writeAnglerNames(t.files, data, {A}));
    QVERIFY(datafiles::EnsureDirectory(t.files, datafiles::AnglerDirectory(data, A)));
    QVERIFY(datafiles::WriteDayFile(t.files, data, A, PlayedDay, QStringLiteral("大浜"),
                                    {CatchEntry(QStringLiteral("チヌ"), 45), CatchEntry(QStringLiteral("チヌ"), 38)}));
    QVERIFY(datafiles::AddRecordLine(t.files, data,
                                     datafiles::FormatRecordLine(QStringLiteral("2002年10月05日14時30分"), 45, 1, 2, 83, A)));
    {
        daylog::DayLogStore store;
        QVERIFY(store.open(daylog::DayLogStore::pathIn(data)));
        daylog::LoggedDay logged;
        logged.angler = A;
        logged.raft = 1;
        logged.targetFish = QStringLiteral("チヌ");
        logged.date = QStringLiteral("2002-10-05");
        logged.endHour = QStringLiteral("17");
        logged.dayFileName = PlayedDay;
        QVERIFY(store.saveDay(logged) > 0);
    }

    Form6 &screen = t.screens().form6();
    t.screens().show(screen);
    BrowserPane &pane = *screen.browser;
    auto *gyotaku = screen.findChild<QPushButton *>(QStringLiteral("魚拓"));
    auto *dayLog = screen.findChild<QPushButton *>(QStringLiteral("釣行記録"));
    QVERIFY(gyotaku && dayLog);
    QVERIFY(!gyotaku->isEnabled() && !dayLog->isEnabled());

    pane.Combo2->setCurrentIndex(0);
    emit pane.Combo2->activated(0);
    QCOMPARE(pane.List1->count(), 1);
    QVERIFY(!gyotaku->isEnabled() && !dayLog->isEnabled());
    if (byKeys) {
        // Tabbing in marks the first day without choosing it: nothing is offered yet.
        screen.show();
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        pane.List1->setFocus(Qt::TabFocusReason);
        QCOMPARE(pane.List1->currentRow(), 0);
        QVERIFY(!gyotaku->isEnabled() && !dayLog->isEnabled());
        QTest::keyClick(pane.List1, Qt::Key_Space);
    } else {
        const QRect row = pane.List1->visualItemRect(pane.List1->item(0));
        QTest::mouseClick(pane.List1->viewport(), Qt::LeftButton, {}, row.center());
    }
    QCOMPARE(pane.List1->currentRow(), 0);
    QVERIFY(gyotaku->isEnabled());
    QVERIFY(dayLog->isEnabled());
    // The 魚拓 is of the day chosen: its angler, longest chinu, raft and date.
    const comforts::GyotakuRecord record = comforts::gyotakuOfSavedDay(pane);
    QCOMPARE((QList<QVariant>{record.angler, record.lengthCm, record.raft, record.date}),
             (QList<QVariant>{A, 45, QStringLiteral("大浜"), QDate(2002, 10, 5)}));

    dayLog->click();
    QWidget *log = topLevel(QStringLiteral("釣行記録"));
    QVERIFY2(log, qPrintable(t.dialogs.texts().join(u'|')));
    log->close();
    gyotaku->click();
    QWidget *picture = topLevel(QStringLiteral("魚拓"));
    QVERIFY2(picture, qPrintable(t.dialogs.texts().join(u'|')));
    picture->close();
}

QTEST_MAIN(TestBrowserButtons)
#include "test_browserbuttons.moc"
