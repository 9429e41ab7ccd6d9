#include "wrappers/readystatesink.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// What the handler saw of the last record, copied while the record was valid.
struct SeenRecord {
    const ReadyStateSink *sink;
    qint32 memberId;
    QUuid interfaceId;
    quint32 locale;
    quint16 flags;
    qsizetype parameterCount;
    bool outSlotsNull;
};
std::optional<SeenRecord> g_seen;

void noteRecord(const ReadyStateSink::InvokeRecord *record)
{
    g_seen = SeenRecord{record->sink,
                        record->memberId,
                        *record->interfaceId,
                        record->locale,
                        record->flags,
                        record->parameters->size(),
                        !record->result && !record->exceptionInfo && !record->argumentError};
}

class ReadyStateSinkTest : public testing::Test {
protected:
    void TearDown() override
    {
        ReadyStateSink::setReadyStateHandler(nullptr);
        g_seen.reset();
    }

    ReadyStateSink m_sink;
};

TEST_F(ReadyStateSinkTest, QueryInterfaceAnswersOnlyTheDispatchInterface)
{
    const struct {
        const char *name;
        QUuid interfaceId;
        qint32 result;
        bool answered;
    } cases[] = {
        {"IDispatch", IID_IDispatch, ComResult::Ok, true},
        {"IUnknown", IID_IUnknown, ComResult::NoInterface, false},
        {"another interface", QUuid(0x12345678, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10), ComResult::NoInterface,
         false},
    };
    int sentinel = 0;
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        void *object = &sentinel; // anything but null, to see it overwritten
        const qint32 countBefore = ReadyStateSink::sinkRefCount();
        EXPECT_EQ(m_sink.QueryInterface(testCase.interfaceId, &object), testCase.result);
        EXPECT_EQ(object, testCase.answered ? &m_sink : nullptr);
        EXPECT_EQ(ReadyStateSink::sinkRefCount(), countBefore + (testCase.answered ? 1 : 0));
    }
}

TEST_F(ReadyStateSinkTest, EverySinkMovesOneCountAndNothingIsFreed)
{
    ReadyStateSink other;
    const qint32 before = ReadyStateSink::sinkRefCount();
    EXPECT_EQ(m_sink.AddRef(), before + 1);
    EXPECT_EQ(other.AddRef(), before + 2);
    EXPECT_EQ(m_sink.Release(), before + 1);
    EXPECT_EQ(m_sink.Release(), before);
    EXPECT_EQ(m_sink.Release(), before - 1);
    // Still alive and answering below the starting count.
    quint32 count = 0;
    EXPECT_EQ(m_sink.GetTypeInfoCount(&count), ComResult::Ok);
    EXPECT_EQ(other.AddRef(), before);
}

TEST_F(ReadyStateSinkTest, TypeInformationIsOneAndNotImplemented)
{
    quint32 count = 0;
    EXPECT_EQ(m_sink.GetTypeInfoCount(&count), ComResult::Ok);
    EXPECT_EQ(count, 1U);
    void *typeInfo = nullptr;
    EXPECT_EQ(m_sink.GetTypeInfo(0, 0, &typeInfo), ComResult::NotImplemented);
    char16_t name[] = u"Invoke";
    char16_t *names[] = {name};
    qint32 memberId = 0;
    EXPECT_EQ(m_sink.GetIDsOfNames(QUuid(), names, 1, 0, &memberId), ComResult::NotImplemented);
}

TEST_F(ReadyStateSinkTest, InvokeHandsItsArgumentsToTheHandler)
{
    EXPECT_EQ(m_sink.Invoke(0, 0x0400, 1), ComResult::Ok) << "without a handler";
    EXPECT_FALSE(g_seen);

    ReadyStateSink::setReadyStateHandler(&noteRecord);
    EXPECT_EQ(m_sink.Invoke(5, 0x0400, 1), ComResult::Ok);
    ASSERT_TRUE(g_seen);
    EXPECT_EQ(g_seen->sink, &m_sink);
    EXPECT_EQ(g_seen->memberId, 5);
    EXPECT_TRUE(g_seen->interfaceId.isNull());
    EXPECT_EQ(g_seen->locale, 0x0400U);
    EXPECT_EQ(g_seen->flags, 1U);
    EXPECT_EQ(g_seen->parameterCount, 0);
    EXPECT_TRUE(g_seen->outSlotsNull);
}

} // namespace
