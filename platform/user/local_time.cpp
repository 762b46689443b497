// GetLocalTime from the host's clock, or the fixed date a test set.
#include <ctime>
#include <optional>

#include "automation.h"
#include "windows.h"

namespace {

std::optional<SYSTEMTIME> gFixedTime;

}  // namespace

void WINAPI GetLocalTime(LPSYSTEMTIME time)
{
    if (!time)
        return;
    if (gFixedTime) {
        *time = *gFixedTime;
        return;
    }
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local = {};
    localtime_r(&now.tv_sec, &local);
    time->wYear = WORD(local.tm_year + 1900);
    time->wMonth = WORD(local.tm_mon + 1);
    time->wDayOfWeek = WORD(local.tm_wday);
    time->wDay = WORD(local.tm_mday);
    time->wHour = WORD(local.tm_hour);
    time->wMinute = WORD(local.tm_min);
    time->wSecond = WORD(local.tm_sec < 60 ? local.tm_sec : 59);  // a leap second
    time->wMilliseconds = WORD(now.tv_nsec / 1000000);
}

void AutomationSetLocalTime(const SYSTEMTIME* time)
{
    if (time)
        gFixedTime = *time;
    else
        gFixedTime.reset();
}
