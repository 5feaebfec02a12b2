// Times the OK command in the real main window: from the click on OK to the
// quote window being shown with the quotation, for references of different
// sizes. Runs on whatever Qt platform is set (xcb under Xvfb for realism).
// Also times the start (the window with its module list) and each copy.
//   quote_bench MODULE_ROOT [RUNS [REFERENCE...]]
// Without references: "Jn 3:16", "Ps 150:6" and "Ps 119", 30 runs each.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/quotedlg.h"
#include "output/copydlg.h"

using namespace sorvanta;

int main(int argc, char** argv) {
    QTemporaryDir profileDir;
    qputenv("XDG_CONFIG_HOME", profileDir.path().toUtf8());
    QApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: quote_bench MODULE_ROOT [RUNS [REFERENCE...]]\n";
        return 2;
    }
    const int nRuns = argc > 2 ? std::atoi(argv[2]) : 30;
    std::vector<std::string> references(argv + std::min(argc, 3), argv + argc);
    if (references.empty()) references = {"Jn 3:16", "Ps 150:6", "Ps 119"};
    QCoreApplication::setOrganizationName(QStringLiteral("Sorvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("sorvanta"));
    QSettings().setValue(QStringLiteral("Settings/Directory"), QString::fromLocal8Bit(argv[1]));

    QElapsedTimer startTimer;
    startTimer.start();
    CQuoteDlg dlg(nullptr, nullptr, true);
    dlg.show();
    std::cout << "start: " << startTimer.nsecsElapsed() / 1e6 << " ms\n";
    auto* pOk = dlg.Client()->findChild<QPushButton*>(QStringLiteral("buttonOk"));
    for (const std::string& reference : references) {
        std::vector<double> ms, copyMs;
        for (int run = 0; run < nRuns; ++run) {
            dlg.showNormal();
            dlg.m_comboVerse->setEditText(QString::fromStdString(reference));
            QElapsedTimer timer;
            // Runs inside the quote window's own event loop, once it is shown.
            QTimer::singleShot(0, [&] {
                auto* pQuote = qobject_cast<CCopyDlg*>(QApplication::activeModalWidget());
                if (pQuote == nullptr) return;
                ms.push_back(timer.nsecsElapsed() / 1e6);
                QElapsedTimer copyTimer;
                copyTimer.start();
                pQuote->accept();  // copies, as "Копировать" does
                copyMs.push_back(copyTimer.nsecsElapsed() / 1e6);
            });
            timer.start();
            pOk->click();
        }
        std::sort(ms.begin(), ms.end());
        std::sort(copyMs.begin(), copyMs.end());
        if (ms.empty()) {
            std::cerr << reference << ": no quote window\n";
            return 1;
        }
        std::cout << "OK to quote window, " << reference << ": median " << ms[ms.size() / 2] << " ms, max " << ms.back()
                  << " ms (" << ms.size() << " runs); copy: median " << copyMs[copyMs.size() / 2] << " ms\n";
    }
    dlg.reject();
    return 0;
}
