// Writes one square PNG icon from our XPM pixel art, for the desktop's hicolor icon theme:
//   pixelicons <art .xpm> <size> <output .png>
// The size must be a whole multiple of the art's size. Any failure is reported on stderr with a
// non-zero exit status.
#include <QImage>
#include <QString>
#include <cstdio>

#include "pixelicons/pixelartscale.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: pixelicons <art .xpm> <size> <output .png>\n");
        return 2;
    }
    const QString artFile = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);

    const QImage art(artFile, "XPM");
    if (art.isNull()) {
        std::fprintf(stderr, "pixelicons: cannot read the XPM image %s\n", argv[1]);
        return 1;
    }
    const QImage icon = isNumber ? pixelicons::scalePixelArt(art, size) : QImage();
    if (icon.isNull()) {
        std::fprintf(stderr, "pixelicons: %s is %d x %d; %s is not a whole multiple of that\n",
                     argv[1], art.width(), art.height(), argv[2]);
        return 1;
    }
    if (!icon.save(output, "PNG")) {
        std::fprintf(stderr, "pixelicons: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
