#include "benchcomponent.h"

double BenchComponent::volume() const
{
    return m_volume;
}

void BenchComponent::setVolume(double volume)
{
    m_volume = volume;
}

double BenchComponent::add(double a, double b) const
{
    return a + b;
}
