// Writes the program icon as PNG for the icon theme: icontopng IN.xpm OUT.png
#include <QImage>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    return !icon.isNull() && icon.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
