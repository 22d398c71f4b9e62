#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "PuzzleDocument.h"

/// The key values the tool window is given (copies of the game's).
struct ToolKeys
{
    CipherKind kind = CipherKind::None;
    std::string CIPHKEY;
    std::string PLAYKEY;
    std::string QUAGKEY;
    std::string QUAGCKEY;
    std::string QUAGINDI;
    std::string VIGENKEY;
};

/// What the tool window shows for a kind. Texts are Windows-1252 bytes.
struct ToolContent
{
    bool built = false;  ///< false for a kind without tool text: the window keeps its design text
    std::string caption; ///< the window caption
    std::vector<std::string> lines;
    std::string label1;    ///< KwLbl1
    std::string label2;    ///< KwLbl2
    int memoHeight = 0;    ///< pixels
    int memoWidth = 0;     ///< pixels; 0 for the full client width
    int clientWidth = 513; ///< pixels
    int fontPoints = 12;   ///< the memo's font size
    std::string error;     ///< set when the Quagmire column is not a number; lines are then empty
};

/// The characters of s, each followed by one blank, without the final blank ("ABC" gives "A B C").
std::string SpacedLetters(std::string_view s);

/// The tool window's content for the kind of keys.
ToolContent BuildToolContent(const ToolKeys& keys);

/// The Quagmire table as the tool window lists it; exposed for tests.
ToolContent QuagmireToolContent(const ToolKeys& keys);
