// zenlith-probe: one case per input line, one JSON outcome per output line.
// Lines are taken in blocks, and each block is shared among the cores, every
// core with a calculator of its own: an outcome depends only on its own case.
#include <algorithm>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

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
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<Worker> workers(cores);
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
