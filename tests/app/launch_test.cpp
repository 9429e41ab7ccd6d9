#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <csignal>

#include <gtest/gtest.h>

namespace {

bool answersOn(const QUrl &root)
{
    QTcpSocket socket;
    socket.connectToHost(root.host(), static_cast<quint16>(root.port()));
    return socket.waitForConnected(2000);
}

// The child of a process that runs the named program, or 0.
qint64 childRunning(qint64 pid, const QByteArray &program)
{
    QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
    if (!children.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &child : children.readAll().split(' ')) {
        QFile name(QStringLiteral("/proc/%1/comm").arg(QString::fromLatin1(child)));
        if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == program)
            return child.toLongLong();
    }
    return 0;
}

// Where the service cannot be reached, the launcher plays the demo station, says so in one line, and
// stops the station when Quorin exits.
TEST(LaunchTest, FallsBackToTheDemoStationWhenTheServiceDoesNotAnswer)
{
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("QUORIN_API_ROOT", "http://127.0.0.1:1");
    QProcess launcher;
    launcher.setProcessEnvironment(env);
    launcher.start("bash", {QUORIN_SOURCE_DIR "/scripts/launch", QUORIN_BUILD_DIR});
    ASSERT_TRUE(launcher.waitForStarted());

    QByteArray said;
    while (!said.contains('\n') && launcher.waitForReadyRead(20000))
        said += launcher.readAllStandardOutput();
    const QRegularExpressionMatch station =
        QRegularExpression("demo station at (http://127\\.0\\.0\\.1:\\d+)").match(QString::fromUtf8(said));
    ASSERT_TRUE(station.hasMatch()) << said.constData();
    const QUrl root(station.captured(1));
    EXPECT_TRUE(answersOn(root));

    qint64 quorin = 0;
    for (int attempt = 0; attempt < 100 && !quorin; ++attempt) {
        quorin = childRunning(launcher.processId(), "quorin");
        QThread::msleep(50);
    }
    ASSERT_NE(quorin, 0);
    // Let it come up, so the signal meets its handler and not the default action.
    QThread::msleep(1500);
    ::kill(static_cast<pid_t>(quorin), SIGTERM);
    ASSERT_TRUE(launcher.waitForFinished(20000));
    EXPECT_EQ(launcher.exitCode(), 0);
    EXPECT_FALSE(answersOn(root));
}

} // namespace
