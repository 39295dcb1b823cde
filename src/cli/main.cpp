// orvanta-calc: the calculator pages of Orvanta from the command line.

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_command.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return orvanta::RunCalc(args, std::cout, std::cerr);
    } catch (const std::exception& e) {
        // The pages' own failures are reported inside the runs; what gets here
        // failed around them (memory running out while printing).
        std::cerr << "orvanta-calc: " << e.what() << '\n';
        return orvanta::kExitErrorReport;
    }
}
