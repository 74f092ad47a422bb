#pragma once
// A clock that tests set by hand.
#include "base/clock.h"

namespace testsupport {

class FakeClock : public base::Clock {
  public:
    base::DateTime now{2026, 12, 8, 10, 30, 0};
    double seconds = 36000.0;

    base::DateTime Now() const override { return now; }
    double SecondsSinceMidnight() const override { return seconds; }
    void Advance(double by) { seconds += by; }
};

}  // namespace testsupport
