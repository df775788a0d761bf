#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "Ausgabe.h"
#include "Cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    kv::cli::Dateiausgabe standardausgabe(STDOUT_FILENO);
    std::ostream out(&standardausgabe);
    return kv::cli::ausfuehren(args, out, std::cerr);
}
