// One running program per user and display: a lock file says who runs, and
// a local socket lets a later start ask the running one to show its window
// or to do what one of its hot keys does. The socket is in the abstract
// namespace under a short name made from the lock's path, so it works
// however long the runtime folder's path is.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include "platform/runlock.h"
#include "session/startrequest.h"

namespace sorvanta {

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // `strKey` names the lock and the socket; by default it is made of the
    // user and the display, so each user on each display runs one program.
    explicit CSingleInstance(const QString& strKey = DefaultKey());

    // True when this process is to run: it holds the lock, or the lock
    // cannot be had for any reason but another live program (this one then
    // runs unguarded), or the program that holds it does not answer. False
    // when another runs and has been sent `request`.
    bool Acquire(CInstanceRequest request = CInstanceRequest::Show);

    // Sends the request to the program that runs; false when none takes it.
    bool Send(CInstanceRequest request);

    static QString DefaultKey();

signals:
    void RestoreRequested();
    void HotKeyRequested(int nId);

private:
    void Listen();
    void OnRequest(const QByteArray& line);

    QString m_strSocket;
    CRunLock m_lock;
    QLocalServer m_server;
};

}  // namespace sorvanta
