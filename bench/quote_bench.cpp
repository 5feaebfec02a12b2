// Times the OK command in the real main window: from the click on OK to the
// quote window being shown with the quotation, for references of different
// sizes. Runs on whatever Qt platform is set (xcb under Xvfb for realism).
//   quote_bench MODULE_ROOT
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <vector>

#include "app/quotedlg.h"
#include "output/copydlg.h"

using namespace sorvanta;

int main(int argc, char** argv) {
    QTemporaryDir profileDir;
    qputenv("XDG_CONFIG_HOME", profileDir.path().toUtf8());
    QApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: quote_bench MODULE_ROOT\n";
        return 2;
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Sorvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("sorvanta"));
    QSettings().setValue(QStringLiteral("Settings/Directory"), QString::fromLocal8Bit(argv[1]));

    CQuoteDlg dlg(nullptr, nullptr, true);
    dlg.show();
    auto* pOk = dlg.Client()->findChild<QPushButton*>(QStringLiteral("buttonOk"));
    for (const char* reference : {"Jn 3:16", "Ps 150:6", "Ps 119"}) {
        std::vector<double> ms;
        for (int run = 0; run < 30; ++run) {
            dlg.showNormal();
            dlg.m_comboVerse->setEditText(QString::fromUtf8(reference));
            QElapsedTimer timer;
            // Runs inside the quote window's own event loop, once it is shown.
            QTimer::singleShot(0, [&] {
                auto* pQuote = qobject_cast<CCopyDlg*>(QApplication::activeModalWidget());
                if (pQuote == nullptr) return;
                ms.push_back(timer.nsecsElapsed() / 1e6);
                pQuote->reject();
            });
            timer.start();
            pOk->click();
        }
        std::sort(ms.begin(), ms.end());
        if (ms.empty()) {
            std::cerr << reference << ": no quote window\n";
            return 1;
        }
        std::cout << "OK to quote window, " << reference << ": median " << ms[ms.size() / 2] << " ms, max " << ms.back()
                  << " ms (" << ms.size() << " runs)\n";
    }
    dlg.reject();
    return 0;
}
