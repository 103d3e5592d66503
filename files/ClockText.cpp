#include "files/ClockText.h"

namespace {

std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string clockText(int32_t elapsedSeconds) {
    const int hours = elapsedSeconds / 3600;
    const int minutes = (elapsedSeconds - 3600 * hours) / 60;
    return formatClock(hours, minutes, elapsedSeconds - 3600 * hours - 60 * minutes);
}

std::string formatClock(int hours, int minutes, int seconds) {
    return twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}
