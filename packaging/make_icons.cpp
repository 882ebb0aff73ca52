// Writes the window icon as the PNG files of the hicolor icon theme:
// make_icons OUTDIR SIZE... writes OUTDIR/SIZE/tessivo.png for each size.
#include <QDir>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "pictures.h"

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString dir = outDir + '/' + QString::number(size);
        if (size <= 0 || !QDir().mkpath(dir) ||
            !pictures::StripesImage(size).save(dir + "/tessivo.png")) {
            std::fprintf(stderr, "cannot write the %s pixel icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
