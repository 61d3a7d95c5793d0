// A disk that fills up in the middle of a save, a registration or a pruning:
// every write call the game makes is failed in turn with ENOSPC, and each
// time the player must be told and every file must stay as it was.

#include "support/todayscatch.h"
#include "diskfixture.h"

#include "app/screens.h"
#include "mainscreen/form1.h"
#include "prep/anglerlist.h"
#include "prep/form3.h"
#include "rankings/form6.h"
#include "rankings/prune.h"
#include "records/catchtexts.h"
#include "records/dayend.h"
#include "records/form5.h"
#include "support/testgame.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

using namespace diskfixture;

// ---- the full disk ----
// The game's own write calls are replaced here (this program's definitions
// come before the C library's for every library it loads). Once armed, calls
// on files under one folder are counted, and the chosen one fails.
namespace fulldisk {

std::atomic<bool> armed{false};
QByteArray root; // only calls on files below this folder count
int failAt = 0; // 1-based; 0 counts only
int calls = 0;
QByteArray failedOn; // the file of the failed call

QByteArray pathOf(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[4096];
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    return n > 0 ? QByteArray(target, int(n)) : QByteArray();
}

// True when this call must fail.
bool strike(const QByteArray &path)
{
    if (!armed.load() || !path.startsWith(root))
        return false;
    if (++calls != failAt)
        return false;
    failedOn = path;
    errno = ENOSPC;
    return true;
}

bool strikeFd(int fd)
{
    return armed.load() && strike(pathOf(fd));
}

template <class F>
F real(const char *name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

void arm(const QString &folder, int at)
{
    root = QFile::encodeName(QFileInfo(folder).canonicalFilePath());
    failAt = at;
    calls = 0;
    failedOn.clear();
    armed = true;
}

int disarm()
{
    armed = false;
    return calls;
}

} // namespace fulldisk

extern "C" {

ssize_t write(int fd, const void *buffer, size_t n)
{
    static const auto next = fulldisk::real<ssize_t (*)(int, const void *, size_t)>("write");
    return fulldisk::strikeFd(fd) ? -1 : next(fd, buffer, n);
}

ssize_t writev(int fd, const struct iovec *parts, int count)
{
    static const auto next = fulldisk::real<ssize_t (*)(int, const struct iovec *, int)>("writev");
    return fulldisk::strikeFd(fd) ? -1 : next(fd, parts, count);
}

ssize_t pwrite(int fd, const void *buffer, size_t n, off_t at)
{
    static const auto next = fulldisk::real<ssize_t (*)(int, const void *, size_t, off_t)>("pwrite");
    return fulldisk::strikeFd(fd) ? -1 : next(fd, buffer, n, at);
}

ssize_t pwrite64(int fd, const void *buffer, size_t n, off64_t at)
{
    static const auto next = fulldisk::real<ssize_t (*)(int, const void *, size_t, off64_t)>("pwrite64");
    return fulldisk::strikeFd(fd) ? -1 : next(fd, buffer, n, at);
}

int fsync(int fd)
{
    static const auto next = fulldisk::real<int (*)(int)>("fsync");
    return fulldisk::strikeFd(fd) ? -1 : next(fd);
}

int fdatasync(int fd)
{
    static const auto next = fulldisk::real<int (*)(int)>("fdatasync");
    return fulldisk::strikeFd(fd) ? -1 : next(fd);
}

int ftruncate(int fd, off_t length)
{
    static const auto next = fulldisk::real<int (*)(int, off_t)>("ftruncate");
    return fulldisk::strikeFd(fd) ? -1 : next(fd, length);
}

int rename(const char *from, const char *to)
{
    static const auto next = fulldisk::real<int (*)(const char *, const char *)>("rename");
    return fulldisk::strike(QByteArray(to)) ? -1 : next(from, to);
}

int link(const char *from, const char *to)
{
    static const auto next = fulldisk::real<int (*)(const char *, const char *)>("link");
    return fulldisk::strike(QByteArray(to)) ? -1 : next(from, to);
}

} // extern "C"

namespace {

const QString angler = QStringLiteral("釣人Ａ");
const QString other = QStringLiteral("磯野");

// What a run under the full disk left.
struct Run
{
    QMap<QString, QByteArray> before, after;
    QStringList messages;
    int calls = 0;
    QByteArray failedOn;
};

// A data folder with something in every file: an angler list, a record file
// and its copy, one earlier day file.
void fillDataFolder(const QString &dataDir, int recordLines)
{
    put(anglerListPath(dataDir), QByteArray(" 2 \r\n") + cp(angler) + "\r\n" + cp(other) + "\r\n");
    QList<QByteArray> lines;
    for (int n = 0; n < recordLines; ++n)
        lines << cp(dayLine(n, n % 3 ? angler : other));
    lines << cp(QStringLiteral("手で書き足した行"));
    put(datafiles::RecordFilePath(dataDir), datafiles::RecordFileBytes(lines));
    put(prune::BackupPath(dataDir), QByteArray("1\r\n") + lines.first() + "\r\n");
    put(dataDir + QLatin1Char('/') + angler + QStringLiteral("/2002年10月01日07時00分001大浜.txt"),
        cp(QStringLiteral("大浜\r\nチヌ  30センチ\r\n")));
}

enum class Operation { Save, Registration, Pruning };

Run runUnderFullDisk(Operation operation, int failAt)
{
    Run run;
    TestGame t;
    GameState &s = t.state();
    s.AppDir = t.dir();
    const QString dataDir = datafiles::DataDirectory(t.dir());
    fillDataFolder(dataDir, operation == Operation::Pruning ? 260 : 20);

    switch (operation) {
    case Operation::Save: {
        s.AnglerName = angler;
        s.SpotNo = 2;
        s.TargetFish = daylog::Fish::Chinu;
        s.TargetCode = 1;
        Form1 &form1 = t.screens().form1();
        form1.Label8->setText(QStringLiteral("北の離れ"));
        listFish(form1, CatchEntry(QStringLiteral("チヌ"), 41));
        listFish(form1, CatchEntry(QStringLiteral("チヌ"), 33));
        form1.dayEnd().釣果を保存Click();
        Form5 &form5 = *t.screens().loadedForm5();
        t.dialogs.clear();
        run.before = snapshot(dataDir);
        fulldisk::arm(dataDir, failAt);
        form5.SaveToday();
        break;
    }
    case Operation::Registration: {
        Form3 &form3 = t.screens().form3();
        form3.Combo3->setEditText(QStringLiteral("新顔"));
        t.dialogs.clear();
        run.before = snapshot(dataDir);
        fulldisk::arm(dataDir, failAt);
        form3.RegisterAngler();
        break;
    }
    case Operation::Pruning: {
        Form6 &form6 = t.screens().form6();
        t.dialogs.clear();
        run.before = snapshot(dataDir);
        fulldisk::arm(dataDir, failAt);
        t.dialogs.answer(AnswerYes);
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&form6, &activation);
        break;
    }
    }
    run.calls = fulldisk::disarm();
    run.failedOn = fulldisk::failedOn;
    run.after = snapshot(dataDir);
    run.messages = t.dialogs.texts();
    return run;
}

bool reportsSuccess(Operation operation, const QStringList &messages)
{
    const QString success = operation == Operation::Save ? catchtexts::SavedFirst()
        : operation == Operation::Pruning                 ? QStringLiteral("削除後のデータ数は")
                                                          : QString();
    if (operation == Operation::Registration)
        return messages.isEmpty();
    for (const QString &message : messages)
        if (message.contains(success))
            return true;
    return false;
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT
private slots:
    void everyWriteCallFailsSafely_data();
    void everyWriteCallFailsSafely();
};

void TestFullDisk::everyWriteCallFailsSafely_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("save: day file and record line") << int(Operation::Save);
    QTest::newRow("registration: the angler list") << int(Operation::Registration);
    QTest::newRow("pruning: the copy and the record file") << int(Operation::Pruning);
}

void TestFullDisk::everyWriteCallFailsSafely()
{
    QFETCH(int, operation);
    const auto op = Operation(operation);

    // With room on the disk: the write calls the operation makes.
    const Run fine = runUnderFullDisk(op, 0);
    QVERIFY2(reportsSuccess(op, fine.messages), qPrintable(fine.messages.join(QLatin1Char('|'))));
    QVERIFY(fine.after != fine.before);
    QVERIFY(fine.calls >= 4);

    for (int at = 1; at <= fine.calls; ++at) {
        const Run run = runUnderFullDisk(op, at);
        const QByteArray where = QByteArray("call ") + QByteArray::number(at) + " on " + run.failedOn;
        QVERIFY2(!run.failedOn.isEmpty(), where.constData());
        if (reportsSuccess(op, run.messages)) {
            // Only a lock file's own flush may fail without harm (the lock
            // is held all the same); then the result is the whole new one.
            QVERIFY2(run.failedOn.endsWith(".lock"), where.constData());
            QCOMPARE(run.after, fine.after);
            continue;
        }
        QVERIFY2(!run.messages.isEmpty(), where.constData());
        if (run.after != run.before) {
            for (auto it = run.before.cbegin(); it != run.before.cend(); ++it)
                QVERIFY2(run.after.value(it.key()) == it.value(), QByteArray(where + " changed " + it.key().toUtf8()).constData());
            for (auto it = run.after.cbegin(); it != run.after.cend(); ++it)
                QVERIFY2(run.before.contains(it.key()), QByteArray(where + " left " + it.key().toUtf8()).constData());
        }
    }
}

QTEST_MAIN(TestFullDisk)
#include "test_fulldisk.moc"
