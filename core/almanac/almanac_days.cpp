#include "almanac_days.h"

#include <cmath>

#include "daily_crossing.h"
#include "horizon.h"
#include "summer_time.h"

namespace zenlith {

namespace {

constexpr double phaseReach = 35;          // days either side of the run
constexpr double moonLateness = 50.0 / 1440;  // the Moon's mean daily delay, days

int weekdayOf(const CivilDateTime& date) {
    const auto days = static_cast<long long>(std::floor(julianDateOf(date) + 1.5));
    return static_cast<int>(((days % 7) + 7) % 7);
}

CivilDateTime nextDay(const CivilDateTime& date) { return civilDateTimeOf(julianDateOf(date) + 1); }

// The searches of the run: each event followed from day to day, all of them
// asking one memo of the model's places, renewed every day.
class RunSearches {
public:
    RunSearches(SkyModel& model, const std::optional<ZmanimChoices>& zmanim) : model_(model), zmanim_(zmanim) {
        sunrise_.emplace(aboveRising(sunIndex), Crossing::upward, 0);
        sunset_.emplace(aboveRising(sunIndex), Crossing::downward, 0);
        moonrise_.emplace(aboveRising(moonIndex), Crossing::upward, moonLateness);
        moonset_.emplace(aboveRising(moonIndex), Crossing::downward, moonLateness);
        for (int k = 0; k < twilightCount; ++k) {
            dawn_[k].emplace(sunAbove(-twilightDepths[k]), Crossing::upward, 0);
            dusk_[k].emplace(sunAbove(-twilightDepths[k]), Crossing::downward, 0);
        }
        if (zmanim_) {
            alot_.emplace(sunAbove(-alotDepthDegrees), Crossing::upward, 0);
            misheyakir_.emplace(sunAbove(-misheyakirDepthDegrees), Crossing::upward, 0);
            tzeit_.emplace(sunAbove(-tzeitDepthDegrees), Crossing::downward, 0);
        }
    }

    void fill(AlmanacDay& day) {
        memo_.emplace(model_);
        day.sunrise = sunrise_->findIn(day.span);
        day.sunset = sunset_->findIn(day.span);
        day.moonrise = moonrise_->findIn(day.span);
        day.moonset = moonset_->findIn(day.span);
        for (int k = 0; k < twilightCount; ++k) {
            day.twilights[k] = {dawn_[k]->findIn(day.span), dusk_[k]->findIn(day.span)};
        }
        day.moonIlluminationPercent = memo_->at(day.span.start).moon.illumination;
        if (zmanim_) {
            const bool allDay = !day.sunrise && !day.sunset;
            const bool up = allDay && aboveRiseAltitude(sunIndex, memo_->at(day.span.start)) > 0;
            const ZmanimSun sun{day.sunrise, day.sunset, alot_->findIn(day.span), misheyakir_->findIn(day.span),
                                tzeit_->findIn(day.span), up, allDay && !up};
            day.zmanim = dayZmanimFrom(sun, day.hebrew ? day.hebrew->evening : EveningRite::none, *zmanim_);
        }
    }

private:
    TimeFunction aboveRising(int body) {
        return [this, body](double t) { return aboveRiseAltitude(body, memo_->at(t)); };
    }
    TimeFunction sunAbove(double altitude) {
        return [this, altitude](double t) { return memo_->at(t).bodies[sunIndex].AltAirless - altitude; };
    }

    SkyModel& model_;
    std::optional<ZmanimChoices> zmanim_;
    std::optional<PlacesMemo> memo_;
    std::optional<DailyCrossing> sunrise_, sunset_, moonrise_, moonset_, alot_, misheyakir_, tzeit_;
    std::array<std::optional<DailyCrossing>, twilightCount> dawn_, dusk_;
};

// Every phase from the last new Moon before the start to past the end.
std::vector<PhaseEvent> phasesThrough(SkyModel& model, double start, double end) {
    PlacesMemo memo(model);
    std::vector<PhaseEvent> phases;
    double from = start;
    while (phases.empty() || phases.back().julianDate < end) {
        const std::vector<PhaseEvent> found = findPhasesAround(memo, from);
        if (found.size() < 2) {
            break;
        }
        // A phase found again from the later start, perhaps a second apart, is the same.
        for (const PhaseEvent& phase : found) {
            if (phases.empty() || phase.julianDate > phases.back().julianDate + 1) {
                phases.push_back(phase);
            }
        }
        from = phases.back().julianDate + 1;
    }
    return phases;
}

}  // namespace

std::optional<std::vector<AlmanacDay>> almanacDays(SkyModel& model, const ClockRules& rules, const DayRun& run,
                                                   const std::optional<ZmanimChoices>& zmanim) {
    std::vector<AlmanacDay> days;
    CivilDateTime date = run.first;
    for (int n = 0; n < run.dayCount; ++n, date = nextDay(date)) {
        const std::optional<double> start = universalTimeOf(rules, date);
        const std::optional<double> end = universalTimeOf(rules, {date.year, date.month, date.day, 24, 0});
        if (!start || !end || !model.covers(*start - phaseReach) || !model.covers(*end + phaseReach)) {
            return std::nullopt;
        }
        days.push_back({date, weekdayOf(date), {*start, *end},
                        hebrewCalendarDayOfCivilDate(date.year, date.month, date.day), {}, {},
                        {}, {}, {}, 0, {}, {}});
    }
    if (days.empty()) {
        return days;
    }
    RunSearches searches(model, zmanim);
    for (AlmanacDay& day : days) {
        searches.fill(day);
    }
    std::size_t next = 0;
    for (const PhaseEvent& phase : phasesThrough(model, days.front().span.start, days.back().span.end)) {
        while (next < days.size() && days[next].span.end <= phase.julianDate) {
            ++next;
        }
        if (next < days.size() && days[next].span.start <= phase.julianDate) {
            days[next].phases.push_back(phase);
        }
    }
    return days;
}

std::optional<std::vector<AlmanacDay>> almanacMonth(SkyModel& model, const ClockRules& rules, int year, int month,
                                                    const std::optional<ZmanimChoices>& zmanim) {
    const std::optional<DayRun> run = monthAround(MonthKind::civil, {year, month, 1, 0, 0});
    return run ? almanacDays(model, rules, *run, zmanim) : std::nullopt;
}

}  // namespace zenlith
