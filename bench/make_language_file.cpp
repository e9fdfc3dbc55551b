// Writes a generated language file of N lines (default 1,000,000) to standard output.
#include "language_file.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const long lines = argc > 1 ? std::atol(argv[1]) : 1000000;
    const std::string bytes = generate_language_file(lines);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return 0;
}
