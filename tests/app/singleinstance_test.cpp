#include "app/singleinstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class SingleInstanceTest : public testing::Test {
protected:
    QTemporaryDir settings;
};

TEST_F(SingleInstanceTest, SecondStartAsksTheFirstToShowItself)
{
    SingleInstance first(settings.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy shown(&first, &SingleInstance::showRequested);

    SingleInstance second(settings.path() + "/");
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(second.askRunningToShow());
    EXPECT_TRUE(shown.wait(2000));
}

TEST_F(SingleInstanceTest, AnotherSettingsDirectoryRunsItsOwnInstance)
{
    QTemporaryDir otherSettings;
    SingleInstance first(settings.path());
    SingleInstance other(otherSettings.path());
    EXPECT_TRUE(first.claim());
    EXPECT_TRUE(other.claim());
}

// A crash leaves the lock of a process that no longer exists and a socket file nobody listens on.
TEST_F(SingleInstanceTest, LeftoversOfACrashedInstanceAreTakenOver)
{
    QString socketPath;
    {
        SingleInstance probe(settings.path());
        socketPath = probe.socketPath();
    }
    const QString lockPath = socketPath.chopped(5) + ".lock";
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("999999999\nquorin\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(socketPath).constData(), sizeof address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(fd);

    SingleInstance next(settings.path());
    ASSERT_TRUE(next.claim());
    QSignalSpy shown(&next, &SingleInstance::showRequested);
    SingleInstance later(settings.path());
    EXPECT_FALSE(later.claim());
    EXPECT_TRUE(later.askRunningToShow());
    EXPECT_TRUE(shown.wait(2000));
}

} // namespace
