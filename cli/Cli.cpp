// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"

int runCli(int, char*[], const CliStreams&)
{
    return 0;
}
