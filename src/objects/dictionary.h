#pragma once

#include "platform/automation/automationobject.h"
#include "platform/automation/automationvariant.h"
#include "platform/automation/comapartment.h"

#include <QByteArray>
#include <QList>

class QObject;

// The platform's dictionary object, driven late-bound: text keys mapped to values of any kind, in the
// order they were added. On top of the object's own members it reads values as text, reaches nested
// dictionaries (an entry whose value is another dictionary object, shared with whoever else holds it),
// dumps itself as printable text, writes and reads an enciphered text form of itself, and sorts its
// entries by a number worked out from each key (see keySortNumber).
//
// Fields, in order: the dictionary object. A copy shares it.
//
// Apartment balance: each createDict enters the apartment once, and the destructor leaves it once for
// every entry this instance made, so a copy, which makes none, leaves none.
//
// Indexes given to the members count from 1. Every member gives false, 0, empty text or an empty value
// when the dictionary object is missing, an index is out of range or the call fails.
//
// findValue, toText and fromText let the thread's pending events run once per entry: event handlers may
// run in the middle of them, and see the dictionary as it is then.
class Dictionary {
public:
    static constexpr char kProgId[] = "Scripting.Dictionary";
    // The key text toText and fromText use when given none.
    static constexpr char kDefaultKeyText[] = "pemk";

    // Runs the initialiser: a new, empty dictionary object.
    Dictionary();
    // Leaves the apartment as the class comment says, then releases the dictionary object.
    ~Dictionary();
    // Shares the dictionary object; enters no apartment.
    Dictionary(const Dictionary &other);
    Dictionary &operator=(const Dictionary &) = delete;

    // Holds the given object in place of the current one.
    void attach(const AutomationObject &object);
    AutomationObject dictObject() const;
    // Enters the apartment; unless keepCurrent, then holds a new, empty dictionary object (other holders
    // of the old one keep it). Gives the object held.
    AutomationObject createDict(bool keepCurrent = false);
    // The keys and the values, as arrays in the order of the entries.
    AutomationVariant keys() const;
    AutomationVariant items() const;
    // Adds an entry after all others; nothing happens when the key is present.
    void add(const QByteArray &key, const AutomationVariant &value);
    // Replaces the value of a present key in its place, or adds the key after all others.
    void set(const QByteArray &key, const AutomationVariant &value);
    // The key's value as valueText gives it.
    QByteArray itemText(const QByteArray &key) const;
    QByteArray keyAt(int index) const;
    // A Dictionary sharing the nested dictionary object under the key; when the key is absent, a new
    // empty one that is not entered here.
    Dictionary child(const QByteArray &key) const;
    AutomationVariant item(const QByteArray &key) const;
    // The index of the first value whose text (as elementText gives it) contains the search text, bytes
    // compared exactly; 0 when none does. An empty search text finds the first value with any text.
    int findValue(const QByteArray &search) const;
    bool exists(const QByteArray &key) const;
    int count() const;
    void removeAll();
    // False when the key was absent.
    bool remove(const QByteArray &key);
    QByteArray itemTextAt(int index) const;
    // Element `index` of an array value as valueText gives it.
    static QByteArray elementText(const AutomationVariant &array, int index);
    // A printable text of the whole dictionary: "Array(", then per entry "\r\n", the indent, two spaces
    // and "1.[key] => value", then "\r\n", the indent and ")". A nested dictionary is shown as its own
    // block, indented three spaces further; one that contains itself, as "*RECURSION*".
    QByteArray dump(int indent = 0) const;
    // The enciphered text form: "{" + entries "key:kind:value" separated by "," + "}". A nested dictionary
    // is written inside its entry; one that contains itself is written there as empty, "{}".
    QByteArray toText(const QByteArray &keyText = kDefaultKeyText) const;
    // Replaces the entries by those read from a text form, which end up in a new dictionary object (other
    // holders of the old one keep it). Entries the reader's pattern does not match are skipped: those with
    // an empty key or value, those whose kind has two characters, and nesting deeper than one level comes
    // apart. Numbers come back as 32-bit integers, bytes of 255 as 0.
    void fromText(const QByteArray &text, const QByteArray &keyText = kDefaultKeyText);
    // Orders the entries by keySortNumber of their keys, numbers within 1e-7 of each other keeping their
    // order. Always true.
    bool sortByKey();

private:
    // The nested dictionaries being written, so that one containing itself ends instead of recursing.
    using Path = QList<const QObject *>;
    QByteArray dump(int indent, Path &path) const;
    QByteArray toText(const QByteArray &keyText, Path &path) const;

    AutomationObject m_dict;
    ApartmentEntries m_apartment;
};
