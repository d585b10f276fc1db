// The splash window as designed, and gone once start-up is past it.
#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include "splash_window.h"

TEST(Splash, IsAFramelessWhiteWindowOfTheDesignedSize) {
    zenlith::SplashWindow splash;
    EXPECT_EQ(splash.objectName(), "frmSplash");
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::SplashScreen));
    EXPECT_EQ(splash.size(), QSize(442, 231));  // 6630 by 3465 twips
    const QImage picture = splash.grab().toImage();
    EXPECT_EQ(picture.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("הפקה :"));
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblProductName"))->text(), QStringLiteral("Zenlith"));
    EXPECT_FALSE(splash.findChild<QLabel*>(QStringLiteral("picLogo"))->pixmap().isNull());
}

TEST(Splash, IsUnloadedAfterItsPause) {
    zenlith::showSplashFor(std::chrono::milliseconds(0));
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_NE(window->objectName(), "frmSplash");
    }
}
