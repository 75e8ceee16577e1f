#include "commands.h"

int RunRender(const TArgs&) { return Fail("render: not available yet"); }
