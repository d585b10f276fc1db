// The catalogue as compiled in, against the published Bright Star Catalogue
// (5th revised edition, Hoffleit & Warren 1991, VizieR V/50): its count, a few
// stars' J2000 places and magnitudes; and the names and figures drawn on it.
#include <gtest/gtest.h>

#include <algorithm>

#include "constellations.h"
#include "star_catalogue.h"
#include "star_names.h"

namespace zenlith::stars {
namespace {

TEST(Catalogue, HoldsThePublishedStarsBrightestFirst) {
    const auto stars = catalogueStars();
    // 9110 entries, of which 14 (novae and galaxies) have no place.
    EXPECT_EQ(stars.size(), 9096u);
    EXPECT_TRUE(std::is_sorted(stars.begin(), stars.end(),
                               [](const auto& a, const auto& b) { return a.magnitude < b.magnitude; }));
    struct Known {
        int hr;
        double raHours, decDegrees, magnitude;
    };
    const Known known[] = {
        {2491, 6 + 45 / 60. + 8.9 / 3600, -(16 + 42 / 60. + 58 / 3600.), -1.46},  // Sirius
        {2326, 6 + 23 / 60. + 57.1 / 3600, -(52 + 41 / 60. + 44 / 3600.), -0.72},  // Canopus
        {7001, 18 + 36 / 60. + 56.3 / 3600, 38 + 47 / 60. + 1 / 3600., 0.03},      // Vega
        {424, 2 + 31 / 60. + 48.7 / 3600, 89 + 15 / 60. + 51 / 3600., 2.02},       // Polaris
    };
    for (const Known& k : known) {
        const auto index = catalogueIndexOf(k.hr);
        ASSERT_TRUE(index) << k.hr;
        const CatalogueStar& s = stars[*index];
        EXPECT_NEAR(s.raHours, k.raHours, 0.0002) << k.hr;
        EXPECT_NEAR(s.decDegrees, k.decDegrees, 0.002) << k.hr;
        EXPECT_FLOAT_EQ(s.magnitude, static_cast<float>(k.magnitude)) << k.hr;
    }
}

TEST(Catalogue, NamesTheBrightestAndDrawsEveryConstellation) {
    const auto stars = catalogueStars();
    for (std::size_t i = 0; i < 40; ++i) EXPECT_FALSE(hebrewStarName(stars[i].hr).empty()) << stars[i].hr;
    EXPECT_TRUE(hebrewStarName(9110).empty());

    const auto all = constellations();
    EXPECT_EQ(all.size(), 88u);
    for (const Constellation& c : all) {
        EXPECT_FALSE(c.hebrewName.empty()) << c.abbreviation;
        EXPECT_FALSE(c.figure.empty()) << c.abbreviation;
    }
    // The Big Dipper's handle ends at Alkaid (HR 5191); Orion's belt joins
    // Alnitak, Alnilam and Mintaka (HR 1948, 1903, 1852).
    const auto joined = [&](std::string_view abbreviation, int a, int b) {
        const auto c = std::find_if(all.begin(), all.end(), [&](const auto& x) { return x.abbreviation == abbreviation; });
        for (const auto& run : c->figure) {
            for (std::size_t n = 1; n < run.size(); ++n) {
                const int p = stars[run[n - 1]].hr, q = stars[run[n]].hr;
                if ((p == a && q == b) || (p == b && q == a)) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(joined("UMa", 5191, 5054));
    EXPECT_TRUE(joined("Ori", 1948, 1903));
    EXPECT_TRUE(joined("Ori", 1903, 1852));
}

}  // namespace
}  // namespace zenlith::stars
