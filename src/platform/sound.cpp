#include "sound.h"

SoundDevice::~SoundDevice() = default;

void SoundDevice::setLevels(const SoundLevels &levels)
{
    m_levels = levels;
    levelsChanged();
}

bool SoundDevice::isMusic(const QString &path)
{
    return path.endsWith(QStringLiteral("スタート.wav")) || path.endsWith(QStringLiteral("チヌ30.wav"));
}

qreal SoundDevice::volumeFor(const QString &path) const
{
    if (m_levels.muted)
        return 0;
    const int level = isMusic(path) ? m_levels.music : m_levels.effects;
    return qBound(0, level, 100) / 100.0;
}

int SoundDevice::send(const QString &command)
{
    static const QString alias = QStringLiteral("WaveFile");
    const QString c = command.trimmed();
    if (c.startsWith(QLatin1String("open "))) {
        const QString tail = QStringLiteral(" type waveaudio alias ") + alias;
        if (!c.endsWith(tail))
            return 1;
        const QString path = c.mid(5, c.size() - 5 - tail.size()).trimmed();
        if (!isOpen() && !path.isEmpty() && volumeFor(path) <= 0) {
            m_silentOpen = true;
            return 0;
        }
        m_silentOpen = false;
        return open(path) ? 0 : 1;
    }
    if (c == QStringLiteral("play ") + alias)
        return m_silentOpen || play() ? 0 : 1;
    if (c == QStringLiteral("stop ") + alias) {
        stop();
        return 0;
    }
    if (c == QStringLiteral("close ") + alias) {
        m_silentOpen = false;
        close();
        return 0;
    }
    return 1;
}

bool RecordingSound::open(const QString &path)
{
    m_log << QStringLiteral("open ") + path;
    if (isOpen() || path.isEmpty())
        return false;
    m_openPath = path;
    return true;
}

bool RecordingSound::play()
{
    m_log << QStringLiteral("play");
    if (!isOpen())
        return false;
    if (m_playing)
        return true;
    m_playing = true;
    m_played << m_openPath;
    return true;
}

void RecordingSound::stop()
{
    m_log << QStringLiteral("stop");
    m_playing = false;
}

void RecordingSound::close()
{
    m_log << QStringLiteral("close");
    m_playing = false;
    m_openPath.clear();
}
