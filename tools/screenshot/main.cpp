// zenlith-screenshot OUTDIR: pictures of the main window after two fixed
// computations (a day with the Sun up, a night with the Moon up) and of the
// splash, for review. Run it on the offscreen platform.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <chrono>
#include <iostream>
#include <string_view>

#include "application_setup.h"
#include "clock.h"
#include "main_window.h"
#include "message_box.h"
#include "splash_window.h"

namespace {

// A picture tool must never wait for a button; messages go to the log.
class LoggedMessages : public zenlith::MessageBox {
public:
    void show(std::string_view prompt, std::string_view title) override {
        std::cerr << title << ": " << prompt << '\n';
    }
};

struct Instant {
    const char* file;
    const char* date;
    const char* time;
    bool summerTime;
};

bool saveComputedWindow(const Instant& instant, const QDir& folder) {
    LoggedMessages messages;
    zenlith::MainWindow window(messages);
    window.startUp(zenlith::FixedClock(instant.date, instant.time), std::chrono::milliseconds(0));
    window.findChild<QCheckBox*>(QStringLiteral("Check4"))->setChecked(instant.summerTime);
    window.show();
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    return window.grab().save(folder.filePath(QString::fromLatin1(instant.file)));
}

bool saveSplash(const QDir& folder) {
    zenlith::SplashWindow splash;
    splash.show();
    return splash.grab().save(folder.filePath(QStringLiteral("splash.png")));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: zenlith-screenshot OUTDIR\n";
        return 2;
    }
    zenlith::prepareApplication(application);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    const bool saved = saveComputedWindow({"main-day.png", "21/06/2024", "12:00:00", true}, folder) &&
                       saveComputedWindow({"main-night.png", "22/06/2024", "23:30:00", true}, folder) &&
                       saveSplash(folder);
    return saved ? 0 : 1;
}
