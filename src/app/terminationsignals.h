#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a call on the event loop. The signal handler only writes a byte
// to a socket pair; the handler given here runs later, from the loop, where Qt may be used.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(std::function<void()> handler, QObject *parent = nullptr);
    ~TerminationSignals() override;

private:
    void onReadable();

    std::function<void()> m_handler;
    QSocketNotifier *m_notifier = nullptr;
};
