#include "output.h"

#include <QDir>
#include <QImage>
#include <QTextStream>

#include <array>
#include <utility>

namespace artgen {

namespace {

bool render(const QString& path, QSize pixels, double scale, const Draw& draw)
{
    QImage img(pixels, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    draw(img, scale);
    if (img.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "zenlith-artgen: cannot write " << path << '\n';
    return false;
}

} // namespace

Draw fromSampler(Sampler sample)
{
    return [sample = std::move(sample)](QImage& img, double scale) { rasterize(img, scale, sample); };
}

bool writePicture(const QString& dir, const QString& name, QSize size, const Draw& draw)
{
    const QDir d(dir);
    return render(d.filePath(name + ".png"), size, 1.0, draw)
        && render(d.filePath(name + "@2x.png"), size * 2, 2.0, draw);
}

bool writeThemeIcons(const QString& iconsDir, const QString& name, int nominal, const Draw& draw)
{
    constexpr std::array sizes{16, 24, 32, 48, 64, 128, 256};
    for (int n : sizes) {
        const QString sub = QStringLiteral("hicolor/%1x%1/apps").arg(n);
        QDir d(iconsDir);
        if (!d.mkpath(sub)) {
            QTextStream(stderr) << "zenlith-artgen: cannot create " << d.filePath(sub) << '\n';
            return false;
        }
        if (!render(d.filePath(sub + '/' + name + ".png"), QSize(n, n), double(n) / nominal, draw))
            return false;
    }
    return true;
}

} // namespace artgen
