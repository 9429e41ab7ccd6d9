#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <map>

// The part a TestComponent hands out through Controls; a child of the component.
class TestPart : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Level MEMBER level)

public:
    using QObject::QObject;
    int level = 7;
};

// A component with a member of each shape the automation layer reaches.
class TestComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Count MEMBER count)
    Q_PROPERTY(uint Rate MEMBER rate)
    Q_PROPERTY(float Gain MEMBER gain)
    Q_PROPERTY(double volume READ volume WRITE setVolume)
    Q_PROPERTY(bool Mute MEMBER mute)
    Q_PROPERTY(QString Title MEMBER title)
    Q_PROPERTY(QObject *Controls READ controls)
    Q_PROPERTY(QVariant Payload MEMBER payload)
    Q_PROPERTY(QObject *Target MEMBER target)

public:
    static constexpr const char *ProgId = "Quorin.TestComponent";

    explicit TestComponent(QObject *parent = nullptr);

    double volume() const { return m_volume; }
    void setVolume(double volume) { m_volume = volume; }
    QObject *controls() const { return m_controls; }

    Q_INVOKABLE void ping() { ++pings; }
    Q_INVOKABLE QString getItemInfo(const QString &name) const;
    Q_INVOKABLE double add(double a, int b = 1) const { return a + b; }
    Q_INVOKABLE QString joinAll(const QString &a, int b, double c, bool d, const QString &e, int f, int g,
                                int h, int i, int j, const QString &k) const;
    Q_INVOKABLE QVariant Option(int index) const;
    Q_INVOKABLE void setOption(int index, const QVariant &value) { options[index] = value; }
    Q_INVOKABLE QString label() const { return m_label; }
    Q_INVOKABLE void setLabel(const QString &label) { m_label = label; }
    Q_INVOKABLE QObject *makeItem() const { return new TestPart; }
    Q_INVOKABLE QVariantList makeItems(int number) const;
    Q_INVOKABLE QObject *self() { return this; }
    Q_INVOKABLE int levelOf(TestPart *part) const { return part ? part->level : -1; }
    Q_INVOKABLE int levelIn(const QVariant &value) const;

    int count = 0;
    uint rate = 0;
    float gain = 0;
    bool mute = false;
    QString title;
    QVariant payload;
    QObject *target = nullptr;
    int pings = 0;
    std::map<int, QVariant> options;

private:
    double m_volume = 0;
    QString m_label;
    TestPart *m_controls;
};
