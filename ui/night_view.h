#pragma once
// The night view, for use outside in the dark: the whole application in dim
// red on black (menus through the application's palette; message boxes and
// the save and print dialogs, icons included, turned red as they open), and
// the main window's own colours, pictures and chart turned into shades of red
// by their brightness, so that day, the twilights and night keep their order.
class QWidget;

namespace zenlith {

void applyNightView(QWidget& window, bool on);

// A light panel (the splash's white) for the night: its light and dark
// swapped, then red, so that it reads dim red on black.
void showLightPanelAtNight(QWidget& panel);

}  // namespace zenlith
