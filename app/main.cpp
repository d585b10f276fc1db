// Zenlith: the command line, the splash for two seconds, then the window
// until it closes.
#include <QApplication>
#include <QSettings>
#include <chrono>
#include <cstdio>

#include "application_setup.h"
#include "application_window.h"
#include "clock.h"
#include "kept_settings.h"
#include "message_box.h"
#include "missing_display_guard.h"
#include "start_options.h"

namespace {

int answer(const QString& text, std::FILE* stream, int status) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

// The options are read before any window system is asked for, so that
// --help, --version and refusals work anywhere and say only their own line.
zenlith::ParsedOptions readOptions(int argc, char* argv[]) {
    const QCoreApplication reader(argc, argv);
    return zenlith::parseStartOptions(QCoreApplication::arguments());
}

}  // namespace

int main(int argc, char* argv[]) {
    const zenlith::ParsedOptions parsed = readOptions(argc, argv);
    if (const auto* immediate = std::get_if<zenlith::ImmediateAnswer>(&parsed)) return answer(immediate->text, stdout, 0);
    if (const auto* error = std::get_if<zenlith::OptionError>(&parsed)) {
        return answer(QStringLiteral("zenlith: ") + error->message + QLatin1Char('\n'), stderr, 2);
    }
    const auto& options = std::get<zenlith::StartOptions>(parsed);
    zenlith::MissingDisplayGuard displayGuard;
    QApplication application(argc, argv);
    displayGuard.release();
    zenlith::prepareApplication(application);
    zenlith::ModalMessageBox messages;
    const std::unique_ptr<QSettings> settings = zenlith::openKeptSettings(zenlith::keptSettingsPath());
    zenlith::ApplicationWindow window(messages, *settings);
    if (!window.startUp(zenlith::SystemClock(), std::chrono::milliseconds(2000))) return 0;
    if (options.at) {
        window.window().goTo(*options.at);
        if (options.summerTime) window.window().setSummerTime(*options.summerTime);
        window.window().computeSky();
    }
    window.show();
    return QApplication::exec();
}
