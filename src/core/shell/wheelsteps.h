#pragma once
// Wheel turns into zoom steps: one step for every 120 eighths of a degree (a
// notch of a usual wheel), the rest kept for the next turn, so that fine
// wheels and touch pads zoom as far as notched wheels for the same turn.

class TWheelSteps {
  public:
    // The whole steps (positive away from the user) in what is left of the
    // turns so far plus angleDelta; the remainder stays for the next call.
    int Add(int angleDelta);

  private:
    int FAngle = 0; // turn not yet used for a step
};
