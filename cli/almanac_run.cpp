#include "almanac_run.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "almanac_table_text.h"
#include "block_runner.h"
#include "classic_sky_model.h"
#include "day_calculator.h"
#include "events_run.h"
#include "interruption.h"
#include "message_text.h"
#include "messages.h"
#include "precise_sky_model.h"
#include "table_output.h"

namespace zenlith::cli {

namespace {

struct Month {
    int year = 0;
    int month = 0;
    bool first = false;  // of the whole run
};

std::vector<Month> monthsOf(const MonthRange& range) {
    std::vector<Month> months;
    for (int year = range.fromYear, month = range.fromMonth;
         year < range.toYear || (year == range.toYear && month <= range.toMonth);
         year += month / 12, month = month % 12 + 1) {
        months.push_back({year, month, months.empty()});
    }
    return months;
}

// "holidays": the day's festivals and fasts by their Hebrew names, which
// JSON strings take as they are.
std::string holidaysJson(const DaySheet& sheet) {
    std::string json = "\"holidays\":[";
    if (sheet.hebrewDay) {
        for (const Observance observance : sheet.hebrewDay->observances) {
            json += (json.back() == '[' ? "\"" : ",\"") + std::string(observanceName(observance)) + "\"";
        }
    }
    return json + "]";
}

std::string monthText(const Month& m) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d", m.year, m.month);
    return text;
}

// What one core needs: models and a clock of its own, and the text of the
// months it was given, up to the first that fails.
class MonthWorker {
public:
    MonthWorker(const Options& options, const Place& place, std::unique_ptr<ClockRules> rules)
        : options_(options), zmanim_(zmanimChoicesOf(options, place)), rules_(std::move(rules)) {
        classic_.standAt(place);
        precise_.standAt(place);
        days_.standAt(place);
    }

    void write(const std::vector<Month>& months, std::size_t first, std::size_t last) {
        text.clear();
        failure.reset();
        for (std::size_t n = first; n < last && !failure; ++n) {
            if (interrupted()) return;
            if (!isValidCivilDateTime({months[n].year, months[n].month, 1, 0, 0})) {
                failure = "--almanac: " + monthText(months[n]) + " is not a month of the calendar";
            } else if (!(options_.columns.style == TableStyle::json ? appendJson(months[n]) : appendTable(months[n]))) {
                const std::string where = "--almanac " + monthText(months[n]);
                failure = options_.model == ModelKind::precise
                              ? withWindowReason(where + " is refused", messages::beyondPreciseModel)
                              : where + ": the model gives no events for this month";
            }
        }
    }

    std::string text;
    std::optional<std::string> failure;

private:
    bool appendTable(const Month& m) {
        SkyModel& model = options_.model == ModelKind::precise ? static_cast<SkyModel&>(precise_) : classic_;
        const auto days = almanacMonth(model, *rules_, m.year, m.month, zmanim_);
        if (!days) return false;
        if (options_.columns.style == TableStyle::csv) {
            appendAlmanacCsvRows(text, *days, columns_, *rules_);
        } else {
            text += m.first ? "" : "\n";
            appendAlmanacText(text, almanacTitle(MonthKind::civil, {{m.year, m.month, 1, 0, 0}, 0}), *days, columns_,
                              *rules_);
        }
        return true;
    }

    bool appendJson(const Month& m) {
        for (int day = 1; day <= daysInMonth(m.year, m.month); ++day) {
            const auto sheet = days_.sheetFor(options_.model, *rules_, m.year, m.month, day, zmanim_);
            if (!sheet) return false;
            appendDayJsonLine(text, {m.year, m.month, day, 0, 0}, *sheet, *rules_, holidaysJson(*sheet));
        }
        return true;
    }

    const Options& options_;
    const std::optional<ZmanimChoices> zmanim_;
    std::unique_ptr<ClockRules> rules_;
    const std::vector<AlmanacColumn> columns_ = allAlmanacColumns(options_.zmanim);
    Engine engine_;
    ClassicSkyModel classic_{engine_};
    PreciseSkyModel precise_;
    DayCalculator days_;
};

}  // namespace

int runAlmanac(const Options& options, const RunSettings& settings, std::ostream& errors) {
    auto fail = [&errors](const std::string& message, int status) {
        errors << "zenlith-ephemeris: " << message << '\n';
        return status;
    };
    std::string error;
    std::optional<TableOutput> output =
        options.outputPath ? TableOutput::open(*options.outputPath, error) : std::optional<TableOutput>(std::in_place);
    if (!output) return fail(error, exitFailed);
    const std::vector<Month> months = monthsOf(*options.almanac);
    std::string header;
    if (options.columns.style == TableStyle::csv) {
        appendAlmanacCsvHeader(header, allAlmanacColumns(options.zmanim), AlmanacHeadings::keys);
    }
    // A few months a core at a time, each core on months of its own, written
    // in their order.
    BlockRunner<MonthWorker> runner(
        [&] { return std::make_unique<MonthWorker>(options, settings.place, settings.makeClockRules()); });
    const std::size_t block = 2 * coreCount();
    for (std::size_t start = 0; start < months.size(); start += block) {
        const std::vector<Month> some(months.begin() + static_cast<std::ptrdiff_t>(start),
                                      months.begin() + static_cast<std::ptrdiff_t>(std::min(months.size(), start + block)));
        runner.run(some.size(), [&some](MonthWorker& worker, std::size_t first, std::size_t last) {
            worker.write(some, first, last);
        });
        if (interrupted()) return fail("interrupted", exitInterrupted);
        std::optional<std::string> failure;
        runner.forEachWorker([&](const MonthWorker& worker) {
            if (failure) return;
            if (!header.empty() && !worker.text.empty() && !output->write(std::exchange(header, {}), error)) failure = error;
            if (!failure && !output->write(worker.text, error)) failure = error;
            if (!failure) failure = worker.failure;
        });
        if (failure) return fail(*failure, exitFailed);
    }
    if (!output->commit(error)) return fail(error, exitFailed);
    return 0;
}

}  // namespace zenlith::cli
