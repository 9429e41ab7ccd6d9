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
    RunningQuorin()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", m_config.path());
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
    QString settingsFile() const { return m_config.path() + "/quorin/gcsz.ini"; }

private:
    QTemporaryDir m_config;
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

} // namespace
