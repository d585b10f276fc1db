// zenlith-probe [--model classic|precise]: one case per input line, one JSON
// outcome per output line, from the chosen model (classic by default).
// Lines are taken in blocks, and each block is shared among the cores, every
// core with a calculator of its own: an outcome depends only on its own case.
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "block_runner.h"
#include "probe_format.h"
#include "sky_calculator.h"

namespace {

constexpr std::size_t linesPerBlock = 8192;

struct Worker {
    explicit Worker(zenlith::ModelKind model) : calculator(model) {}
    zenlith::SkyCalculator calculator;
    std::string output;

    void run(const std::vector<std::string>& lines, std::size_t first, std::size_t last) {
        output.clear();
        for (std::size_t n = first; n < last; ++n) {
            zenlith::probe::appendOutcomeJson(
                output, calculator.compute(zenlith::probe::parseCase(lines[n]), "."));
            output += '\n';
        }
    }
};

bool readBlock(std::vector<std::string>& lines) {
    lines.clear();
    std::string line;
    while (lines.size() < linesPerBlock && std::getline(std::cin, line)) {
        lines.push_back(std::move(line));
    }
    return !lines.empty();
}

std::optional<zenlith::ModelKind> modelFrom(int argc, char** argv) {
    if (argc == 1) {
        return zenlith::ModelKind::classic;
    }
    if (argc == 3 && std::string_view(argv[1]) == "--model") {
        const std::string_view name = argv[2];
        if (name == "classic") {
            return zenlith::ModelKind::classic;
        }
        if (name == "precise") {
            return zenlith::ModelKind::precise;
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<zenlith::ModelKind> model = modelFrom(argc, argv);
    if (!model) {
        std::cerr << "usage: zenlith-probe [--model classic|precise] < cases\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    zenlith::BlockRunner<Worker> runner([kind = *model] { return std::make_unique<Worker>(kind); });
    std::vector<std::string> lines;
    while (readBlock(lines)) {
        runner.run(lines.size(), [&lines](Worker& worker, std::size_t first, std::size_t last) {
            worker.run(lines, first, last);
        });
        runner.forEachWorker([](const Worker& worker) { std::cout << worker.output; });
    }
    return std::cout.good() ? 0 : 1;
}
