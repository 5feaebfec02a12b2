// Prints the clipboard's text as another program reads it:   wayland_clipboard
// A Wayland desktop offers the clipboard only to the window with the keyboard
// focus, so a small window is shown and the text read once it is active.
#include <QClipboard>
#include <QGuiApplication>
#include <QRasterWindow>
#include <QTimer>
#include <cstdio>

namespace {
constexpr int kTimeoutMs = 10000;
}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QRasterWindow window;
    window.resize(40, 40);
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, [&window](QWindow* pFocus) {
        if (pFocus != &window) return;
        std::fputs(QGuiApplication::clipboard()->text().toUtf8().constData(), stdout);
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(kTimeoutMs, [] { QCoreApplication::exit(1); });
    window.show();
    return QCoreApplication::exec();
}
