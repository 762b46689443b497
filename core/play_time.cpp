// FormatPlayTime.
#include "play_time.h"

int FormatPlayTime(int seconds, WCHAR* out)
{
    seconds = seconds < 0 ? 0 : seconds;
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    if (hours > 0)
        return wsprintfW(out, u"%d:%02d:%02d", hours, minutes, seconds % 60);
    return wsprintfW(out, u"%d:%02d", minutes, seconds % 60);
}
