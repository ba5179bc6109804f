// Writes a generated form of the given number of lines to standard output, for the
// benchmarks and for trying the programs on a large form.
#include "tools/sample_form.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[]) {
    const int lines = argc > 1 ? std::atoi(argv[1]) : 32766;
    std::cout << tremaro::GenerateSampleForm(lines, argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1);
    return 0;
}
