#pragma once
// Ctrl+C (and a polite kill or a closed terminal) asks the run to stop: the
// flag is read between blocks, so the output file is removed and the program
// ends cleanly. A second Ctrl+C stops the program at once.
namespace zenlith::cli {

void catchInterruptions();
bool interrupted();

}  // namespace zenlith::cli
