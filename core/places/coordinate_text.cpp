#include "coordinate_text.h"

#include <charconv>
#include <cmath>

namespace zenlith {

namespace {

constexpr std::size_t longestNumber = 12;  // characters: no one types more digits than that

// Reads the text from the front, one piece at a time.
class Scanner {
public:
    explicit Scanner(std::string_view text) : rest_(text) {}

    bool atEnd() const { return rest_.empty(); }
    void skipSpaces() {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) rest_.remove_prefix(1);
    }
    // Commas and spaces between the parts.
    bool skipSeparator() {
        const std::size_t before = rest_.size();
        skipSpaces();
        if (take(",")) skipSpaces();
        return rest_.size() < before;
    }
    bool take(std::string_view token) {
        if (!rest_.starts_with(token)) return false;
        rest_.remove_prefix(token.size());
        return true;
    }
    bool takeAny(std::initializer_list<std::string_view> tokens) {
        for (const std::string_view token : tokens) {
            if (take(token)) return true;
        }
        return false;
    }
    // [+-]digits[.digits], no exponent, no names of infinities.
    std::optional<double> number(bool signAllowed) {
        std::size_t n = 0;
        if (signAllowed && n < rest_.size() && (rest_[n] == '-' || rest_[n] == '+')) ++n;
        const std::size_t digitsStart = n;
        bool point = false;
        while (n < rest_.size() && ((rest_[n] >= '0' && rest_[n] <= '9') || (rest_[n] == '.' && !point))) {
            point = point || rest_[n] == '.';
            ++n;
        }
        if (n == digitsStart || (n == digitsStart + 1 && point) || n > longestNumber) return std::nullopt;
        // from_chars, unlike stod, ignores the locale: the window runs under the
        // user's, where the decimal point may be a comma.
        const std::size_t skip = rest_[0] == '+' ? 1 : 0;
        double value = 0;
        std::from_chars(rest_.data() + skip, rest_.data() + n, value);
        rest_.remove_prefix(n);
        return value;
    }
    // The hemisphere letter, if the next character is one.
    std::optional<char> hemisphere() {
        if (rest_.empty()) return std::nullopt;
        const char c = static_cast<char>(rest_.front() & ~0x20);  // upper case for letters
        if (c != 'N' && c != 'S' && c != 'E' && c != 'W') return std::nullopt;
        // A letter that starts a word such as a zone's name is not a hemisphere.
        if (rest_.size() > 1 && ((rest_[1] | 0x20) >= 'a' && (rest_[1] | 0x20) <= 'z')) return std::nullopt;
        rest_.remove_prefix(1);
        return c;
    }
    std::string_view word() {
        std::size_t n = 0;
        while (n < rest_.size() && rest_[n] != ' ' && rest_[n] != ',' && rest_[n] != '\t') ++n;
        const std::string_view word = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return word;
    }

private:
    std::string_view rest_;
};

struct Angle {
    double degrees = 0;
    std::optional<char> hemisphere;
};

// A whole number of degrees' parts (minutes or seconds) and its mark, taken
// only when both are there: otherwise the number is the next angle's.
// Nothing taken gives 0; a part of 60 or more is no angle.
std::optional<double> partOf(Scanner& in, std::initializer_list<std::string_view> marks) {
    Scanner ahead = in;
    ahead.skipSpaces();
    const std::optional<double> part = ahead.number(false);
    if (!part || !ahead.takeAny(marks)) return 0.0;
    in = ahead;
    if (*part >= 60) return std::nullopt;
    return *part;
}

// Degrees, or degrees ° minutes ′ seconds ″, then maybe a hemisphere letter.
// Spaces belong to the angle only before its marks and its letter.
std::optional<Angle> readAngleAt(Scanner& in) {
    const std::optional<double> degrees = in.number(true);
    if (!degrees) return std::nullopt;
    const bool negative = std::signbit(*degrees);  // "-0°30′" too
    double magnitude = std::fabs(*degrees);
    Scanner ahead = in;
    ahead.skipSpaces();
    if (ahead.takeAny({"°", "º"})) {
        in = ahead;
        const double minutes = partOf(in, {"′", "'", "’"}).value_or(-1);
        const double seconds = minutes >= 0 ? partOf(in, {"″", "\"", "”", "''"}).value_or(-1) : -1;
        if (seconds < 0) return std::nullopt;
        // Only the last part given may have a fraction.
        const bool wholeAbove = std::floor(magnitude) == magnitude && (seconds == 0 || std::floor(minutes) == minutes);
        if ((minutes > 0 || seconds > 0) && !wholeAbove) return std::nullopt;
        magnitude += minutes / 60 + seconds / 3600;
    }
    ahead = in;
    ahead.skipSpaces();
    const std::optional<char> hemisphere = ahead.hemisphere();
    if (hemisphere) in = ahead;
    if (hemisphere && negative) return std::nullopt;  // "-31 S" says south twice
    return Angle{negative ? -magnitude : magnitude, hemisphere};
}

std::optional<double> signedBy(const Angle& angle, Axis axis) {
    if (!angle.hemisphere) return angle.degrees;
    const char h = *angle.hemisphere;
    const bool fits = axis == Axis::latitude ? (h == 'N' || h == 'S') : (h == 'E' || h == 'W');
    if (!fits) return std::nullopt;
    return h == 'S' || h == 'W' ? -angle.degrees : angle.degrees;
}

std::optional<CoordinateError> outOfRange(double degrees, Axis axis) {
    const double limit = axis == Axis::latitude ? 90 : 180;
    if (std::fabs(degrees) <= limit) return std::nullopt;
    return axis == Axis::latitude ? CoordinateError::latitudeRange : CoordinateError::longitudeRange;
}

// The height: a number, maybe followed by "m" or "מ".
std::optional<double> readHeight(Scanner& in) {
    const std::optional<double> metres = in.number(true);
    if (!metres) return std::nullopt;
    in.skipSpaces();
    in.takeAny({"m", "מ׳", "מ'", "מ"});
    return metres;
}

}  // namespace

std::variant<double, CoordinateError> readAngle(std::string_view text, Axis axis) {
    Scanner in(text);
    in.skipSpaces();
    const std::optional<Angle> angle = readAngleAt(in);
    in.skipSpaces();
    const std::optional<double> degrees = angle ? signedBy(*angle, axis) : std::nullopt;
    if (!degrees || !in.atEnd()) return CoordinateError::notCoordinates;
    if (const auto error = outOfRange(*degrees, axis)) return *error;
    return *degrees;
}

std::variant<TypedCoordinates, CoordinateError> readCoordinates(std::string_view text) {
    Scanner in(text);
    in.skipSpaces();
    const std::optional<Angle> first = readAngleAt(in);
    if (!first || !in.skipSeparator()) return CoordinateError::notCoordinates;
    const std::optional<Angle> second = readAngleAt(in);
    if (!second) return CoordinateError::notCoordinates;
    // "35°13′E 31°46′N" names its parts: take them in either order.
    const bool swapped = first->hemisphere && (*first->hemisphere == 'E' || *first->hemisphere == 'W');
    const std::optional<double> latitude = signedBy(swapped ? *second : *first, Axis::latitude);
    const std::optional<double> longitude = signedBy(swapped ? *first : *second, Axis::longitude);
    if (!latitude || !longitude) return CoordinateError::notCoordinates;
    TypedCoordinates typed{*latitude, *longitude, std::nullopt, std::nullopt};
    if (in.skipSeparator() && !in.atEnd()) {
        typed.heightMetres = readHeight(in);
        if (typed.heightMetres) in.skipSeparator();
        if (!in.atEnd()) typed.timeZone = std::string(in.word());
        in.skipSpaces();
    }
    if (!in.atEnd()) return CoordinateError::notCoordinates;
    if (const auto error = outOfRange(typed.latitudeDegrees, Axis::latitude)) return *error;
    if (const auto error = outOfRange(typed.longitudeDegrees, Axis::longitude)) return *error;
    if (typed.heightMetres && !(*typed.heightMetres >= lowestGroundMetres && *typed.heightMetres <= highestGroundMetres)) {
        return CoordinateError::heightRange;
    }
    return typed;
}

}  // namespace zenlith
