#include "commands.h"

int RunApply(const TArgs&) { return Fail("apply: not available yet"); }
