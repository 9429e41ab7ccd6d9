#include "support/testsettingsdir.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TestSettingsDir settingsDir;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
