#include "platform/portalrequest.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <utility>

#include "platform/log.h"

namespace sorvanta {

namespace {

const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

}  // namespace

CPortalRequest::CPortalRequest(const QDBusConnection& bus, QObject* pOwner, Answer answer)
    : QObject(pOwner), m_bus(bus), m_answer(std::move(answer)) {}

CPortalRequest* CPortalRequest::Send(const QDBusConnection& bus, const QString& strInterface, const QString& strMethod,
                                     QList<QVariant> arguments, QObject* pOwner, Answer answer) {
    static int nRequests = 0;
    auto* pRequest = new CPortalRequest(bus, pOwner, std::move(answer));
    // The request object's path is known beforehand, so the answer is
    // listened for before the call is made.
    const QString token = QStringLiteral("sorvanta_request%1").arg(++nRequests);
    QVariantMap options = arguments.takeLast().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    const QString sender = bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    pRequest->m_strPath = QStringLiteral("%1/request/%2/%3").arg(kPortalPath, sender, token);
    pRequest->m_bus.connect(kPortalService, pRequest->m_strPath, kRequestInterface, QStringLiteral("Response"),
                            pRequest, SLOT(OnResponse(uint, QVariantMap)));

    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath, strInterface, strMethod);
    call.setArguments(arguments);
    auto* pWatcher = new QDBusPendingCallWatcher(pRequest->m_bus.asyncCall(call), pRequest);
    connect(pWatcher, &QDBusPendingCallWatcher::finished, pRequest, [pRequest, strMethod](QDBusPendingCallWatcher* p) {
        p->deleteLater();
        if (!p->isError()) return;
        qCWarning(lcSorvanta) << "the desktop portal refused" << strMethod << ":" << p->error().message();
        pRequest->Finish(kPortalFailed, {});
    });
    return pRequest;
}

void CPortalRequest::OnResponse(uint nResponse, const QVariantMap& results) {
    Finish(nResponse, results);
}

void CPortalRequest::Cancel() {
    m_answer = nullptr;
    deleteLater();
}

void CPortalRequest::Finish(uint nResponse, const QVariantMap& results) {
    if (!m_answer) return;
    const Answer answer = std::exchange(m_answer, nullptr);
    deleteLater();
    answer(nResponse, results);
}

}  // namespace sorvanta
