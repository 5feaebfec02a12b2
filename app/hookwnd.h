// A hidden child of the main window whose event filter sees every event of
// the main window first and passes it on unchanged.
#pragma once

#include <QWidget>

namespace sorvanta {

inline constexpr const char* kHookObjectName = "hook4096";

class CHookWnd : public QWidget {
    Q_OBJECT
public:
    CHookWnd();
    ~CHookWnd() override;

    // Creates the hidden child over the parent's client area and puts the
    // pass-through filter in front of the parent's event handling.
    bool InstallHook(QWidget* pParent);

    // Number of the parent's events that passed through the filter.
    long EventsPassed() const { return m_nEventsPassed; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QWidget* m_pfnSavedProc = nullptr;  // the window whose handling the filter precedes
    long m_nEventsPassed = 0;
};

// The hook child of the window, or null when it has none.
CHookWnd* FindHookWnd(QWidget* pWindow);
// Takes the filter away again; nothing happens when the window has no hook.
void RemoveHook(QWidget* pWindow);

}  // namespace sorvanta
