#include "cli/cli.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

// A standard stream the shell closed (`>&-`, `<&-`) is given /dev/null, so that
// no file the command opens takes its number and receives what was meant for
// it; whether it was closed is remembered. False when `fd` was closed.
bool holdOpen(int fd, int mode) {
  if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
    return true;
  const int null = open("/dev/null", mode);
  if (null != fd && null != -1) {
    dup2(null, fd);
    close(null);
  }
  return false;
}

} // namespace

int main(int argc, char **argv) {
  // A reader that goes away (`| head -1`) makes the write fail with EPIPE instead
  // of ending the program on the spot, which would leave a held file's temporary
  // beside its target; the failure is reported and the old file stays.
  std::signal(SIGPIPE, SIG_IGN);
  const bool inputOpen = holdOpen(STDIN_FILENO, O_RDONLY);
  const bool outputOpen = holdOpen(STDOUT_FILENO, O_WRONLY);
  std::ios::sync_with_stdio(false);
  if (!outputOpen) {
    std::cerr << "error: cannot write the output: standard output is closed\n";
    return 1;
  }
  if (!inputOpen)
    std::cin.setstate(std::ios::badbit); // read as closed, not as empty
  std::vector<std::string> args(argv + 1, argv + argc);
  return dishwright::runCli(args, std::cout, std::cerr);
}
