#include "platform/date_time_settings.h"

namespace quorrin::platform {

std::string buildLongTimeFormat(bool twelveHour, bool leadingZero, bool ampmFirst)
{
    std::string clock = leadingZero ? "hh:mm:ss" : "h:mm:ss";
    if (!twelveHour)
        return clock;
    return ampmFirst ? "AMPM " + clock : clock + " AMPM";
}

} // namespace quorrin::platform
