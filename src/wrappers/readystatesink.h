#pragma once

#include <QObject>
#include <QUuid>
#include <QVariant>

// The interface ids the sink is asked for, as the platform defines them.
inline constexpr QUuid IID_IUnknown{0x00000000, 0x0000, 0x0000, 0xC0, 0x00, 0x00,
                                    0x00,       0x00,   0x00,   0x00, 0x46};
inline constexpr QUuid IID_IDispatch{0x00020400, 0x0000, 0x0000, 0xC0, 0x00, 0x00,
                                     0x00,       0x00,   0x00,   0x00, 0x46};

// The platform's result codes that the sink's routines give.
namespace ComResult {
inline constexpr qint32 Ok = 0;
inline constexpr qint32 NotImplemented = qint32(0x80004001U);
inline constexpr qint32 NoInterface = qint32(0x80004002U);
inline constexpr qint32 InvalidPointer = qint32(0x80004003U);
} // namespace ComResult

// The dispatch object an HttpRequest hands to its request object as onreadystatechange; every ready-state
// change the request object reports is passed on to the one handler of the process.
//
// On the platform the sink is a word inside its HttpRequest that points at a table of seven routines, and
// that word's address is the sink's identity. Here the sink is this object: its address is its identity
// (what QueryInterface hands out and what Invoke's record names), the seven routines are its member
// functions, declared in the table's order, and Invoke is also a Q_INVOKABLE member, the entry the request
// component calls through the meta-object system. The reference count is the process-wide sinkRefCount(),
// moved only by the routines themselves; nothing is freed when it reaches 0, as the sink's life is that of
// the handles that own it.
class ReadyStateSink : public QObject {
    Q_OBJECT

public:
    // Invoke's nine arguments in their declared order; valid during the handler's call only.
    struct InvokeRecord {
        ReadyStateSink *sink;
        qint32 memberId;
        const QUuid *interfaceId;
        quint32 locale;
        quint16 flags;
        const QVariantList *parameters;
        QVariant *result;
        void *exceptionInfo;
        quint32 *argumentError;
    };
    using Handler = void (*)(const InvokeRecord *record);

    // The one handler for every sink of the process; a later call replaces an earlier one. Null: none.
    static void setReadyStateHandler(Handler handler);
    static Handler readyStateHandler();
    // The count that AddRef, Release and a successful QueryInterface move, shared by every sink.
    static qint32 sinkRefCount();

    explicit ReadyStateSink(QObject *parent = nullptr);

    // Only IID_IDispatch is answered (with this sink, counting one reference); anything else, IID_IUnknown
    // too, gives NoInterface with *object set to null.
    qint32 QueryInterface(const QUuid &interfaceId, void **object);
    // Each gives the new count.
    Q_INVOKABLE qint32 AddRef();
    Q_INVOKABLE qint32 Release();
    // Writes 1 and gives Ok.
    qint32 GetTypeInfoCount(quint32 *count);
    // NotImplemented.
    qint32 GetTypeInfo(quint32 index, quint32 locale, void **typeInfo);
    // NotImplemented.
    qint32 GetIDsOfNames(const QUuid &interfaceId, char16_t **names, quint32 count, quint32 locale,
                         qint32 *memberIds);
    // Calls the handler, if any, with the record of this call and gives Ok whatever the handler did. The
    // interface id is the null id and the parameters are none, as in an event; a caller through the
    // meta-object system has no result, exception or argument-error slots to give, so those are null.
    Q_INVOKABLE qint32 Invoke(int memberId, int locale, int flags);
};
