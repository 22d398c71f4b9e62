#include "PuzzleFileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "FileWrite.h"
#include "PuzzleDocument.h"
#include "TessarinError.h"

namespace {

std::string shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdString();
}

[[noreturn]] void throwCannotOpen(const QString& path, const QString& reason)
{
    throw TessarinError("Cannot open file \"" + shownPath(path) + "\". " + reason.toStdString());
}

[[noreturn]] void throwCannotCreate(const QString& path, const QString& reason)
{
    throw TessarinError(CannotCreateFileMessage(path, reason).toStdString());
}

} // namespace

PuzzleLines ReadPuzzleLines(QIODevice& device, const QString& path)
{
    if (!device.isSequential() && device.size() > MaxPuzzleFileSize) {
        throwCannotOpen(path, QStringLiteral("The file is too large to be a Tessarin cryptogram."));
    }
    // Read in pieces: one read of the largest size allowed would reserve that much memory for every file.
    constexpr qint64 Piece = qint64(1) << 20;
    QByteArray bytes;
    while (true) {
        const QByteArray piece = device.read(Piece);
        if (piece.isEmpty()) {
            break;
        }
        bytes += piece;
        if (bytes.size() > MaxPuzzleFileSize) {
            throwCannotOpen(path, QStringLiteral("The file is too large to be a Tessarin cryptogram."));
        }
    }
    return SplitPuzzleLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

PuzzleLines ReadPuzzleLines(const QString& path)
{
    if (QFileInfo(path).isDir()) {
        throwCannotOpen(path, QStringLiteral("It is a folder, not a file."));
    }
    QFile file(path);
    if (const auto reason = OpenWithoutWaiting(file, QIODevice::ReadOnly)) {
        throwCannotOpen(path, *reason);
    }
    PuzzleLines lines = ReadPuzzleLines(static_cast<QIODevice&>(file), path);
    if (file.error() != QFileDevice::NoError) {
        throwCannotOpen(path, file.errorString());
    }
    return lines;
}

void WritePuzzleLines(QIODevice& device, const QString& path, const PuzzleLines& lines)
{
    const std::string bytes = JoinPuzzleLines(lines);
    const qint64 size = static_cast<qint64>(bytes.size());
    if (device.write(bytes.data(), size) != size) {
        throwCannotCreate(path, device.errorString());
    }
}

void WritePuzzleLines(const QString& path, const PuzzleLines& lines)
{
    // A file that the reader would refuse as too large is not written: it would be lost to every program.
    qint64 size = 0;
    for (const std::string& line : lines) {
        size += static_cast<qint64>(line.size()) + 2;
    }
    if (size > MaxPuzzleFileSize) {
        constexpr qint64 MB = qint64(1) << 20;
        throwCannotCreate(path, QStringLiteral("The puzzle would take %1 MB, too large to be a Tessarin cryptogram "
                                               "(at most %2 MB).")
                                    .arg((size + MB - 1) / MB)
                                    .arg(MaxPuzzleFileSize / MB));
    }
    // The new file replaces the old one by a rename, which the old file's permissions do not stop (nor do they stop
    // an administrator): a file its owner made read-only is refused here.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.permission(QFileDevice::WriteOwner)) {
        throwCannotCreate(path, QStringLiteral("The file is read-only."));
    }
    const auto failure = WriteWholeFile(path, [&](QIODevice& device) { WritePuzzleLines(device, path, lines); });
    if (failure) {
        throwCannotCreate(path, failure->reason);
    }
}

std::string IncompletePuzzleFileMessage(const QString& path, std::string_view reason)
{
    return "\"" + shownPath(path) + "\" is not a complete puzzle file. " + std::string(reason);
}

namespace {

// Runs a step over the lines of the file at path; a file too short for it is named as not a complete puzzle file,
// followed by the step's own message.
template <class Step> void onPuzzleLines(const QString& path, Step step)
{
    try {
        step();
    } catch (const TessarinError& error) {
        throw TessarinError(IncompletePuzzleFileMessage(path, error.what()));
    }
}

} // namespace

bool HoldsNoPuzzleYet(const QString& path)
{
    const QFileInfo existing(path);
    return !existing.exists() || (existing.isFile() && existing.size() == 0);
}

void LoadPuzzleFile(PuzzleDocument& doc, const QString& path)
{
    const PuzzleLines lines = ReadPuzzleLines(path);
    onPuzzleLines(path, [&] { ReadMakerValues(lines, doc); });
    doc.Changed = false;
}

void SavePuzzleFile(PuzzleDocument& doc, const QString& path)
{
    PuzzleLines lines = HoldsNoPuzzleYet(path) ? PuzzleTemplate() : ReadPuzzleLines(path);
    onPuzzleLines(path, [&] { WriteMakerValues(lines, doc); });
    WritePuzzleLines(path, lines);
    doc.Changed = false;
}

GameFileValues LoadGameFile(const QString& path)
{
    return ReadGameValues(ReadPuzzleLines(path));
}

void SaveGameSolutions(const QString& path, const GameSolutions& solutions,
                       const std::function<void(const PuzzleLines& lines)>& check)
{
    PuzzleLines lines = ReadPuzzleLines(path);
    if (check) {
        check(lines);
    }
    WriteGameSolutions(lines, solutions);
    WritePuzzleLines(path, lines);
}
