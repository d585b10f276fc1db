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
    // The translation turns the whole application right to left; our windows
    // are laid out left to right, and the Hebrew texts that read right to
    // left (report, calendar line, messages) say so themselves.
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace

void prepareApplication(QApplication& application) {
    initPictures();
    mapLegacyFonts();
    loadHebrewTranslation(application);
    QApplication::setStyle(QStringLiteral("Fusion"));
}

}  // namespace zenlith
