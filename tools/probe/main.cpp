// zenlith-probe: one case per input line, one JSON outcome per output line.
#include <iostream>
#include <string>

#include "probe_format.h"

int main() {
    std::ios::sync_with_stdio(false);
    zenlith::Engine engine;  // one engine for the run, as the window keeps one
    std::string line;
    std::string out;
    while (std::getline(std::cin, line)) {
        const auto outcome = zenlith::runComputeAction(engine, zenlith::probe::parseCase(line), ".");
        out = zenlith::probe::outcomeJson(outcome);
        out += '\n';
        std::cout << out;
    }
    return std::cout.good() ? 0 : 1;
}
