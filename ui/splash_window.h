#pragma once
// frmSplash: the frameless white window that stands while the program starts.
#include <QWidget>
#include <chrono>

namespace zenlith {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // At night, dim red on black.
    explicit SplashWindow(bool night = false);

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
};

// Shows the splash, paints it completely, lets it stand for the pause while
// the event loop runs on, and unloads it. False when the user closed it
// meanwhile: the program is to end.
bool showSplashFor(std::chrono::milliseconds pause, bool night = false);

}  // namespace zenlith
