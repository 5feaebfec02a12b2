// The application object: owns the Qt application and runs the main window.
#pragma once

#include <QApplication>

namespace sorvanta {

class CQuoteApp {
public:
    CQuoteApp(int& argc, char** argv);

    // Selects the profile store, runs the main window modally and returns
    // FALSE once it has closed, so the program ends.
    bool InitInstance();

private:
    QApplication m_app;
};

}  // namespace sorvanta
