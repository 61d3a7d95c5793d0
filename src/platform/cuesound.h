#pragma once

#include "sound.h"

#include <QByteArray>
#include <QList>

// The bite cue: a short sound when the rod tip is held down and the strike
// window opens, for a player who listens rather than watches. It has a
// channel of its own, beside the game's one wave device, so that it never
// takes that device's alias from the music or the effects. Off unless the
// player turns it on in 設定; it plays at the effects' level.
class CueSound
{
public:
    virtual ~CueSound();

    void setOn(bool on) { m_on = on; }
    bool isOn() const { return m_on; }

    // Plays the cue once at the effects' volume of levels: nothing when it is
    // off, muted or the effects are at nought. A cue still sounding starts over.
    void cue(const SoundLevels &levels);

    // The cue's wave, made here rather than kept as a file: a quick falling
    // "plip" of about a tenth of a second, 16-bit PCM mono at 22050 Hz.
    static QByteArray wave();

protected:
    virtual void play(qreal volume) = 0;

private:
    bool m_on = false;
};

// For the simulator and tests that have no ears.
class SilentCue final : public CueSound
{
protected:
    void play(qreal) override {}
};

// Keeps the volume of every cue played, for tests.
class RecordingCue final : public CueSound
{
public:
    const QList<qreal> &played() const { return m_played; }

protected:
    void play(qreal volume) override { m_played << volume; }

private:
    QList<qreal> m_played;
};
