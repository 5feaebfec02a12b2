// Starting the host program on the person's request, and collecting the exit
// status of every host started, so none is left a zombie.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace sorvanta {

class CHostStarter : public QObject {
    Q_OBJECT
public:
    explicit CHostStarter(QObject* pParent = nullptr);

    // Looks for the host in the program's own folder, then along PATH, and
    // starts it. Returns the message to show, or "" when there is none.
    QString StartHost();

private:
    QTimer m_reaper;  // runs only while a started host lives
};

}  // namespace sorvanta
