// Wheel turns become zoom steps at every 120, whatever the size of the
// pieces they arrive in, and a turn back takes the rest back first.

#include <gtest/gtest.h>

#include <vector>

#include "shell/wheelsteps.h"

namespace {

TEST(WheelSteps, CountsWholeNotchesAndKeepsTheRest) {
    const struct {
        std::vector<int> Deltas, Steps;
    } cases[] = {
        {{120, -120, 240}, {1, -1, 2}},
        {{40, 40, 40, 40}, {0, 0, 1, 0}},
        {{100, -50, 70}, {0, 0, 1}},
        {{-60, -60, -1}, {0, -1, 0}},
    };
    for (const auto& c : cases) {
        TWheelSteps wheel;
        std::vector<int> steps;
        for (int delta : c.Deltas)
            steps.push_back(wheel.Add(delta));
        EXPECT_EQ(steps, c.Steps);
    }
}

} // namespace
