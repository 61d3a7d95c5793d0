#include "qtsound.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QSoundEffect>
#include <QUrl>

QtSoundDevice::QtSoundDevice()
    : m_effect(new QSoundEffect)
{
    // A missing or broken audio device is silent and says nothing.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
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
