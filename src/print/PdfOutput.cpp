#include "PdfOutput.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "PageText.h"
#include "PdfCanvas.h"
#include "TessarinError.h"

namespace {
[[noreturn]] void throwLocked(const QString& path)
{
    throw TessarinError(QStringLiteral("File locked: %1").arg(QDir::toNativeSeparators(path)).toStdString());
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throwLocked(path);
    }
    {
        PdfCanvas canvas(&file, QString::fromStdString(PrintTitle(doc.FileName)));
        ComposePages(canvas, doc, kind, option, font);
    }
    if (!file.flush() || !file.commit()) {
        throwLocked(path);
    }
}
