// The splash window as designed, and gone once start-up is past it.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include "clock.h"
#include "main_window.h"
#include "recording_message_box.h"
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

TEST(Splash, StandsForItsPauseWithoutStoppingTheEventLoopAndIsUnloadedAfterIt) {
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(10);
    QElapsedTimer stood;
    stood.start();
    EXPECT_TRUE(zenlith::showSplashFor(std::chrono::milliseconds(300)));
    EXPECT_GE(stood.elapsed(), 300);
    EXPECT_GT(ticks, 3);
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_NE(window->objectName(), "frmSplash");
    }
}

TEST(Splash, ClosingItEndsStartUpAtOnceWithNothingFilled) {
    RecordingMessageBox messages;
    zenlith::MainWindow window(messages);
    QTimer::singleShot(50, [] {
        for (QWidget* splash : QApplication::topLevelWidgets()) {
            if (splash->objectName() == "frmSplash") splash->close();
        }
    });
    EXPECT_FALSE(window.startUp(zenlith::FixedClock("05/03/2024", "7:04:09"), std::chrono::milliseconds(20000)));
    EXPECT_TRUE(window.findChild<QLineEdit*>(QStringLiteral("Text1"))->text().isEmpty());
}
