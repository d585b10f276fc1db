#pragma once
// zenlith-ephemeris --stars: the catalogue's stars to a magnitude limit at
// each instant named on the command line, one row or JSON object per star.
#include <ostream>

#include "ephemeris_run.h"

namespace zenlith::cli {

// The exit status; every problem is one line on errors.
int runStars(const Options& options, const RunSettings& settings, std::ostream& errors);

}  // namespace zenlith::cli
