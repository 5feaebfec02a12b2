// Turns SIGTERM, SIGINT and SIGHUP (the terminal or the session has gone)
// into a Qt signal on the user-interface thread.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace sorvanta {

class CTerminationWatcher : public QObject {
    Q_OBJECT
public:
    CTerminationWatcher();
    ~CTerminationWatcher() override;

signals:
    void TerminationRequested();

private:
    QSocketNotifier* m_pNotifier = nullptr;
};

}  // namespace sorvanta
