#pragma once

#include "objects/dictionary.h"
#include "platform/components/dictionary/dictionarycomponent.h"
#include "platform/components/regexp/regexpcomponent.h"

#include <QByteArray>
#include <QList>

#include <gtest/gtest.h>

// Makes the two components the objects drive creatable, as the program's start-up does.
class ObjectsTest : public testing::Test {
protected:
    void SetUp() override
    {
        registerRegExpComponent();
        registerDictionaryComponent();
    }
};

inline AutomationVariant byteArray(const QByteArray &bytes)
{
    AutomationVariant value;
    value.assign(bytes, AutomationVariant::Bytes::AsByteArray);
    return value;
}

inline QList<QByteArray> keysOf(const Dictionary &dict)
{
    QList<QByteArray> keys;
    for (int i = 1; i <= dict.count(); ++i)
        keys.append(dict.keyAt(i));
    return keys;
}
