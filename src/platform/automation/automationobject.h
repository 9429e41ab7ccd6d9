#pragma once

#include "platform/automation/automationvariant.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QMetaType>

#include <initializer_list>
#include <memory>
#include <span>

class QObject;

using AutomationArgs = std::initializer_list<AutomationVariant>;

// The handle of one automation object, reached late-bound by member name.
//
// Components are QObjects: their Q_PROPERTY and Q_INVOKABLE members are the automation members, found by
// the meta-object system without regard to case. A read also reaches a method and a call also reaches a
// property. An indexed property (a member read with arguments, such as Option(1)) is a Q_INVOKABLE getter
// `Name(index...)` with a Q_INVOKABLE setter `setName(index..., value)`. Arguments and written values are
// converted to the types the member declares.
//
// Ownership: a copy shares the object; the last handle to let go deletes it. An object that a member
// returns is kept alive through the handle: a parentless one is adopted by it, a parented one (a part
// of its component, such as a player's Controls) keeps the component it came from alive.
//
// Nothing throws: a missing member, an argument that does not convert or a failed call gives the zero
// value of the result (empty text, 0, false, an empty handle or variant); write gives false.
class AutomationObject {
public:
    AutomationObject() = default;

    // Takes ownership of a parentless object.
    static AutomationObject adopt(QObject *object);
    // Holds an object without owning it; the caller keeps it alive longer than every handle to it.
    static AutomationObject borrow(QObject *object);

    // Creates a new object by ProgID from the component registry. On success the previous object is
    // released; on failure the handle is unchanged.
    bool create(QByteArrayView progId);

    QByteArray readText(QByteArrayView member, AutomationArgs args = {}) const;
    double readNumber(QByteArrayView member, AutomationArgs args = {}) const;
    bool readBool(QByteArrayView member, AutomationArgs args = {}) const;
    AutomationObject readObject(QByteArrayView member, AutomationArgs args = {}) const;
    AutomationVariant readVariant(QByteArrayView member, AutomationArgs args = {}) const;

    bool write(QByteArrayView member, const AutomationVariant &value) const;
    bool write(QByteArrayView member, AutomationArgs indexes, const AutomationVariant &value) const;

    void call(QByteArrayView member, AutomationArgs args = {}) const;
    QByteArray callText(QByteArrayView member, AutomationArgs args = {}) const;
    double callNumber(QByteArrayView member, AutomationArgs args = {}) const;
    bool callBool(QByteArrayView member, AutomationArgs args = {}) const;
    AutomationObject callObject(QByteArrayView member, AutomationArgs args = {}) const;
    AutomationVariant callVariant(QByteArrayView member, AutomationArgs args = {}) const;
    // A call whose number of arguments is known only at run time.
    AutomationVariant callVariant(QByteArrayView member, std::span<const AutomationVariant> args) const;

    void clear();
    bool isEmpty() const;

    // The held object, for code that knows its class (tests, the script engine); null when empty.
    QObject *object() const { return m_object.get(); }

private:
    explicit AutomationObject(std::shared_ptr<QObject> object);

    // The handle of an object that a member of `source` gave, kept alive as the class comment says.
    static AutomationObject holdResult(QObject *object, const std::shared_ptr<QObject> &source);
    // A member's result with every object in it (also inside lists) turned into a handle.
    static QVariant holdResults(const QVariant &result, const std::shared_ptr<QObject> &source);

    std::shared_ptr<QObject> m_object;
};

// A handle inside a QVariant keeps its object alive, so a component may keep a value it was given (a
// dictionary its entries); QVariant::value<QObject *>() reads the object out of it.
Q_DECLARE_METATYPE(AutomationObject)
