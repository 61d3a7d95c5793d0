#pragma once

#include "cuesound.h"

#include <memory>

class QSoundEffect;
class QTemporaryFile;

// The bite cue on a QSoundEffect of its own. The wave is written once to a
// temporary file when the cue is first played (QSoundEffect plays from a
// URL) and removed with the device. Without an audio device it is silent.
class QtCueSound final : public CueSound
{
public:
    QtCueSound();
    ~QtCueSound() override;

protected:
    void play(qreal volume) override;

private:
    std::unique_ptr<QTemporaryFile> m_file;
    std::unique_ptr<QSoundEffect> m_effect;
};
