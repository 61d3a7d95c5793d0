#pragma once

#include "sound.h"

class QSoundEffect;

// The wave device on Qt Multimedia's QSoundEffect. Without an audio device
// the effect stays silent; nothing here ever waits on it.
class QtSoundDevice final : public SoundDevice
{
public:
    QtSoundDevice();
    ~QtSoundDevice() override;

    bool open(const QString &path) override;
    bool play() override;
    void stop() override;
    void close() override;
    bool isOpen() const override { return !m_path.isEmpty(); }

protected:
    void levelsChanged() override;

private:
    QSoundEffect *m_effect = nullptr;
    QString m_path;
};
