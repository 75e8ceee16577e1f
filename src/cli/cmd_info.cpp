#include "commands.h"

int RunInfo(const TArgs&) { return Fail("info: not available yet"); }
