#include "GameFile.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include <QDir>
#include <QFileInfo>

#include "Alphabet.h"
#include "PuzzleFileIO.h"
#include "TessarinError.h"

namespace {

// The solution lines' opening tags: a file whose lines there read otherwise is no puzzle, and writing the
// solution lines into it would damage it.
constexpr std::pair<int, std::string_view> SolutionTags[] = {
    {PuzzleLine::CipherSol - 1, "<CIPHERSOL>"}, {PuzzleLine::RailSol - 1, "<RAILSOL>"},
    {PuzzleLine::PlaySol - 1, "<PLAYSOL>"},     {PuzzleLine::QuagSol - 1, "<QUAGSOL>"},
    {PuzzleLine::VigenSol - 1, "<VIGENSOL>"},
};

bool SameTag(std::string_view line, std::string_view tag)
{
    const std::string trimmed = TrimControl(line);
    return std::equal(trimmed.begin(), trimmed.end(), tag.begin(), tag.end(),
                      [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

void RequirePuzzleLines(const PuzzleLines& lines, const QString& path)
{
    const std::string start =
        "The file \"" + QDir::toNativeSeparators(path).toStdString() + "\" is not a Tessarin puzzle: ";
    if (lines.size() < PuzzleLine::WriteCount) {
        throw TessarinError(start + "it has " + std::to_string(lines.size()) +
                            (lines.size() == 1 ? " line" : " lines") + ", a puzzle has at least " +
                            std::to_string(PuzzleLine::WriteCount) + ".");
    }
    for (const auto& [line, tag] : SolutionTags) {
        if (!SameTag(lines[static_cast<std::size_t>(line)], tag)) {
            throw TessarinError(start + "line " + std::to_string(line) + " should read " + std::string(tag) + ".");
        }
    }
}

// The five ciphertext lines, in kind order.
CipherLines CiphertextLines(const PuzzleLines& lines)
{
    const auto line = [&lines](int i) { return lines[static_cast<std::size_t>(i)]; };
    return {line(9), line(18), line(21), line(27), line(39)};
}

// A file whose cryptograms another program (the maker) has changed since the game read it: the boards' letters
// belong to the old ones, and written into its solution lines they would spoil the new puzzle.
void RequireSameCiphertexts(const PuzzleLines& lines, const CipherLines& opened, const QString& path)
{
    if (CiphertextLines(lines) != opened) {
        throw TessarinError("The file \"" + QDir::toNativeSeparators(path).toStdString() +
                            "\" was changed by another program after it was opened: its cryptograms are no longer "
                            "those on the board, so the solutions are not saved into it.");
    }
}

} // namespace

void LoadGamePuzzle(GamePuzzle& puzzle, const QString& path)
{
    const PuzzleLines lines = ReadPuzzleLines(path);
    RequirePuzzleLines(lines, path);
    const GameFileValues values = ReadGameValues(lines);
    puzzle.TakeValues(values, CiphertextLines(lines));
}

void SaveGamePuzzle(GamePuzzle& puzzle)
{
    puzzle.StoreBoard();
    // The file read afresh is checked as Open checks it, so that a file replaced or changed since is not damaged.
    const QString path = QString::fromStdString(puzzle.FileName);
    SaveGameSolutions(path, puzzle.Solutions(), [&](const PuzzleLines& lines) {
        RequirePuzzleLines(lines, path);
        RequireSameCiphertexts(lines, puzzle.Ciphertexts, path);
    });
    puzzle.GameChanged = false;
}

bool QuerySaveSolutions(const GamePuzzle& puzzle, const std::function<SaveAnswer()>& ask,
                        const std::function<void()>& save)
{
    if (!puzzle.GameChanged) {
        return true;
    }
    switch (ask()) {
    case SaveAnswer::Yes:
        save();
        return true;
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

QString MakerProgramName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("tessarin5.exe");
#else
    return QStringLiteral("tessarin5");
#endif
}

QString OpenStartFolder(const QString& currentFolder, const QString& documentsFolder)
{
    if (QFileInfo(QDir(currentFolder).filePath(MakerProgramName())).isFile()) {
        return documentsFolder + QStringLiteral("/Dunmarrow/Ciphers/");
    }
    return currentFolder + QStringLiteral("/");
}

QString GameCaption(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return QStringLiteral("Tessarin 5 Game - ") + name.left(qMax(0, name.size() - 5));
}
