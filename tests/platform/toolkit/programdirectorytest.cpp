#include "platform/toolkit/programdirectory.h"

#include "support/scopedenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

struct DirectoryCase {
    const char *name;
    std::optional<QByteArray> configHome; // nullopt: unset
    QString expected;
};

TEST(ProgramDirectoryTest, FollowsXdgConfigHome)
{
    const ScopedEnv home("HOME", "/home/listener");
    const DirectoryCase cases[] = {
        {"set", "/srv/config", QStringLiteral("/srv/config/quorin")},
        {"set with a trailing slash", "/srv/config/", QStringLiteral("/srv/config/quorin")},
        {"empty", "", QStringLiteral("/home/listener/.config/quorin")},
        {"relative, which XDG says to ignore", "config", QStringLiteral("/home/listener/.config/quorin")},
        {"unset", std::nullopt, QStringLiteral("/home/listener/.config/quorin")},
    };
    for (const DirectoryCase &test : cases) {
        SCOPED_TRACE(test.name);
        const ScopedEnv configHome("XDG_CONFIG_HOME", test.configHome.value_or(QByteArray()));
        if (!test.configHome)
            qunsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(programDirectory(), test.expected);
    }
}

TEST(ProgramDirectoryTest, IsNotCreatedByAsking)
{
    const QTemporaryDir config;
    const ScopedEnv configHome("XDG_CONFIG_HOME", config.path().toUtf8());
    EXPECT_FALSE(QFileInfo::exists(programDirectory()));
}

TEST(ProgramDirectoryTest, FileExistsOnlyForFiles)
{
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("gcsz.ini"));
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
    EXPECT_TRUE(fileExists(file));
    EXPECT_FALSE(fileExists(dir.filePath(QStringLiteral("scgq.ini"))));
    EXPECT_FALSE(fileExists(dir.path()));
    EXPECT_FALSE(fileExists(QString()));
}

} // namespace
