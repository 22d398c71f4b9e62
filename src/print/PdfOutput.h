#pragma once

#include <QString>

#include "ComposePages.h"

/// Writes the pages of one cryptogram into a PDF file at path, replacing an existing file only once the new one is
/// complete (a device or a pipe is written in place). Throws TessarinError "Folder not found: FOLDER" when the
/// file's folder does not exist, "File locked: PATH" when the file cannot be created or replaced, and "Cannot create
/// file "PATH". REASON" for a folder, the puzzle's own file or a failed write (a full disk); nothing is written then.
/// A kind outside 0..4 writes nothing.
void WritePuzzlePdf(const QString& path, const PuzzleDocument& doc, CipherKind kind, SolutionOption option,
                    const PrintFont& font);
