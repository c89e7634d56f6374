#include "cli/CliApp.h"

int main(int argc, char** argv)
{
    return qarvo::cli::runCli({argv + 1, argv + argc}, qarvo::cli::processEnvironment(argv[0]));
}
