#pragma once
// frmSplash: the frameless white window that stands while the program starts.
#include <QWidget>
#include <chrono>

namespace zenlith {

class SplashWindow : public QWidget {
public:
    SplashWindow();
};

// Shows the splash, paints it completely, holds the thread for the pause
// (nothing repaints meanwhile) and unloads it.
void showSplashFor(std::chrono::milliseconds pause);

}  // namespace zenlith
