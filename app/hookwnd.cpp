#include "app/hookwnd.h"

namespace sorvanta {

CHookWnd::CHookWnd() = default;

CHookWnd::~CHookWnd() = default;

bool CHookWnd::InstallHook(QWidget* pParent) {
    setParent(pParent);
    setObjectName(kHookObjectName);
    setGeometry(pParent->rect());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();  // never shown, takes no input
    pParent->installEventFilter(this);
    m_pfnSavedProc = pParent;
    return true;
}

bool CHookWnd::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pfnSavedProc) ++m_nEventsPassed;
    return QWidget::eventFilter(pWatched, pEvent);  // every event goes on unchanged
}

CHookWnd* FindHookWnd(QWidget* pWindow) {
    return pWindow->findChild<CHookWnd*>(QLatin1String(kHookObjectName), Qt::FindDirectChildrenOnly);
}

void RemoveHook(QWidget* pWindow) {
    if (CHookWnd* pHook = FindHookWnd(pWindow)) pWindow->removeEventFilter(pHook);
}

}  // namespace sorvanta
