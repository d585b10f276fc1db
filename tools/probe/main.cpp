// zenlith-probe: one case per input line, one JSON outcome per output line.
// Lines are taken in blocks, and each block is shared among the cores, every
// core with a calculator of its own: an outcome depends only on its own case.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "block_runner.h"
#include "probe_format.h"
#include "sky_calculator.h"

namespace {

constexpr std::size_t linesPerBlock = 8192;

struct Worker {
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

}  // namespace

int main() {
    std::ios::sync_with_stdio(false);
    zenlith::BlockRunner<Worker> runner([] { return std::make_unique<Worker>(); });
    std::vector<std::string> lines;
    while (readBlock(lines)) {
        runner.run(lines.size(), [&lines](Worker& worker, std::size_t first, std::size_t last) {
            worker.run(lines, first, last);
        });
        runner.forEachWorker([](const Worker& worker) { std::cout << worker.output; });
    }
    return std::cout.good() ? 0 : 1;
}
