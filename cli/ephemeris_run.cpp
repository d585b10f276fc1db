#include "ephemeris_run.h"

#include <optional>
#include <string>
#include <utility>

#include "block_runner.h"
#include "instant_worker.h"
#include "interruption.h"
#include "message_text.h"
#include "messages.h"
#include "progress_bar.h"
#include "table_output.h"

namespace zenlith::cli {

namespace {

struct Failure {
    std::string message;
    int status = exitFailed;
};

class Run {
public:
    Run(const Options& options, const RunSettings& settings)
        : options_(options), settings_(settings), writer_(options.columns) {
        if (const auto rules = settings.makeClockRules()) {
            writer_.standAt(settings.place, rules->standardOffsetSeconds(), rules->summerOffsetSeconds());
        }
    }

    std::optional<Failure> execute(std::ostream& errors);

private:
    std::unique_ptr<InstantWorker> makeWorker() const {
        return std::make_unique<InstantWorker>(writer_, options_.summer, settings_.makeClockRules(), options_.model,
                                               settings_.place);
    }
    std::optional<Failure> checkGivenInstants() const;
    std::unique_ptr<InstantSource> makeSource() const;
    std::optional<Failure> stream(InstantSource& source, TableOutput& output, std::ostream& errors);

    const Options& options_;
    const RunSettings& settings_;
    TableWriter writer_;
};

// Instants named on the command line are checked before anything is written:
// a refusal names its option. A range's instants all lie between its ends.
std::optional<Failure> Run::checkGivenInstants() const {
    const auto worker = makeWorker();
    std::string scratch;
    auto check = [&](std::string_view option, const CivilDateTime& when) -> std::optional<Failure> {
        scratch.clear();
        if (const auto refusal = worker->appendRows(when, scratch)) {
            return Failure{describeRefusal(option, when, *refusal), exitFailed};
        }
        return std::nullopt;
    };
    for (const CivilDateTime& when : options_.at) {
        if (auto failure = check("--at", when)) return failure;
    }
    if (const auto& range = options_.range) {
        if (auto failure = check("--from", range->from)) return failure;
        if (auto failure = check("--to", range->to)) return failure;
        if (!(julianDateOf(range->from) <= julianDateOf(range->to))) {
            return Failure{"--to must not be before --from", exitUsage};
        }
        // The window takes a year of 0 for a year not entered.
        if (range->from.year < 0 && range->to.year >= 0) {
            return Failure{withWindowReason("--from and --to: the range passes through year 0, which is refused",
                                            messages::noDateEntered)};
        }
    }
    return std::nullopt;
}

std::unique_ptr<InstantSource> Run::makeSource() const {
    if (!options_.at.empty()) return std::make_unique<ListSource>(options_.at);
    if (options_.range) {
        std::unique_ptr<ClockRules> rules;
        switch (options_.summer) {
            case SummerMode::automatic: rules = settings_.makeClockRules(); break;
            case SummerMode::on: rules = std::make_unique<FixedClockRules>(3 * 3600, true); break;
            case SummerMode::off: rules = std::make_unique<FixedClockRules>(2 * 3600, false); break;
        }
        return std::make_unique<RangeSource>(*options_.range, std::move(rules));
    }
    return std::make_unique<LineSource>(settings_.inputFd);
}

std::optional<Failure> Run::stream(InstantSource& source, TableOutput& output, std::ostream& errors) {
    BlockRunner<InstantWorker> runner([this] { return makeWorker(); });
    std::optional<ProgressBar> progress;
    if (settings_.showProgress) progress.emplace(errors, source.total());
    // The header goes out with the first rows, so that a run refused at its
    // first instant prints nothing at all.
    std::string header;
    writer_.appendHeader(header);
    std::string problem;
    auto write = [&](std::string_view rows) {
        if (rows.empty()) return true;
        if (!header.empty() && !output.write(std::exchange(header, {}), problem)) return false;
        return output.write(rows, problem);
    };
    std::uint64_t done = 0;
    InstantBlock block;
    std::optional<std::string> error;
    while (!error && !interrupted()) {
        source.next(block);
        runner.run(block.size(), [&block](InstantWorker& worker, std::size_t first, std::size_t last) {
            worker.run(block, first, last);
        });
        runner.forEachWorker([&](const InstantWorker& worker) {
            if (error) return;
            error = write(worker.output()) ? worker.error() : problem;
        });
        if (!error) error = block.error;
        if (block.size() == 0) break;
        done += block.size();
        if (progress) progress->update(done);
    }
    if (progress) progress->finish();
    if (interrupted()) return Failure{"interrupted", exitInterrupted};
    if (error) return Failure{*error};
    if (!header.empty() && !output.write(header, problem)) return Failure{problem};
    return std::nullopt;
}

std::optional<Failure> Run::execute(std::ostream& errors) {
    if (auto failure = checkGivenInstants()) return failure;
    std::string error;
    std::optional<TableOutput> output =
        options_.outputPath ? TableOutput::open(*options_.outputPath, error) : std::optional<TableOutput>(std::in_place);
    if (!output) return Failure{error};
    const auto source = makeSource();
    if (auto failure = stream(*source, *output, errors)) return failure;
    if (!output->commit(error)) return Failure{error};
    return std::nullopt;
}

}  // namespace

int runEphemeris(const Options& options, const RunSettings& settings, std::ostream& errors) {
    Run run(options, settings);
    if (const auto failure = run.execute(errors)) {
        errors << "zenlith-ephemeris: " << failure->message << '\n';
        return failure->status;
    }
    return 0;
}

}  // namespace zenlith::cli
