// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of what the board shows against its tables, boardFaults and pauseFaults, are the test platform's.
#pragma once
#include "tests/support/test_platform.h"
