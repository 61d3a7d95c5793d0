#include "qtcuesound.h"

#include <QDir>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>

QtCueSound::QtCueSound() = default;

QtCueSound::~QtCueSound() = default;

void QtCueSound::play(qreal volume)
{
    if (!m_effect) {
        m_file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/namiyose-cue-XXXXXX.wav"));
        const QByteArray wave = CueSound::wave();
        if (!m_file->open() || m_file->write(wave) != wave.size() || !m_file->flush())
            return; // no cue rather than a broken one; the next bite tries again
        m_file->close();
        m_effect = std::make_unique<QSoundEffect>();
        m_effect->setSource(QUrl::fromLocalFile(m_file->fileName()));
    }
    m_effect->setVolume(float(volume));
    if (m_effect->isPlaying())
        m_effect->stop();
    m_effect->play();
}
