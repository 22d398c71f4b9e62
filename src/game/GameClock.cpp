#include "GameClock.h"

#include <cstdio>

void GameClock::Reset()
{
    TimerSeconds = 0;
    TimerHours = 0;
}

void GameClock::Tick()
{
    if (++TimerSeconds >= 3600) {
        TimerSeconds = 0;
        TimerHours = (TimerHours + 1) % 10;
    }
}

std::string GameClock::Text() const
{
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", TimerHours, TimerSeconds / 60, TimerSeconds % 60);
    return text;
}
