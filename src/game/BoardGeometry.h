#pragma once

#include <optional>

#include "GamePuzzle.h"

// The pixel geometry of the board and the alphabet strip.

/// The edge of a board cell: the board's width divided by 23.
constexpr int CellSizeFor(int boardWidth)
{
    return boardWidth / BoardColumns;
}

/// The board font's size in points: CellSize - 12, at least 1.
constexpr int BoardFontPoints(int cellSize)
{
    return cellSize - 12 >= 1 ? cellSize - 12 : 1;
}

/// The strip font's size in points: half the strip's height, at least 1.
constexpr int StripFontPoints(int stripHeight)
{
    return stripHeight / 2 >= 1 ? stripHeight / 2 : 1;
}

/// A pixel rectangle: left, top and the edge length (the outline covers left .. left + size).
struct CellRect
{
    int left = 0;
    int top = 0;
    int size = 0;
};

/// The rectangle of a cell.
constexpr CellRect CellRectOf(BoardCell cell, int cellSize)
{
    return {(cell.column - 1) * cellSize, cell.row * cellSize, cellSize};
}

/// The row and column under a board pixel; the column may exceed 23 (right of the grid). Nothing when the cell
/// size is 0 or the pixel lies left of or above the board.
std::optional<BoardCell> CellAt(int x, int y, int cellSize);

/// The strip slot (1 to 26) under x, or 0 for the leftover pixels right of the 26th slot. The first two pixels
/// belong to slot 1.
int StripSlotAt(int x, int stripWidth);

/// The left edge of strip letter i (1 to 26): 8 + (i - 1) * slot width.
constexpr int StripLetterLeft(int i, int stripWidth)
{
    return 8 + (i - 1) * (stripWidth / 26);
}
