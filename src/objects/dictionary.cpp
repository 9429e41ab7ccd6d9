#include "objects/dictionary.h"

#include "objects/exchangeorder.h"
#include "objects/keysortnumber.h"
#include "objects/valuetext.h"
#include "platform/toolkit/markersearch.h"

#include <QCoreApplication>

Dictionary::Dictionary()
{
    createDict();
}

Dictionary::~Dictionary()
{
    m_apartment.leaveAll();
    m_dict.clear();
}

Dictionary::Dictionary(const Dictionary &other)
    : m_dict(other.m_dict)
{
}

void Dictionary::attach(const AutomationObject &object)
{
    m_dict = object;
}

AutomationObject Dictionary::dictObject() const
{
    return m_dict;
}

AutomationObject Dictionary::createDict(bool keepCurrent)
{
    m_apartment.enter();
    if (!keepCurrent)
        m_dict.create(kProgId);
    return m_dict;
}

AutomationVariant Dictionary::keys() const
{
    return m_dict.callVariant("Keys");
}

AutomationVariant Dictionary::items() const
{
    return m_dict.callVariant("Items");
}

void Dictionary::add(const QByteArray &key, const AutomationVariant &value)
{
    m_dict.call("Add", {key, value});
}

void Dictionary::set(const QByteArray &key, const AutomationVariant &value)
{
    if (exists(key))
        m_dict.write("Item", {key}, value);
    else
        add(key, value);
}

QByteArray Dictionary::itemText(const QByteArray &key) const
{
    return valueText(item(key));
}

QByteArray Dictionary::keyAt(int index) const
{
    return m_dict.readVariant("Keys").asText(index);
}

Dictionary Dictionary::child(const QByteArray &key) const
{
    Dictionary nested; // holds a new, empty object: what an absent key gives
    if (m_dict.callBool("Exists", {key}))
        nested.attach(item(key).asObject());
    return nested;
}

AutomationVariant Dictionary::item(const QByteArray &key) const
{
    return m_dict.readVariant("Item", {key});
}

int Dictionary::findValue(const QByteArray &search) const
{
    const AutomationVariant values = m_dict.readVariant("Items");
    for (int i = 1; i <= values.arrayCount(); ++i) {
        QCoreApplication::processEvents();
        const QByteArray text = elementText(values, i);
        if (!text.isEmpty() && findMarker(text, search, 0) >= 0)
            return i;
    }
    return 0;
}

bool Dictionary::exists(const QByteArray &key) const
{
    return m_dict.readVariant("Exists", {key}).asBool();
}

int Dictionary::count() const
{
    return truncatedToInt(m_dict.readVariant("Count").asNumber());
}

void Dictionary::removeAll()
{
    m_dict.call("RemoveAll");
}

bool Dictionary::remove(const QByteArray &key)
{
    return m_dict.callBool("Remove", {key});
}

QByteArray Dictionary::itemTextAt(int index) const
{
    return elementText(m_dict.readVariant("Items"), index);
}

QByteArray Dictionary::elementText(const AutomationVariant &array, int index)
{
    // Element 0 would be the whole array.
    return index < 1 ? QByteArray() : valueText(array.asVariant(index));
}

bool Dictionary::sortByKey()
{
    const int entryCount = count();
    const AutomationVariant keyArray = keys();
    const AutomationVariant valueArray = items();
    QList<QByteArray> keyTexts;
    QList<AutomationVariant> values;
    QList<double> numbers;
    for (int i = 1; i <= entryCount; ++i) {
        keyTexts.append(keyArray.asText(i));
        values.append(valueArray.asVariant(i));
        numbers.append(keySortNumber(keyTexts.constLast()));
    }
    const QList<qsizetype> order = neighbourExchangeOrder(numbers);
    removeAll();
    for (const qsizetype at : order)
        set(keyTexts.at(at), values.at(at));
    return true;
}
