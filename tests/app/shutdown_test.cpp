#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <gtest/gtest.h>

namespace {

// Starts the real program headless, with its own settings directory and no reachable service.
class RunningQuorin {
public:
    // Runs on a settings home of its own, or on the one given.
    explicit RunningQuorin(const QString &configHome = {})
        : m_configHome(configHome.isEmpty() ? m_config.path() : configHome)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", m_configHome);
        env.insert("QUORIN_API_ROOT", "http://127.0.0.1:1");
        m_process.setProcessEnvironment(env);
        m_process.start(QUORIN_BINARY, {});
    }
    ~RunningQuorin()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    QProcess &process() { return m_process; }
    QString configHome() const { return m_configHome; }
    QString settingsFile() const { return m_configHome + "/quorin/gcsz.ini"; }

private:
    QTemporaryDir m_config;
    QString m_configHome;
    QProcess m_process;
};

class ShutdownTest : public testing::TestWithParam<int> {};

TEST_P(ShutdownTest, SignalClosesTheWindowWhichSavesTheSettings)
{
    RunningQuorin quorin;
    ASSERT_TRUE(quorin.process().waitForStarted());
    // The window is up once start-up has run; give it a moment.
    QTest::qWait(1500);
    ASSERT_EQ(quorin.process().state(), QProcess::Running);
    ::kill(static_cast<pid_t>(quorin.process().processId()), GetParam());
    ASSERT_TRUE(quorin.process().waitForFinished(10000));
    EXPECT_EQ(quorin.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(quorin.process().exitCode(), 0);
    QFile settings(quorin.settingsFile());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("[GECI]"));
}

INSTANTIATE_TEST_SUITE_P(Signals, ShutdownTest, testing::Values(SIGTERM, SIGINT, SIGHUP));

TEST(SecondStartTest, LeavesAtOnceWithoutWritingAFile)
{
    RunningQuorin first;
    ASSERT_TRUE(first.process().waitForStarted());
    QTest::qWait(1500);

    RunningQuorin second(first.configHome());
    ASSERT_TRUE(second.process().waitForFinished(10000));
    EXPECT_EQ(second.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process().exitCode(), 0);
    EXPECT_EQ(first.process().state(), QProcess::Running);
    EXPECT_FALSE(QFile::exists(first.settingsFile()));
}

} // namespace
