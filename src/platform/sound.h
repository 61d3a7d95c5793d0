#pragma once

#include <QString>
#include <QStringList>

// One wave device with one alias: at most one sound is open at a time.
// An open while a sound is open fails; stop and close of nothing do nothing.
// Without an audio device it stays silent and never blocks.
class SoundDevice
{
public:
    virtual ~SoundDevice();

    // Takes a command string of the four forms the game sends:
    // "open <path> type waveaudio alias WaveFile", "play WaveFile",
    // "stop WaveFile", "close WaveFile". Returns 0 on success, non-zero
    // otherwise (the game keeps the code and never tests it).
    int send(const QString &command);

    virtual bool open(const QString &path) = 0;
    virtual bool play() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
};

// Keeps the commands it was given and what was open, for tests.
class RecordingSound final : public SoundDevice
{
public:
    bool open(const QString &path) override;
    bool play() override;
    void stop() override;
    void close() override;
    bool isOpen() const override { return !m_openPath.isEmpty(); }

    QString openPath() const { return m_openPath; }
    bool playing() const { return m_playing; }
    // "open <path>", "play", "stop", "close" in the order they came.
    const QStringList &log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    // Paths of every sound that was played, in order.
    const QStringList &played() const { return m_played; }

private:
    QString m_openPath;
    bool m_playing = false;
    QStringList m_log;
    QStringList m_played;
};
