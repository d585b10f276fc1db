#include "options.h"

#include <charconv>
#include <functional>
#include <map>

#include "coordinate_text.h"
#include "entered_text.h"
#include "instant_text.h"
#include "message_text.h"

namespace zenlith::cli {

namespace {

constexpr std::string_view help = R"(Usage: zenlith-ephemeris [OPTION]...
Print where the Sun, the Moon and the planets stand, seen from a place (by
default the original site, 32 N, 35 E, on Israel's clock), for many instants:
the figures of Zenlith's report, as a table.

The place:
      --place NAME         a place of the list, in Hebrew or English; the start
                           of a name is enough when only one place has it
      --lat DEG --lon DEG  coordinates: 31.7683 or 31°46′N; south and west
                           negative or S and W
      --height METRES      above sea level (default 0)
      --tz ZONE            a zone of the time-zone database, such as
                           America/New_York (default: the zone of the nearest
                           city the database lists)
      --list-places [TEXT] print the places whose names start with TEXT (all
                           without it) with their coordinates, and exit

Instants are civil dates and times of the place, "YYYY-MM-DD HH:MM" (digits of
other scripts are read as the window reads them):
      --at INSTANT         one instant; may be given more than once
      --from INSTANT       first instant of a range
      --to INSTANT         last instant of the range (included when a step lands on it)
      --step DURATION      10m, 1h, 1d, 1w, 1mo, 1y (minutes, hours, days, weeks,
                           months, years; default 1h)
  With none of these, the instants are read from standard input, one a line.
      --summer MODE        auto (the zone's rules, the default), on (summer
                           time: UT+3 in Israel) or off (UT+2 in Israel)

What to print:
      --model MODEL        classic (the default) or precise
      --bodies LIST        comma-separated, from: sun,mercury,venus,mars,jupiter,
                           saturn,uranus,neptune,moon (default: all, in this order)
      --fields LIST        comma-separated, from: ra,decl,az,alt,rearth,mag,phase,
                           diameter,lon,lat,age (default: all, in this order)
      --format FORMAT      text (aligned, the default), csv, tsv or json (JSON Lines)
      --full               every digit that reads back exactly, instead of the
                           report's cut to two decimals
      --output FILE        write to FILE, replaced only when the run succeeds
                           (a link is written through; FILE must be a regular file)
      --events             instead of figures, the day's events of each date
                           (rises, culminations, sets, twilights, Moon phases,
                           the Hebrew date) as text or json, in the place's clock;
                           not with --bodies, --fields or --full
      --next               instead of figures, the sky's coming events from
                           --from (default now) to --to (default a year on), on
                           the precise model, as text, csv or json
      --kinds LIST         with --next, comma-separated, from: phases,seasons,
                           planets,approaches,eclipses (default: all)
      --stars              instead of the bodies, the stars of the Bright Star
                           Catalogue at each instant: hr, name, mag, ra, decl
                           (apparent, of date), az, alt (refracted)
      --mag-limit M        with --stars, only stars of magnitude M or brighter
      --almanac            instead of figures, the month's table of every month
                           from --from YYYY-MM to --to YYYY-MM: a row a day with
                           the Hebrew date, the Sun's and the Moon's rises and
                           sets, the twilights, the Moon's illumination and
                           phases and the festivals, as text, csv or json
                           (a day's --events object with "holidays"), in
                           the place's clock
      --zmanim             with --events or --almanac, the day's halachic times
                           too: dawn (16.1°), misheyakir (11.5°), sunrise, the
                           latest Shema and prayer (Magen Avraham and Gra),
                           midday, mincha gedola and ketana, plag hamincha,
                           sunset, nightfall (8.5°), and candle lighting and
                           havdalah on the days they belong to
      --candle-minutes N   with --zmanim, candles are lit N minutes before
                           sunset, 0 to 60 (default by the place's custom:
                           Jerusalem 40, Haifa 30, elsewhere in Israel 20,
                           abroad 18)
      --havdalah RULE      with --zmanim, havdalah at tzeit (the Sun 8.5°
                           below, the default) or 72 (minutes after sunset)
      --dip                with --events, rises and sets on the
                           horizon lowered for the place's height (1.76' per
                           square root of a metre) instead of the sea-level one

      --help               show this help and exit
      --version            show the version and exit

A date the window refuses is refused with the window's reason, in its Hebrew
words on a line of their own. Exit status
is 0 on success, 1 for a refused instant or a failed write, 2 for a mistake
on the command line, 130 when interrupted.
)";

constexpr std::string_view instantHint = "; write YYYY-MM-DD HH:MM";

struct Reader {
    Options options;
    bool almanac = false;
    std::optional<CivilDateTime> from;
    std::optional<CivilDateTime> to;
    std::optional<CivilDateTime> fromMonth;  // "YYYY-MM", for --almanac
    std::optional<CivilDateTime> toMonth;
    std::optional<RangeStep> step;
    std::map<std::string_view, int> seen;
};

std::vector<std::string_view> splitList(std::string_view text) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) return items;
        start = comma + 1;
    }
}

std::optional<EventGroup> groupNamed(std::string_view name) {
    static constexpr std::pair<std::string_view, EventGroup> groups[] = {
        {"phases", EventGroup::phases},         {"seasons", EventGroup::seasons},
        {"planets", EventGroup::planets},       {"approaches", EventGroup::approaches},
        {"eclipses", EventGroup::eclipses}};
    for (const auto& [known, group] : groups) {
        if (known == name) return group;
    }
    return std::nullopt;
}

// A comma-separated list of names, each known and none twice.
template <typename Item, typename Lookup>
std::optional<std::string> readList(std::string_view option, std::string_view text, std::string_view known,
                                    Lookup lookup, std::vector<Item>& items) {
    items.clear();
    for (const std::string_view name : splitList(text)) {
        const std::optional<Item> item = lookup(name);
        if (!item) {
            return std::string(option) + ": " + quotedForMessage(name) + " is not one of " + std::string(known);
        }
        for (const Item& earlier : items) {
            if (earlier == *item) return std::string(option) + " names " + quotedForMessage(name) + " twice";
        }
        items.push_back(*item);
    }
    return std::nullopt;
}

std::optional<std::string> readAngleOption(std::string_view option, std::string_view text, Axis axis,
                                           std::optional<double>& into) {
    const auto angle = readAngle(text, axis);
    if (const double* degrees = std::get_if<double>(&angle)) {
        into = *degrees;
        return std::nullopt;
    }
    const std::string range = axis == Axis::latitude ? "from -90 to 90" : "from -180 to 180";
    return std::string(option) + ": " + quotedForMessage(text) + " is not degrees " + range +
           " such as 31.7683 or 31°46'N";
}

using Handler = std::function<std::optional<std::string>(Reader&, std::string_view)>;

std::optional<std::string> readInstant(std::string_view option, std::string_view text, CivilDateTime& into) {
    const auto when = parseInstant(text);
    if (!when) return std::string(option) + ": " + quotedForMessage(text) + " is not an instant" + std::string(instantHint);
    into = *when;
    return std::nullopt;
}

// An instant, or a month "YYYY-MM" (which only --almanac takes).
std::optional<std::string> readRangeEnd(std::string_view option, std::string_view text,
                                        std::optional<CivilDateTime>& instant, std::optional<CivilDateTime>& month) {
    if (const auto first = parseInstant(std::string(text) + "-01"); first && first->hour == 0) {
        if (first->month < 1 || first->month > 12) {
            return std::string(option) + ": " + quotedForMessage(text) + " is not a month; write YYYY-MM";
        }
        month = first;
        return std::nullopt;
    }
    return readInstant(option, text, instant.emplace());
}

template <typename Value>
std::optional<std::string> readChoice(std::string_view text, std::initializer_list<std::pair<std::string_view, Value>> choices,
                                      Value& into, std::string message) {
    for (const auto& [name, value] : choices) {
        if (name == text) {
            into = value;
            return std::nullopt;
        }
    }
    return message;
}

const std::map<std::string_view, Handler>& valueOptions() {
    static const std::map<std::string_view, Handler> handlers = {
        {"--at", [](Reader& r, std::string_view text) {
             CivilDateTime when;
             auto error = readInstant("--at", text, when);
             if (!error) r.options.at.push_back(when);
             return error;
         }},
        {"--from", [](Reader& r, std::string_view text) { return readRangeEnd("--from", text, r.from, r.fromMonth); }},
        {"--to", [](Reader& r, std::string_view text) { return readRangeEnd("--to", text, r.to, r.toMonth); }},
        {"--step", [](Reader& r, std::string_view text) -> std::optional<std::string> {
             r.step = parseStep(text);
             if (!r.step) return "--step must be a positive duration such as 10m, 1h, 1d, 1mo or 1y";
             return std::nullopt;
         }},
        {"--summer", [](Reader& r, std::string_view text) {
             return readChoice(text, {{"auto", SummerMode::automatic}, {"on", SummerMode::on}, {"off", SummerMode::off}},
                               r.options.summer, "--summer must be auto, on or off");
         }},
        {"--model", [](Reader& r, std::string_view text) {
             return readChoice(text, {{"classic", ModelKind::classic}, {"precise", ModelKind::precise}},
                               r.options.model, "--model must be classic or precise");
         }},
        {"--format", [](Reader& r, std::string_view text) {
             return readChoice(text,
                               {{"csv", TableStyle::csv}, {"tsv", TableStyle::tsv}, {"json", TableStyle::json},
                                {"text", TableStyle::text}},
                               r.options.columns.style, "--format must be csv, tsv, json or text");
         }},
        {"--bodies", [](Reader& r, std::string_view text) {
             return readList("--bodies", text, "sun, mercury, venus, mars, jupiter, saturn, uranus, neptune, moon",
                             bodyNamed, r.options.columns.bodies);
         }},
        {"--fields", [](Reader& r, std::string_view text) {
             return readList("--fields", text, "ra, decl, az, alt, rearth, mag, phase, diameter, lon, lat, age",
                             fieldNamed, r.options.columns.fields);
         }},
        {"--place", [](Reader& r, std::string_view text) -> std::optional<std::string> {
             if (text.empty()) return "--place needs a name (see --list-places)";
             r.options.place.name = std::string(text);
             return std::nullopt;
         }},
        {"--lat", [](Reader& r, std::string_view text) {
             return readAngleOption("--lat", text, Axis::latitude, r.options.place.latitudeDegrees);
         }},
        {"--lon", [](Reader& r, std::string_view text) {
             return readAngleOption("--lon", text, Axis::longitude, r.options.place.longitudeDegrees);
         }},
        {"--height", [](Reader& r, std::string_view text) -> std::optional<std::string> {
             const auto height = readCoordinates("0, 0, " + std::string(text));
             const auto* typed = std::get_if<TypedCoordinates>(&height);
             if (!typed || !typed->heightMetres || typed->timeZone) {
                 return "--height must be metres above sea level from -500 to 9000, such as 754";
             }
             r.options.place.heightMetres = typed->heightMetres;
             return std::nullopt;
         }},
        {"--tz", [](Reader& r, std::string_view text) -> std::optional<std::string> {
             if (text.empty()) return "--tz needs a zone of the time-zone database, such as Asia/Jerusalem";
             r.options.place.timeZone = std::string(text);
             return std::nullopt;
         }},
        {"--kinds", [](Reader& r, std::string_view text) {
             return readList("--kinds", text, "phases, seasons, planets, approaches, eclipses", groupNamed,
                             r.options.kinds);
         }},
        {"--mag-limit", [](Reader& r, std::string_view text) -> std::optional<std::string> {
             double limit = 0;
             const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), limit);
             if (error != std::errc() || end != text.data() + text.size() || !(limit >= -2 && limit <= 10)) {
                 return "--mag-limit must be a magnitude from -2 to 10, such as 4.5";
             }
             r.options.magnitudeLimit = limit;
             return std::nullopt;
         }},
        {"--candle-minutes", [](Reader& r, std::string_view text) -> std::optional<std::string> {
             int minutes = 0;
             const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), minutes);
             if (error != std::errc() || end != text.data() + text.size() || minutes < 0 || minutes > 60) {
                 return "--candle-minutes must be whole minutes from 0 to 60, such as 18";
             }
             r.options.candleMinutes = minutes;
             return std::nullopt;
         }},
        {"--havdalah", [](Reader& r, std::string_view text) {
             return readChoice(text, {{"tzeit", HavdalahRule::atTzeit}, {"72", HavdalahRule::seventyTwoMinutes}},
                               r.options.havdalah, "--havdalah must be tzeit (the Sun 8.5° below) or 72 (minutes after sunset)");
         }},
        {"--output", [](Reader& r, std::string_view text) -> std::optional<std::string> {
             if (text.empty()) return "--output needs a file name";
             r.options.outputPath = std::string(text);
             return std::nullopt;
         }},
    };
    return handlers;
}

// The month's table runs over whole months, in Israel's own clock.
std::optional<std::string> finishAlmanac(Reader& r) {
    if (r.options.events) return "--almanac and --events cannot be combined";
    if (r.from || r.to) return "--almanac takes months: --from YYYY-MM --to YYYY-MM";
    if (!r.fromMonth || !r.toMonth) return "--almanac needs its months from --from and --to, such as --from 2026-01 --to 2026-12";
    if (!r.options.at.empty() || r.step) return "--almanac takes no --at or --step";
    if (r.seen.contains("--bodies") || r.seen.contains("--fields") || r.options.columns.full) {
        return "--almanac has its own columns; leave out --bodies, --fields and --full";
    }
    if (r.options.columns.style == TableStyle::tsv) return "--almanac prints --format text, csv or json";
    if (r.seen.contains("--summer") && r.options.summer != SummerMode::automatic) {
        return "--almanac follows the place's clock; leave out --summer or give --summer auto";
    }
    if (julianDateOf(*r.toMonth) < julianDateOf(*r.fromMonth)) return "--almanac: --to comes before --from";
    r.options.almanac = MonthRange{r.fromMonth->year, r.fromMonth->month, r.toMonth->year, r.toMonth->month};
    return std::nullopt;
}

// The coming events take a span, either end optional, and no step.
std::optional<std::string> finishNext(Reader& r) {
    if (!r.options.next) return r.seen.contains("--kinds") ? std::optional<std::string>("--kinds needs --next") : std::nullopt;
    if (r.options.events) return "--next and --events cannot be combined";
    if (!r.options.at.empty()) return "--next takes its span from --from and --to, not --at";
    if (r.step) return "--next takes no --step";
    if (r.options.columns.style == TableStyle::tsv) return "--next prints --format text, csv or json";
    r.options.nextFrom = r.from;
    r.options.nextTo = r.to;
    if (r.to && !r.from) return "--to needs --from";
    return std::nullopt;
}

std::optional<std::string> finishRange(Reader& r) {
    if (r.almanac) return finishAlmanac(r);
    for (const auto& [option, month] : {std::pair{"--from", r.fromMonth}, std::pair{"--to", r.toMonth}}) {
        if (month) return std::string(option) + ": a month is read only with --almanac" + std::string(instantHint);
    }
    if (!r.from && !r.to) {
        if (r.step) return "--step needs --from and --to";
        return std::nullopt;
    }
    if (!r.from) return "--to needs --from";
    if (!r.to) return "--from needs --to";
    if (!r.options.at.empty()) return "--at cannot be combined with --from and --to";
    r.options.range = InstantRange{*r.from, *r.to, r.step.value_or(RangeStep{})};
    return std::nullopt;
}

// The day's events are a sheet per date, in the place's own clock.
std::optional<std::string> checkEvents(const Reader& r) {
    if (!r.options.events) return std::nullopt;
    if (!r.options.range && r.options.at.empty()) return "--events needs its dates from --at or from --from and --to";
    const TableStyle style = r.options.columns.style;
    if (style == TableStyle::csv || style == TableStyle::tsv) return "--events prints --format text or json";
    for (const std::string_view figuresOnly : {"--bodies", "--fields"}) {
        if (r.seen.contains(figuresOnly)) return "--events prints every event; leave out " + std::string(figuresOnly);
    }
    if (r.options.columns.full) return "--events prints times, not figures; leave out --full";
    if (r.seen.contains("--summer") && r.options.summer != SummerMode::automatic) {
        return "--events follows the place's clock; leave out --summer or give --summer auto";
    }
    return std::nullopt;
}

// The halachic times belong to a day: its events or its row of the month's table.
std::optional<std::string> checkZmanim(const Reader& r) {
    if (!r.options.zmanim) {
        for (const std::string_view option : {"--candle-minutes", "--havdalah"}) {
            if (r.seen.contains(option)) return std::string(option) + " needs --zmanim";
        }
        return std::nullopt;
    }
    if (!r.options.events && !r.almanac) return "--zmanim needs --events or --almanac";
    return std::nullopt;
}

std::optional<std::string> checkDip(const Reader& r) {
    if (r.options.horizonDip && !r.options.events) return "--dip needs --events";
    return std::nullopt;
}

// The stars are a table of their own: their columns are fixed, their places
// of date are the precise ones.
std::optional<std::string> checkStars(const Reader& r) {
    if (!r.options.stars) {
        if (r.options.magnitudeLimit) return "--mag-limit needs --stars";
        return std::nullopt;
    }
    if (r.options.events) return "--stars cannot be combined with --events";
    if (!r.options.range && r.options.at.empty()) return "--stars needs its instants from --at or from --from and --to";
    for (const std::string_view option : {"--bodies", "--fields", "--model"}) {
        if (r.seen.contains(option)) return "--stars prints its own columns; leave out " + std::string(option);
    }
    return std::nullopt;
}

std::string valueExample(std::string_view option) {
    if (option == "--at" || option == "--from" || option == "--to") return " such as \"2026-03-01 12:00\"";
    if (option == "--step") return " such as 10m, 1h, 1d, 1mo or 1y";
    if (option == "--mag-limit") return " such as 4.5";
    if (option == "--candle-minutes") return " such as 18";
    if (option == "--havdalah") return ": tzeit or 72";
    if (option == "--lat" || option == "--lon") return " in degrees such as 31.7683";
    return "";
}

}  // namespace

std::optional<RangeStep> parseStep(std::string_view typed) {
    const std::string cleaned = cleanEnteredText(typed);
    const std::string_view text = cleaned;
    long long count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end == text.data() || count <= 0) return std::nullopt;
    const std::string_view unit(end, static_cast<std::size_t>(text.data() + text.size() - end));
    struct Unit {
        std::string_view name;
        StepUnit unit;
        long long times;
        long long perYears;  // how many in 20000 years, longer than any span the window takes
    };
    static constexpr Unit units[] = {
        {"m", StepUnit::minute, 1, 20000LL * 366 * 1440}, {"min", StepUnit::minute, 1, 20000LL * 366 * 1440},
        {"h", StepUnit::hour, 1, 20000LL * 366 * 24},     {"d", StepUnit::day, 1, 20000LL * 366},
        {"w", StepUnit::day, 7, 20000LL * 366},           {"mo", StepUnit::month, 1, 20000LL * 12},
        {"y", StepUnit::year, 1, 20000LL},
    };
    for (const Unit& u : units) {
        if (unit == u.name) {
            if (count > u.perYears / u.times) return std::nullopt;
            return RangeStep{u.unit, count * u.times};
        }
    }
    return std::nullopt;
}

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& arguments) {
    // Asking for help wins over any mistake beside it.
    for (const std::string_view argument : arguments) {
        if (argument == "--help" || argument == "-h") return ShowHelp{};
        if (argument == "--version") return ShowVersion{};
    }
    Reader r;
    r.options.columns = allColumns();
    for (std::size_t n = 0; n < arguments.size(); ++n) {
        std::string_view argument = arguments[n];
        if (argument == "--list-places") {
            // Its text is optional: the next argument, unless it is an option.
            const bool withText = n + 1 < arguments.size() && !arguments[n + 1].starts_with("--");
            r.options.listPlaces = withText ? std::string(arguments[++n]) : std::string();
            continue;
        }
        if (argument == "--full" || argument == "--events" || argument == "--stars" || argument == "--almanac" ||
            argument == "--zmanim" || argument == "--dip") {
            (argument == "--full"     ? r.options.columns.full
             : argument == "--events" ? r.options.events
             : argument == "--stars"  ? r.options.stars
             : argument == "--zmanim" ? r.options.zmanim
             : argument == "--dip"    ? r.options.horizonDip
                                      : r.almanac) = true;
            continue;
        }
        if (argument == "--next") {
            r.options.next = true;
            continue;
        }
        std::optional<std::string_view> value;
        if (const std::size_t equals = argument.find('='); argument.starts_with("--") && equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
        }
        const auto handler = valueOptions().find(argument);
        if (handler == valueOptions().end()) {
            if (argument.starts_with("-")) return UsageError{"unknown option " + quotedForMessage(argument) + " (see --help)"};
            return UsageError{"unexpected argument " + quotedForMessage(argument) + " (see --help)"};
        }
        if (!value) {
            if (n + 1 == arguments.size()) {
                return UsageError{std::string(argument) + " needs a value" + valueExample(argument)};
            }
            value = arguments[++n];
        }
        if (handler->first != "--at" && r.seen[handler->first]++ > 0) {
            return UsageError{std::string(argument) + " is given twice"};
        }
        if (auto error = handler->second(r, *value)) return UsageError{std::move(*error)};
    }
    if (auto error = checkZmanim(r)) return UsageError{std::move(*error)};
    if (auto error = checkDip(r)) return UsageError{std::move(*error)};
    if (r.options.next || r.seen.contains("--kinds")) {
        if (auto error = finishNext(r)) return UsageError{std::move(*error)};
        return std::move(r.options);
    }
    if (auto error = finishRange(r)) return UsageError{std::move(*error)};
    if (auto error = checkEvents(r)) return UsageError{std::move(*error)};
    if (auto error = checkStars(r)) return UsageError{std::move(*error)};
    return std::move(r.options);
}

std::string_view helpText() { return help; }

}  // namespace zenlith::cli
