#include "app/mpris/mprisadaptors.h"

#include "app/mpris/mprisservice.h"

#include <cmath>

MprisRootAdaptor::MprisRootAdaptor(QObject *object, MprisService &service)
    : QDBusAbstractAdaptor(object)
    , m_service(service)
{
}

void MprisRootAdaptor::Raise()
{
    m_service.host().raise();
}

void MprisRootAdaptor::Quit()
{
    m_service.host().quit();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject *object, MprisService &service)
    : QDBusAbstractAdaptor(object)
    , m_service(service)
{
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    return ::playbackStatus(m_service.host().playState());
}

QVariantMap MprisPlayerAdaptor::metadata() const
{
    return m_service.metadata();
}

double MprisPlayerAdaptor::volume() const
{
    return volumeFromSlider(m_service.host().volume());
}

void MprisPlayerAdaptor::setVolume(double volume)
{
    m_service.host().setVolume(sliderFromVolume(volume));
}

qlonglong MprisPlayerAdaptor::position() const
{
    const double seconds = m_service.host().positionSeconds();
    return std::isfinite(seconds) && seconds > 0 ? static_cast<qlonglong>(seconds * 1e6) : 0;
}

void MprisPlayerAdaptor::Next()
{
    m_service.host().next();
}

void MprisPlayerAdaptor::Pause()
{
    m_service.host().pause();
}

void MprisPlayerAdaptor::PlayPause()
{
    m_service.host().playPause();
}

// There is no stopped radio: stopping pauses.
void MprisPlayerAdaptor::Stop()
{
    m_service.host().pause();
}

void MprisPlayerAdaptor::Play()
{
    m_service.host().play();
}
