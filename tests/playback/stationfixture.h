#pragma once

#include "app/application.h"
#include "app/mainwindow.h"
#include "demostation.h"
#include "radio/songflow.h"
#include "support/scopedenv.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string_view>

// The whole program against the demo station, with the real player (silent without a sound device).
class StationFixture : public testing::Test {
protected:
    StationFixture()
        : m_port(m_station.start())
        , m_root("QUORIN_API_ROOT", QByteArray::fromStdString(m_station.rootUrl()))
        , m_site("QUORIN_ALBUM_SITE", QByteArray::fromStdString(m_station.rootUrl()))
    {
    }

    Session &session() { return m_window.session(); }
    // Waits for the chain of radio requests in flight, if any, to end.
    bool settle(int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return !session().flow.isBusy(); }, timeoutMs);
    }
    // How many requests so far had a target starting with `prefix`.
    int requestCount(std::string_view prefix) const
    {
        int count = 0;
        for (const auto &request : m_station.requestLog())
            count += request.target.starts_with(prefix);
        return count;
    }

    DemoStation m_station;
    int m_port;
    ScopedEnv m_root;
    ScopedEnv m_site;
    Application m_app;
    MainWindow &m_window = m_app.openMainWindow();
    const MainControls &c = m_window.controls();
};
