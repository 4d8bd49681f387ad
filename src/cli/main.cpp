// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"

#include <csignal>

#include <iostream>

int main(int argc, char** argv) {
    // A pipe whose reader went away fails the write (EPIPE) instead of ending us.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int code = RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
