// Writes the logo scaled to one of the icon theme's sizes, at build time, so that the installed
// icons always follow resources/logo.png. Usage: scale_icon SOURCE SIZE TARGET
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: scale_icon SOURCE SIZE TARGET\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    bool isNumber = false;
    const int size = QByteArray(argv[2]).toInt(&isNumber);
    if (source.isNull() || !isNumber || size <= 0) {
        std::fprintf(stderr, "scale_icon: cannot make a %s pixel icon from %s\n", argv[2], argv[1]);
        return 1;
    }
    const QImage icon = source.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "scale_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
