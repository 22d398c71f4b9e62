#include "BoardGeometry.h"

std::optional<BoardCell> CellAt(int x, int y, int cellSize)
{
    if (cellSize <= 0 || x < 0 || y < 0) {
        return std::nullopt;
    }
    return BoardCell{y / cellSize, x / cellSize + 1};
}

int StripSlotAt(int x, int stripWidth)
{
    const int slotWidth = stripWidth / 26;
    if (slotWidth <= 0) {
        return 0;
    }
    // Division truncates toward zero, so x = 0 and x = 1 still fall into slot 1.
    const int slot = (x - 2) / slotWidth + 1;
    return slot >= 1 && slot <= 26 ? slot : 0;
}
