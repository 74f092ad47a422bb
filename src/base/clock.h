#pragma once
// Today, now and the time of day, through one small interface so that tests can set the clock.
#include <string>

namespace base {

struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
    // Seconds since midnight with fractions (the questionnaire's click spacing).
    virtual double SecondsSinceMidnight() const = 0;
};

// The computer's local clock.
class SystemClock : public Clock {
  public:
    DateTime Now() const override;
    double SecondsSinceMidnight() const override;
};

std::string FormatDdMmYy(const DateTime& t);    // "05.03.04"
std::string FormatDdMmYyyy(const DateTime& t);  // "05.03.2004"
std::string FormatHhMmSs(const DateTime& t);    // "07:05:09", 24-hour clock

}  // namespace base
