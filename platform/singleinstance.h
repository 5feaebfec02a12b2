// One running program per user and display: a lock file says who runs, and
// a local socket lets a later start ask the running one to show its window
// or to do what one of its hot keys does.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include "session/startrequest.h"

namespace sorvanta {

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // `strKey` names the lock and the socket; by default it is made of the
    // user and the display, so each user on each display runs one program.
    explicit CSingleInstance(const QString& strKey = DefaultKey());

    // True when this process is now the one that runs. False when another
    // already does; it has then been sent `request`. A lock left behind by a
    // program that died is taken over.
    bool Acquire(CInstanceRequest request = CInstanceRequest::Show);

    // Sends the request to the program that runs; false when none takes it.
    bool Send(CInstanceRequest request);

    static QString DefaultKey();

signals:
    void RestoreRequested();
    void HotKeyRequested(int nId);

private:
    void OnRequest(const QByteArray& line);

    QString m_strSocket;
    QLockFile m_lock;
    QLocalServer m_server;
};

}  // namespace sorvanta
