// Writes the "Tavi.def" the program ships: the communicator's built-in
// default options in the file's own form.
#include "communicator/TaviDefaultsFile.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make-tavi-defaults OUTPUT" << std::endl;
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << qarvo::TaviDefaultsFile::format(qarvo::TaviOptions::builtInDefaults());
    return out.good() ? 0 : 1;
}
