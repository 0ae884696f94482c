// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"
#include "Hardening.h"

int main(int argc, char* argv[])
{
    hardenProcess();
    return runCli(argc, argv);
}
