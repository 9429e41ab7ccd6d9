#pragma once

#include "platform/components/dictionary/dictionarycomponent.h"
#include "platform/components/regexp/regexpcomponent.h"

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
