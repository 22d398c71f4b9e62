#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include <QString>

#include "PuzzleDocument.h"

/// What the option controls and the ciphertext view show for one kind of a puzzle (the tab's part of ShowPuzzle).
/// Items are radio-group indices, -1 for no selection.
struct KindView
{
    CipherKind kind = CipherKind::None;
    int cipherGroup1 = -1;
    int cipherGroup2 = -1;
    int railGroup3 = -1;
    std::string keyword;
    std::string cipherTableKey;
    std::string indicatorKey;
    std::string column = "1";
    std::string ciphertext;
    /// Set when CRADIOS holds something other than digits: the conversion error, shown after the rest is in place.
    std::optional<std::string> error;
};

/// The controls of kind filled from the document. Never throws; a CRADIOS that is not two digits leaves both
/// substitution groups without a selection and sets error to "'%s' is not a valid integer value".
KindView ViewOfKind(const PuzzleDocument& doc, CipherKind kind);

/// The options a user prefers, as item indices (0 where nothing is preferred).
struct PreferredItems
{
    int similarUnique = 0;
    int randomOffset = 0;
    int rails = 0;
};

/// A substitution or rail fence kind that has no ciphertext yet shows the preferred items instead of the first ones
/// (Offset still brings Unique with it); a kind with a ciphertext keeps its own options.
void ApplyPreferredItems(KindView& view, const PuzzleDocument& doc, const PreferredItems& preferred);

/// The rails item read back from a rail fence ciphertext: the position of its first blank (from 1) minus 3, or -1
/// when there is no blank or the group length is not 2, 3 or 4.
int RailItemOf(std::string_view RAILFENCE);

/// One flag per kind: whether its ciphertext is non-empty (the "^" marks of status panels 0 to 4).
std::array<bool, CipherKindCount> CiphertextMarks(const PuzzleDocument& doc);

/// The puzzle's name for status panel 6: the file name of path without its last five characters.
QString PuzzleName(const QString& path);
