// Draws the sign pictures and the program's icons into a directory:
//   artgen <dir>  ->  <dir>/signs/<sign>.jpg, <sign>@2x.jpg, <dir>/icons/quorvis-<N>.png, quorvis.ico
#include "appicon.h"
#include "emblems.h"
#include "icofile.h"
#include "medallion.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>

#include <cstdio>

namespace {

bool save(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "artgen: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // Painting on images needs no window system; the application object only makes the image plugins load.
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <output directory>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("signs") || !out.mkpath("icons")) {
        std::fprintf(stderr, "artgen: cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    for (int sign = 0; sign < int(signNames.size()); ++sign) {
        const QString name = QString::fromLatin1(signNames[sign].data(), signNames[sign].size());
        ok &= save(renderSign(sign, 1), out.filePath("signs/" + name + ".jpg"), "jpg", 90);
        ok &= save(renderSign(sign, 2), out.filePath("signs/" + name + "@2x.jpg"), "jpg", 90);
    }

    QList<QImage> icoImages;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon = renderIcon(size);
        ok &= save(icon, out.filePath(QString("icons/quorvis-%1.png").arg(size)), "png");
        if (size == 16 || size == 32 || size == 48 || size == 256)
            icoImages.append(icon);
    }
    if (!writeIco(out.filePath("icons/quorvis.ico"), icoImages)) {
        std::fprintf(stderr, "artgen: cannot write icons/quorvis.ico\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
