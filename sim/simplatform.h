#pragma once

#include "platform/clock.h"
#include "platform/cuesound.h"
#include "platform/dialogs.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/platform.h"
#include "platform/textfiles.h"
#include "platform/timer.h"

#include <QHash>
#include <QSet>

#include <functional>
#include <random>

// The pieces a simulated day plays on: chance from a seeded stream, an
// angler who answers every message box, no sound, and files kept in memory.

// One stream of chance per day. The game reseeds from the clock at every
// drop; here the day's stream simply goes on, so that a run can be repeated.
class SimRandom final : public RandomSource
{
public:
    explicit SimRandom(quint64 seed) : m_engine(seed) {}
    double next() override { return double(m_engine() >> 11) * 0x1.0p-53; }
    void reseed(quint64) override { ++m_reseeds; }
    int reseeds() const { return m_reseeds; }

private:
    std::mt19937_64 m_engine;
    int m_reseeds = 0;
};

// Answers every message at once by its first button (OK, or Yes), as an
// angler who presses Enter would.
class SimDialogs final : public Dialogs
{
public:
    using Dialogs::Dialogs;

protected:
    int show(const MessageRecord &message) override;
};

// A clock that stands still, in UTC: the game reads it at every drop to
// reseed, and a local time would cost a time-zone lookup each time.
class SimClock final : public Clock
{
public:
    QDateTime now() const override { return m_now; }

private:
    QDateTime m_now{QDate(2002, 10, 5), QTime(7, 0), Qt::UTC};
};

// No audio at all: every command succeeds and nothing plays.
class SilentSound final : public SoundDevice
{
public:
    bool open(const QString &path) override;
    bool play() override { return m_open; }
    void stop() override {}
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }

private:
    bool m_open = false;
};

// A file system in memory: the days of a run never touch the disk.
class MemoryFiles final : public FileSystem
{
public:
    std::optional<QByteArray> readAll(const QString &path) const override;
    bool writeAll(const QString &path, const QByteArray &bytes, QString *error = nullptr) override;
    bool createNew(const QString &path, const QByteArray &bytes, bool *taken = nullptr,
                   QString *error = nullptr) override;
    bool linkFile(const QString &from, const QString &to, bool *unsupported = nullptr) override;
    bool renameFile(const QString &from, const QString &to) override;
    FileLock lock(const QString &, int) override { return FileLock::held(); }
    bool exists(const QString &path) const override;
    bool isDirectory(const QString &path) const override;
    bool makeDirectory(const QString &path) override;
    bool copyFile(const QString &from, const QString &to) override;
    bool removeFile(const QString &path) override;
    QStringList listFiles(const QString &directory) const override;

private:
    QHash<QString, QByteArray> m_files;
    QSet<QString> m_dirs;
};

// Everything a simulated day plays on, in one piece: virtual time, the
// day's own stream of chance, boxes read at once, no sound, files in memory.
struct SimPlatform
{
    explicit SimPlatform(quint64 seed)
        : random(seed)
        , platform{scheduler, dialogs, random, clock, sound, cue, files, dirs()}
    {
    }
    SimPlatform(const SimPlatform &) = delete;
    SimPlatform &operator=(const SimPlatform &) = delete;

    static ProgramDirs dirs();

    VirtualScheduler scheduler;
    SimDialogs dialogs{scheduler};
    SimRandom random;
    SimClock clock;
    SilentSound sound;
    SilentCue cue;
    MemoryFiles files;
    Platform platform;
};
