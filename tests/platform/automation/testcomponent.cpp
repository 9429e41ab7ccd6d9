#include "testcomponent.h"

#include <QStringList>

TestComponent::TestComponent(QObject *parent)
    : QObject(parent)
    , m_controls(new TestPart(this))
{
}

QString TestComponent::getItemInfo(const QString &name) const
{
    return name == QLatin1String("title") ? title : QString();
}

QString TestComponent::joinAll(const QString &a, int b, double c, bool d, const QString &e, int f, int g,
                               int h, int i, int j, const QString &k) const
{
    return QStringList{a,
                       QString::number(b),
                       QString::number(c),
                       d ? "yes" : "no",
                       e,
                       QString::number(f),
                       QString::number(g),
                       QString::number(h),
                       QString::number(i),
                       QString::number(j),
                       k}
        .join(',');
}

QVariant TestComponent::Option(int index) const
{
    const auto found = options.find(index);
    return found == options.end() ? QVariant() : found->second;
}

QVariantList TestComponent::makeItems(int number) const
{
    QVariantList items;
    for (int i = 0; i < number; ++i)
        items.append(QVariant::fromValue(makeItem()));
    return items;
}

int TestComponent::levelIn(const QVariant &value) const
{
    const auto *part = qobject_cast<TestPart *>(value.value<QObject *>());
    return part ? part->level : -1;
}
