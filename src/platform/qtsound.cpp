#include "qtsound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundDevice::QtSoundDevice()
    : m_effect(new QSoundEffect)
{
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
    m_effect->setSource(QUrl::fromLocalFile(path));
    return true;
}

bool QtSoundDevice::play()
{
    if (!isOpen())
        return false;
    m_effect->play();
    return true;
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
