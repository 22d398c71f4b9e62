#include "PdfOutput.h"

#include <QDir>
#include <QFileInfo>

#include "FileWrite.h"
#include "PageText.h"
#include "PdfCanvas.h"
#include "TessarinError.h"

namespace {
[[noreturn]] void throwCannotCreate(const QString& path, const QString& reason)
{
    throw TessarinError(CannotCreateFileMessage(path, reason).toStdString());
}
} // namespace

void WritePuzzlePdf(const QString& path, const PuzzleDocument& doc, CipherKind kind, SolutionOption option,
                    const PrintFont& font)
{
    if (kind == CipherKind::None) {
        return;
    }
    const QFileInfo target(path);
    if (!target.absoluteDir().exists()) {
        throw TessarinError(
            QStringLiteral("Folder not found: %1").arg(QDir::toNativeSeparators(target.absolutePath())).toStdString());
    }
    const QString puzzle = QFileInfo(QString::fromStdString(doc.FileName)).canonicalFilePath();
    if (!puzzle.isEmpty() && puzzle == target.canonicalFilePath()) {
        throwCannotCreate(path, QStringLiteral("It is the puzzle file being printed."));
    }
    const auto failure = WriteWholeFile(path, [&](QIODevice& file) {
        PdfCanvas canvas(&file, QString::fromStdString(PrintTitle(doc.FileName)));
        ComposePages(canvas, doc, kind, option, font);
    });
    if (failure && failure->opening) {
        throw TessarinError(QStringLiteral("File locked: %1").arg(QDir::toNativeSeparators(path)).toStdString());
    }
    if (failure) {
        throwCannotCreate(path, failure->reason);
    }
}
