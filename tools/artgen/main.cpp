// Redraws every picture of the program from code, the same bytes each run.
#include "output.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <vector>

namespace {

struct Picture
{
    const char* name;
    QSize size;
    artgen::Draw draw;
};

std::vector<Picture> allPictures()
{
    using namespace artgen;
    return {
        {"sun", {29, 29}, sunPicture()},
        {"mercury", {23, 23}, mercuryPicture()},
        {"venus", {23, 23}, venusPicture()},
        {"mars", {23, 23}, marsPicture()},
        {"jupiter", {23, 23}, jupiterPicture()},
        {"uranus", {23, 23}, uranusPicture()},
        {"neptune", {23, 23}, neptunePicture()},
        {"saturn", {49, 20}, saturnPicture()},
        {"moon_small", {23, 23}, moonDiscPicture()},
        {"moon_photo", {106, 106}, moonPhotoPicture()},
        {"icon", {32, 32}, iconPicture()},
        {"splash_logo", {143, 125}, splashLogoPicture()},
    };
}

} // namespace

int main(int argc, char* argv[])
{
    // QPainter text and paths need a GUI application; run with
    // QT_QPA_PLATFORM=offscreen where there is no display.
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: zenlith-artgen <pictures-dir> <icons-dir>\n";
        return 2;
    }
    const QString picturesDir = args.at(1);
    const QString iconsDir = args.at(2);
    if (!QDir().mkpath(picturesDir) || !QDir().mkpath(iconsDir)) {
        QTextStream(stderr) << "zenlith-artgen: cannot create the output folders\n";
        return 1;
    }
    for (const Picture& p : allPictures()) {
        if (!artgen::writePicture(picturesDir, QString::fromLatin1(p.name), p.size, p.draw))
            return 1;
    }
    return artgen::writeThemeIcons(iconsDir, QStringLiteral("zenlith"), 32, artgen::iconPicture()) ? 0 : 1;
}
