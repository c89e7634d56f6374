#pragma once
// The computer's local time, behind an interface so that the panel clock
// can be set from a fixed time in tests. The system clock is the default.
#include <ctime>
#include <optional>

namespace qarvo {

// A calendar time as the user's clock shows it.
struct LocalTime {
    int year = 2000;  // four digits
    int month = 1;    // 1-12
    int day = 1;      // 1-31
    int hour = 0;     // 0-23
    int minute = 0;   // 0-59
    int second = 0;   // 0-59 (60 in a leap second)

    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    // nullopt when the time cannot be read.
    virtual std::optional<LocalTime> localTime() const = 0;
};

// The operating system's clock in the local time zone.
class SystemClock final : public Clock {
public:
    std::optional<LocalTime> localTime() const override
    {
        const std::time_t now = std::time(nullptr);
        if (now == static_cast<std::time_t>(-1))
            return std::nullopt;
        std::tm parts{};
        if (!localtime_r(&now, &parts))
            return std::nullopt;
        return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                         parts.tm_hour,        parts.tm_min,     parts.tm_sec};
    }
};

// Always the same time, or a clock that cannot be read (nullopt).
class FixedClock final : public Clock {
public:
    explicit FixedClock(std::optional<LocalTime> time) : time_(time) {}
    std::optional<LocalTime> localTime() const override { return time_; }
    void set(std::optional<LocalTime> time) { time_ = time; }

private:
    std::optional<LocalTime> time_;
};

// The process-wide system clock.
inline const Clock& systemClock()
{
    static const SystemClock clock;
    return clock;
}

} // namespace qarvo
