#include "wrappers/readystatesink.h"

namespace {
ReadyStateSink::Handler g_readyStateHandler = nullptr;
qint32 g_sinkRefCount = 0;
} // namespace

void ReadyStateSink::setReadyStateHandler(Handler handler)
{
    g_readyStateHandler = handler;
}

ReadyStateSink::Handler ReadyStateSink::readyStateHandler()
{
    return g_readyStateHandler;
}

qint32 ReadyStateSink::sinkRefCount()
{
    return g_sinkRefCount;
}

ReadyStateSink::ReadyStateSink(QObject *parent)
    : QObject(parent)
{
}

qint32 ReadyStateSink::QueryInterface(const QUuid &interfaceId, void **object)
{
    if (!object)
        return ComResult::InvalidPointer;
    *object = nullptr;
    if (interfaceId != IID_IDispatch)
        return ComResult::NoInterface;
    *object = this;
    ++g_sinkRefCount;
    return ComResult::Ok;
}

qint32 ReadyStateSink::AddRef()
{
    return ++g_sinkRefCount;
}

qint32 ReadyStateSink::Release()
{
    return --g_sinkRefCount;
}

qint32 ReadyStateSink::GetTypeInfoCount(quint32 *count)
{
    if (!count)
        return ComResult::InvalidPointer;
    *count = 1;
    return ComResult::Ok;
}

qint32 ReadyStateSink::GetTypeInfo(quint32, quint32, void **)
{
    return ComResult::NotImplemented;
}

qint32 ReadyStateSink::GetIDsOfNames(const QUuid &, char16_t **, quint32, quint32, qint32 *)
{
    return ComResult::NotImplemented;
}

qint32 ReadyStateSink::Invoke(int memberId, int locale, int flags)
{
    if (!g_readyStateHandler)
        return ComResult::Ok;
    const QUuid nullInterface;
    const QVariantList noParameters;
    const InvokeRecord record{this,
                              memberId,
                              &nullInterface,
                              static_cast<quint32>(locale),
                              static_cast<quint16>(flags),
                              &noParameters,
                              nullptr,
                              nullptr,
                              nullptr};
    g_readyStateHandler(&record);
    return ComResult::Ok;
}
