// The runner's command without its PNG plot, so that it links no toolkit: built for Linux and
// for Windows, its result files are compared byte for byte (compare-results.sh).

#include <iostream>
#include <string>
#include <vector>

#include "runner/core/Runner.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return sim::RunnerMain(args, std::cout, std::cerr);
}
