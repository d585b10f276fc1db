// Zenlith: the splash for two seconds, then the main window until it closes.
#include <QApplication>
#include <chrono>

#include "application_setup.h"
#include "clock.h"
#include "main_window.h"
#include "message_box.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    zenlith::prepareApplication(application);
    zenlith::ModalMessageBox messages;
    zenlith::MainWindow window(messages);
    if (!window.startUp(zenlith::SystemClock(), std::chrono::milliseconds(2000))) return 0;
    window.show();
    return QApplication::exec();
}
