#include "application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "legacy_fonts.h"
#include "pictures.h"

namespace zenlith {

namespace {

void loadHebrewTranslation(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_he"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

}  // namespace

void prepareApplication(QApplication& application) {
    initPictures();
    mapLegacyFonts();
    loadHebrewTranslation(application);
    QApplication::setStyle(QStringLiteral("Fusion"));
}

}  // namespace zenlith
