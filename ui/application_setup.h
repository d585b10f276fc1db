#pragma once
// What the application needs before its first window: the pictures, the
// Hebrew-capable fonts behind the legacy font names, Qt's own Hebrew texts
// (so standard buttons read in Hebrew) and one style that honours the
// designed colours on every desktop.
class QApplication;

namespace zenlith {

void prepareApplication(QApplication& application);

}  // namespace zenlith
