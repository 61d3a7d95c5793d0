#include "sound.h"

SoundDevice::~SoundDevice() = default;

int SoundDevice::send(const QString &command)
{
    static const QString alias = QStringLiteral("WaveFile");
    const QString c = command.trimmed();
    if (c.startsWith(QLatin1String("open "))) {
        const QString tail = QStringLiteral(" type waveaudio alias ") + alias;
        if (!c.endsWith(tail))
            return 1;
        const QString path = c.mid(5, c.size() - 5 - tail.size()).trimmed();
        return open(path) ? 0 : 1;
    }
    if (c == QStringLiteral("play ") + alias)
        return play() ? 0 : 1;
    if (c == QStringLiteral("stop ") + alias) {
        stop();
        return 0;
    }
    if (c == QStringLiteral("close ") + alias) {
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
