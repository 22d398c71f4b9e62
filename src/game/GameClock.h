#pragma once

#include <string>

/// The solver's clock: seconds within the hour and hours 0 to 9; after 9:59:59 it starts again at 0:00:00.
class GameClock
{
public:
    /// Back to 0:00:00.
    void Reset();
    /// One second later.
    void Tick();
    /// "H:MM:SS": hours without a leading zero, minutes and seconds as two digits.
    std::string Text() const;

    int TimerSeconds = 0; ///< 0 to 3599
    int TimerHours = 0;   ///< 0 to 9
};
