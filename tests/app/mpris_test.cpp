#include "demostation.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString service = QStringLiteral("org.mpris.MediaPlayer2.quorin");
const QString path = QStringLiteral("/org/mpris/MediaPlayer2");
const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// Counts the PropertiesChanged signals of the player interface that carry the metadata.
class PropertiesRecorder : public QObject {
    Q_OBJECT
public:
    int metadataChanges = 0;

public slots:
    void onPropertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &)
    {
        if (interface == playerInterface && changed.contains("Metadata"))
            ++metadataChanges;
    }
};

// A private session bus, the demo station, and the real program on both.
class MprisTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(m_bus.waitForReadyRead(10000));
        m_address = QString::fromUtf8(m_bus.readLine().trimmed());
        m_connection.emplace(QDBusConnection::connectToBus(m_address, "mpris-test"));
        ASSERT_TRUE(m_connection->isConnected());
        ASSERT_NE(m_station.start(), 0);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", m_config.path());
        env.insert("DBUS_SESSION_BUS_ADDRESS", m_address);
        env.insert("QUORIN_API_ROOT", QString::fromStdString(m_station.rootUrl()));
        env.insert("QUORIN_ALBUM_SITE", QString::fromStdString(m_station.rootUrl()));
        m_quorin.setProcessEnvironment(env);
        m_quorin.start(QUORIN_BINARY, {});
        ASSERT_TRUE(m_quorin.waitForStarted());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return m_connection->interface()->isServiceRegistered(service); }, 15000));
    }
    void TearDown() override
    {
        if (m_quorin.state() != QProcess::NotRunning) {
            m_quorin.terminate();
            if (!m_quorin.waitForFinished(10000))
                m_quorin.kill();
        }
        m_connection.reset();
        QDBusConnection::disconnectFromBus("mpris-test");
        m_bus.kill();
        m_bus.waitForFinished();
    }

    QVariant property(const QString &interface, const QString &name)
    {
        QDBusMessage get =
            QDBusMessage::createMethodCall(service, path, "org.freedesktop.DBus.Properties", "Get");
        get << interface << name;
        const QDBusReply<QDBusVariant> reply = m_connection->call(get);
        return reply.isValid() ? reply.value().variant() : QVariant();
    }
    QVariantMap metadata()
    {
        return qdbus_cast<QVariantMap>(property(playerInterface, "Metadata").value<QDBusArgument>());
    }
    QString status() { return property(playerInterface, "PlaybackStatus").toString(); }
    void call(const QString &method)
    {
        m_connection->call(QDBusMessage::createMethodCall(service, path, playerInterface, method));
    }

    QProcess m_bus;
    QString m_address;
    std::optional<QDBusConnection> m_connection;
    DemoStation m_station;
    QTemporaryDir m_config;
    QProcess m_quorin;
};

TEST_F(MprisTest, TheDesktopSeesTheSongWithItsLyricsAndDrivesThePlayer)
{
    EXPECT_EQ(property("org.mpris.MediaPlayer2", "Identity").toString(), "Quorin");
    EXPECT_EQ(property("org.mpris.MediaPlayer2", "DesktopEntry").toString(), "quorin");
    EXPECT_EQ(status(), "Stopped");
    PropertiesRecorder recorder;
    ASSERT_TRUE(m_connection->connect(service, path, "org.freedesktop.DBus.Properties", "PropertiesChanged",
                                      &recorder,
                                      SLOT(onPropertiesChanged(QString, QVariantMap, QStringList))));

    // Nothing plays at start; Next starts the default channel's first song.
    call("Next");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return metadata().value("xesam:asText").toString().contains("]"); }, 15000));
    const QVariantMap first = metadata();
    const DemoSong &song = DemoStation::songs().front();
    EXPECT_EQ(first.value("xesam:title").toString(), QString::fromStdString(song.title));
    EXPECT_EQ(first.value("xesam:artist").toStringList(), QStringList{QString::fromStdString(song.artist)});
    EXPECT_GE(recorder.metadataChanges, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return status() == "Playing"; }, 10000));

    call("Next");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return metadata().value("mpris:trackid") != first.value("mpris:trackid"); }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return status() == "Playing"; }, 10000));
    call("Pause");
    EXPECT_TRUE(QTest::qWaitFor([&] { return status() == "Paused"; }, 5000));
}

} // namespace

#include "mpris_test.moc"
