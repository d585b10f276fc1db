#pragma once
// Where every control of the main window stands, in twips relative to its
// container, exactly as the window was designed. Nothing else in the program
// holds a control's geometry.
#include <QColor>
#include <array>
#include <string_view>

#include "twips.h"

namespace zenlith::window_layout {

// The client area.
inline constexpr TwipsBox window{"zenlith", 0, 0, 11535, 7965};

inline constexpr std::array controls{
    // the three bands
    TwipsBox{"Form1", 0, 0, 11535, 1900},
    TwipsBox{"Text2", 0, 1920, 11535, 1815},
    TwipsBox{"Frame5", 0, 3720, 11535, 4260},
    // input panel, inside Form1
    TwipsBox{"Frame1", 120, 230, 3855, 1590},
    TwipsBox{"plot", 4080, 230, 1620, 1590},
    TwipsBox{"moon", 0, 0, 1650, 1650},  // inside plot
    TwipsBox{"Command1", 5850, 240, 1605, 735},
    TwipsBox{"Command7", 5850, 1020, 1605, 375},
    TwipsBox{"Command2", 5850, 1450, 1605, 375},
    TwipsBox{"Combo3", 7560, 240, 735, 315},
    TwipsBox{"Label5", 8400, 360, 975, 255},
    TwipsBox{"Combo4", 7560, 600, 735, 315},
    TwipsBox{"Label8", 8400, 720, 975, 255},
    TwipsBox{"Check4", 7560, 1080, 1095, 195},
    TwipsBox{"Text6", 7560, 1450, 3765, 360},
    TwipsBox{"Text1", 9480, 240, 735, 315},
    TwipsBox{"Label2", 10320, 360, 855, 255},
    TwipsBox{"Combo1", 9480, 600, 735, 315},
    TwipsBox{"Label3", 10320, 720, 975, 255},
    TwipsBox{"Combo2", 9480, 960, 735, 315},
    TwipsBox{"Label4", 10320, 1080, 855, 255},
    // legend, inside Frame1
    TwipsBox{"Image7", 800, 90, 735, 300},
    TwipsBox{"Label12", 120, 120, 510, 165},
    TwipsBox{"Image4", 2280, 90, 345, 345},
    TwipsBox{"Label9", 1830, 120, 350, 165},
    TwipsBox{"Image1", 3360, 90, 345, 345},
    TwipsBox{"Label1", 2800, 120, 450, 165},
    TwipsBox{"Image8", 945, 530, 435, 435},
    TwipsBox{"Label13", 240, 630, 375, 165},
    TwipsBox{"Image5", 2280, 600, 345, 345},
    TwipsBox{"Label10", 1830, 630, 345, 165},
    TwipsBox{"Image2", 3360, 600, 345, 345},
    TwipsBox{"Label6", 2700, 630, 555, 165},
    TwipsBox{"Image9", 960, 1080, 345, 345},
    TwipsBox{"Label14", 360, 1120, 255, 165},
    TwipsBox{"Image6", 2280, 1080, 345, 345},
    TwipsBox{"Label11", 1665, 1120, 510, 165},
    TwipsBox{"Image3", 3360, 1080, 345, 345},
    TwipsBox{"Label7", 2760, 1120, 495, 165},
    // chart labels, inside Frame5
    TwipsBox{"Label48", 120, 3840, 345, 200},
    TwipsBox{"Label39", 200, 230, 250, 200},
    TwipsBox{"Label47", 300, 3439, 135, 200},
    TwipsBox{"Label46", 300, 3038, 150, 200},
    TwipsBox{"Label45", 300, 2637, 150, 200},
    TwipsBox{"Label44", 300, 2236, 150, 200},
    TwipsBox{"Label43", 300, 1835, 150, 200},
    TwipsBox{"Label42", 300, 1434, 150, 200},
    TwipsBox{"Label41", 300, 1033, 150, 200},
    TwipsBox{"Label40", 300, 632, 150, 200},
    TwipsBox{"Label38", 595, 3960, 460, 255},
    TwipsBox{"Label36", 3159, 3960, 460, 255},
    TwipsBox{"Label35", 5723, 3960, 460, 255},
    TwipsBox{"Label33", 8287, 3960, 460, 255},
    TwipsBox{"Label31", 10780, 3960, 460, 255},
    // body markers, inside Frame5, at their parking places
    TwipsBox{"neptun", 5160, 480, 345, 345},
    TwipsBox{"mercury", 5160, 840, 345, 345},
    TwipsBox{"mars", 5160, 1200, 345, 345},
    TwipsBox{"jupiter", 5160, 1560, 345, 345},
    TwipsBox{"venus", 5160, 1920, 345, 345},
    TwipsBox{"uranus", 5160, 2280, 345, 345},
    TwipsBox{"sun", 5160, 2640, 435, 435},
    TwipsBox{"saturn", 5040, 3120, 735, 300},
    TwipsBox{"moon1", 5160, 3480, 345, 345},
};

// The chart's static lines, inside Frame5, from (x1, y1) to (x2, y2).
struct ChartLine {
    std::string_view name;
    int x1;
    int y1;
    int x2;
    int y2;
    QRgb colour;
    Qt::PenStyle style;  // the horizon's attribute 6 as solid, the zenith's 3 as dotted
};

inline constexpr std::array chartLines{
    ChartLine{"Line39", 480, 3960, 11020, 3960, 0xff0000, Qt::SolidLine},
    ChartLine{"Line1", 480, 300, 11020, 300, 0x0000ff, Qt::DotLine},
    ChartLine{"Line40", 480, 3960, 480, 300, 0xff0000, Qt::SolidLine},
    ChartLine{"Line2", 11020, 3960, 11020, 300, 0xff0000, Qt::SolidLine},
};

// The entry of the named control; every name the window uses is listed.
const TwipsBox& boxOf(std::string_view name);

}  // namespace zenlith::window_layout
