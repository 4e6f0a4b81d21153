#include <csignal>
#include <iostream>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  // Past a file size limit a write should fail and be reported, not end the program unseen.
  std::signal(SIGXFSZ, SIG_IGN);
  return sorvella::cli::run(argc, argv, std::cout, std::cerr);
}
