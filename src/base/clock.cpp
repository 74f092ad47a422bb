#include "base/clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace base {
namespace {

std::tm LocalNow(double* fraction) {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    if (fraction) {
        const auto sinceSecond = now - std::chrono::system_clock::from_time_t(seconds);
        *fraction = std::chrono::duration<double>(sinceSecond).count();
    }
    std::tm local{};
    localtime_r(&seconds, &local);
    return local;
}

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value % 100 < 0 ? -(value % 100) : value % 100);
    return buffer;
}

}  // namespace

DateTime SystemClock::Now() const {
    const std::tm t = LocalNow(nullptr);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

double SystemClock::SecondsSinceMidnight() const {
    double fraction = 0;
    const std::tm t = LocalNow(&fraction);
    return t.tm_hour * 3600.0 + t.tm_min * 60.0 + t.tm_sec + fraction;
}

std::string FormatDdMmYy(const DateTime& t) {
    return TwoDigits(t.day) + "." + TwoDigits(t.month) + "." + TwoDigits(t.year);
}

std::string FormatDdMmYyyy(const DateTime& t) {
    char year[16];
    std::snprintf(year, sizeof year, "%04d", t.year);
    return TwoDigits(t.day) + "." + TwoDigits(t.month) + "." + year;
}

std::string FormatHhMmSs(const DateTime& t) {
    return TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" + TwoDigits(t.second);
}

}  // namespace base
