#pragma once

#include "PrintCanvas.h"
#include "PuzzleDocument.h"

/// Where the key and solution go: not printed, below the ciphertext, or on a second page.
enum class SolutionOption
{
    None,
    SamePage,
    NewPage
};

/// The left edge, line width, usable height and top position of a composition on a page.
struct PageLayout
{
    int x = 0;
    int lineWidth = 0;
    int usableHeight = 0;
    int top = 0;

    bool operator==(const PageLayout&) const = default;
};

/// The layout values of a page: x = 2 * (W div 16), LW = W - ML - MR - 2x, UH = H - MT - MB - 2x, y0 = UH div 11.
PageLayout LayoutOf(const PageGeometry& page);

/// Draws one cryptogram of doc onto canvas: the title with its rule, the kind's ciphertext broken into lines and,
/// unless the option is None, the solution heading with its rule, the kind's key lines and the plaintext. A text
/// longer than a page continues on further pages: no line lies below the lowest line position, which keeps the
/// top position's distance from the printable area's lower edge. The same-page solution goes onto a page of its
/// own (headed like the separate-page one) when it does not fit below the ciphertext. For a kind outside 0..4
/// nothing is drawn. font is the stored print font; headings use its face, size and colour in bold.
void ComposePages(PrintCanvas& canvas, const PuzzleDocument& doc, CipherKind kind, SolutionOption option,
                  const PrintFont& font);
