// A desktop portal method that answers later: the portal makes a request
// object for the call and gives its answer in that object's Response signal.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>
#include <functional>

namespace sorvanta {

// The portal's answers: granted, refused by the person, failed.
inline constexpr uint kPortalGranted = 0;
inline constexpr uint kPortalRefused = 1;
inline constexpr uint kPortalFailed = 2;

inline const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

class CPortalRequest : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(uint nResponse, const QVariantMap& results)>;

    // Calls the method with the arguments, the last of which is its options
    // (a handle token is added to them), and gives the answer to `answer`
    // once, unless `pOwner` is gone by then. A call the portal refuses at once
    // is answered kPortalFailed. The request returned is a child of `pOwner`.
    static CPortalRequest* Send(const QDBusConnection& bus, const QString& strInterface, const QString& strMethod,
                                QList<QVariant> arguments, QObject* pOwner, Answer answer);
    // The answer, when it comes, is not heard.
    void Cancel();

private slots:
    void OnResponse(uint nResponse, const QVariantMap& results);

private:
    CPortalRequest(const QDBusConnection& bus, QObject* pOwner, Answer answer);
    void Finish(uint nResponse, const QVariantMap& results);

    QDBusConnection m_bus;
    QString m_strPath;  // the request object's path
    Answer m_answer;
};

}  // namespace sorvanta
