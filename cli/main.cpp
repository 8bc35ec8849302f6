#include "cli/CliApp.h"

int main(int argc, char** argv) {
    return varkel::cli::RunCli(argc, argv);
}
