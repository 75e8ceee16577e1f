#include "shell/wheelsteps.h"

int TWheelSteps::Add(int angleDelta) {
    FAngle += angleDelta;
    const int steps = FAngle / 120;
    FAngle -= steps * 120;
    return steps;
}
