// zenlith-probe [--model classic|precise]: one case per input line, one JSON
// outcome per output line, from the chosen model (classic by default).
// Lines are taken in blocks, and each block is shared among the cores, every
// core with a calculator of its own: an outcome depends only on its own case.
#include <algorithm>
#include <deque>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

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
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    std::deque<Worker> workers;  // a calculator stays where it is built
    for (std::size_t w = 0; w < cores; ++w) {
        workers.emplace_back(*model);
    }
    std::vector<std::string> lines;
    while (readBlock(lines)) {
        const std::size_t share = (lines.size() + cores - 1) / cores;
        std::vector<std::thread> threads;
        for (std::size_t w = 1; w < cores; ++w) {
            threads.emplace_back(&Worker::run, &workers[w], std::cref(lines), std::min(lines.size(), w * share),
                                 std::min(lines.size(), (w + 1) * share));
        }
        workers[0].run(lines, 0, std::min(lines.size(), share));
        for (std::thread& thread : threads) {
            thread.join();
        }
        for (const Worker& worker : workers) {
            std::cout << worker.output;
        }
    }
    return std::cout.good() ? 0 : 1;
}
