// The application object: owns the Qt application and runs the main window.
#pragma once

#include <QApplication>

namespace sorvanta {

class CQuoteApp {
public:
    CQuoteApp(int& argc, char** argv);

    // Selects the profile store, runs the main window modally and returns
    // FALSE once it has closed, so the program ends. A start that only asks
    // the running program returns FALSE at once.
    bool InitInstance();
    int ExitCode() const { return m_nExitCode; }

private:
    QApplication m_app;
    int m_nExitCode = 0;
};

}  // namespace sorvanta
