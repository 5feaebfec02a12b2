// Saves a picture of the whole X screen, or of one window, as PNG:
//   grab_screen FILE.png [WINDOW-ID]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) return 2;
    const WId window = argc > 2 ? static_cast<WId>(std::stoull(argv[2], nullptr, 0)) : 0;
    return QGuiApplication::primaryScreen()->grabWindow(window).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
