// The Moon pictures' phase branches, on instants found by scanning the core.
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <functional>
#include <optional>

#include "moon_shading.h"
#include "sky_calculator.h"
#include "window_fixture.h"

namespace {

using PhaseTest = std::function<bool(const std::optional<zenlith::MoonPhaseDrawing>&)>;

// The first noon-to-midnight instant of 2024 whose Moon passes the test.
zenlith::FieldTexts firstInstantWhere(const PhaseTest& wanted) {
    zenlith::SkyCalculator calculator;
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 28; ++day) {
            for (int hour = 0; hour < 24; hour += 2) {
                const zenlith::FieldTexts fields{"2024", std::to_string(month), std::to_string(day), std::to_string(hour),
                                                 "0", false};
                const auto outcome = calculator.compute(fields, separator);
                if (wanted(std::get<zenlith::ComputedSky>(outcome).moonPhase)) return fields;
            }
        }
    }
    ADD_FAILURE() << "no instant of 2024 has the wanted Moon";
    return {};
}

const QColor shade(52, 52, 52);

// The colour across the picture's middle row at the given fraction of its width.
QColor middleRowAt(const QLabel* picture, double fraction) {
    const QImage image = picture->pixmap().toImage();
    return image.pixelColor(static_cast<int>(fraction * image.width()), image.height() / 2);
}

}  // namespace

class MoonPhaseTest : public WindowTest {
protected:
    void SetUp() override { startAt("05/03/2024", "7:04:09"); }

    void computeAt(const zenlith::FieldTexts& fields) {
        enterInstant(fields);
        pressCompute();
        ASSERT_TRUE(messages.shown.empty());
    }
};

// A crescent is shaded on the dark side of both pictures and the lit side
// keeps the photograph: on the left while waxing, on the right while waning.
TEST_F(MoonPhaseTest, CrescentsAreShadedOnTheirDarkSideOfBothPictures) {
    const struct {
        bool waning;
        double fromDegrees, toDegrees, shadedAt, litAt;
    } cases[] = {{false, 40, 70, 0.2, 0.95}, {true, 110, 140, 0.8, 0.05}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.waning ? "waning" : "waxing");
        computeAt(firstInstantWhere([&c](const auto& phase) {
            return phase && phase->waning == c.waning && phase->angle >= c.fromDegrees && phase->angle <= c.toDegrees;
        }));
        for (const char* picture : {"plot", "moon1"}) {
            EXPECT_EQ(middleRowAt(label(picture), c.shadedAt), shade) << picture;
            EXPECT_NE(middleRowAt(label(picture), c.litAt), shade) << picture;
        }
        EXPECT_EQ(middleRowAt(label("plot"), c.litAt), middleRowAt(label("moon"), c.litAt));
    }
}

TEST_F(MoonPhaseTest, NearlyFullMoonKeepsItsFaceAndAFullOneStaysUnshaded) {
    computeAt(firstInstantWhere([](const auto& phase) { return phase && !phase->waning && phase->angle >= 178; }));
    for (const double fraction : {0.25, 0.5, 0.75}) {
        EXPECT_EQ(middleRowAt(label("plot"), fraction), middleRowAt(label("moon"), fraction)) << fraction;
    }
    const QPixmap photo = label("moon")->pixmap();
    EXPECT_EQ(zenlith::shadedCopy(photo, {false, 180}).toImage(), photo.toImage());
}

TEST_F(MoonPhaseTest, BetweenFourteenAndFifteenDaysNothingIsDrawn) {
    computeAt(firstInstantWhere([](const auto& phase) { return phase && !phase->waning && phase->angle < 60; }));
    const QImage shadedMarker = label("moon1")->pixmap().toImage();
    computeAt(firstInstantWhere([](const auto& phase) { return !phase.has_value(); }));
    EXPECT_EQ(label("plot")->pixmap().toImage(), label("moon")->pixmap().toImage());  // a fresh, unshaded copy
    EXPECT_EQ(label("moon1")->pixmap().toImage(), shadedMarker);
}
