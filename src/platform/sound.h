#pragma once

#include <QString>
#include <QStringList>

// The player's sound levels, 0..100 each; muted silences everything.
// The defaults are the game's own sound: everything at full volume.
struct SoundLevels
{
    int music = 100;
    int effects = 100;
    bool muted = false;
    bool operator==(const SoundLevels &) const = default;
};

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

    // The player's levels. A sound whose level is nought is never opened:
    // its open and play succeed and nothing sounds, so music turned off is
    // not started again by the music timer, and leaves the device free.
    void setLevels(const SoundLevels &levels);
    const SoundLevels &levels() const { return m_levels; }
    // The tune and the fanfare are music; the bite and the loss are effects.
    static bool isMusic(const QString &path);
    // The volume, 0..1, that the sound at path plays at.
    qreal volumeFor(const QString &path) const;

    virtual bool open(const QString &path) = 0;
    virtual bool play() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

protected:
    // Called after the levels change, to set the open sound's volume.
    virtual void levelsChanged() {}

private:
    SoundLevels m_levels;
    bool m_silentOpen = false; // an open of a sound turned off
};

// Keeps the commands it was given and what was open, for tests.
class RecordingSound final : public SoundDevice
{
public:
    bool open(const QString &path) override;
    // A play while the sound plays goes on with it (it does not start again).
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
