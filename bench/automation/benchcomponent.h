#pragma once

#include <QObject>

// A component whose members are defined out of line, so the direct calls measured beside the late-bound
// ones are real calls and not folded away.
class BenchComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(double Volume READ volume WRITE setVolume)

public:
    double volume() const;
    void setVolume(double volume);
    Q_INVOKABLE double add(double a, double b) const;

private:
    double m_volume = 50;
};
