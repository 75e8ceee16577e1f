#include "commands.h"

int RunConvert(const TArgs&) { return Fail("convert: not available yet"); }
