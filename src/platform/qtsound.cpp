#include "qtsound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {

QtMessageHandler previousHandler = nullptr;

// A missing or broken audio device is silent and says nothing: the sound
// backend's complaints about it are dropped, every other message goes on.
void quietAboutAudio(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool aboutAudio = message.startsWith(QLatin1String("No audio device detected"))
        || message.startsWith(QLatin1String("PulseAudioService:"))
        || (context.category && qstrncmp(context.category, "qt.multimedia", 13) == 0);
    if (aboutAudio && type != QtFatalMsg)
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

QtSoundDevice::QtSoundDevice()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(quietAboutAudio);
    m_effect = new QSoundEffect;
}

QtSoundDevice::~QtSoundDevice()
{
    delete m_effect;
}

bool QtSoundDevice::open(const QString &path)
{
    if (isOpen() || !QFileInfo(path).isFile())
        return false;
    m_path = path;
    m_effect->setVolume(float(volumeFor(path)));
    m_effect->setSource(QUrl::fromLocalFile(path));
    return true;
}

bool QtSoundDevice::play()
{
    if (!isOpen())
        return false;
    // Asked again while it plays (the fanfare at every music tick), the
    // sound goes on rather than starting over.
    if (!m_effect->isPlaying())
        m_effect->play();
    return true;
}

void QtSoundDevice::levelsChanged()
{
    if (isOpen())
        m_effect->setVolume(float(volumeFor(m_path)));
}

void QtSoundDevice::stop()
{
    if (isOpen())
        m_effect->stop();
}

void QtSoundDevice::close()
{
    if (!isOpen())
        return;
    m_effect->stop();
    m_effect->setSource(QUrl());
    m_path.clear();
}
