// How long a large puzzle takes to open, to paint, to score and to give a hint (a report, not a test).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "EncodeCipher.h"
#include "GameFile.h"
#include "GameHints.h"
#include "PuzzleFile.h"
#include "PuzzlePaint.h"
#include "SolvingCommands.h"

namespace {

std::string LongPlain()
{
    const std::string sentence = "The quick brown fox jumps over the lazy dog, again and again! ";
    std::string plain;
    while (plain.size() < 5000) {
        plain += sentence;
    }
    plain.resize(5000);
    return plain;
}

// A substitution puzzle of 5,000 characters written into a temporary file.
struct LargePuzzle
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("large.acnx"));
    LargePuzzle()
    {
        PuzzleLines lines = PuzzleTemplate();
        lines[6] = LongPlain();
        lines[12] = "QWERTYUIOPASDFGHJKLZXCVBNM";
        std::string cipher = lines[6];
        for (char& c : cipher) {
            if (c >= 'a' && c <= 'z') {
                c = lines[12][static_cast<std::size_t>(c - 'a')];
            } else if (c >= 'A' && c <= 'Z') {
                c = lines[12][static_cast<std::size_t>(c - 'A')];
            }
        }
        lines[9] = lines[45] = cipher;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            std::abort();
        }
        const std::string bytes = JoinPuzzleLines(lines);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
};

void OpenLargePuzzle(benchmark::State& state)
{
    LargePuzzle file;
    for (auto _ : state) {
        GamePuzzle puzzle;
        LoadGamePuzzle(puzzle, file.path);
        puzzle.ChooseKind(puzzle.FirstPresentKind());
        benchmark::DoNotOptimize(puzzle.BoardText.data());
    }
}
BENCHMARK(OpenLargePuzzle)->Unit(benchmark::kMillisecond);

void PaintLargeBoard(benchmark::State& state)
{
    LargePuzzle file;
    GamePuzzle puzzle;
    LoadGamePuzzle(puzzle, file.path);
    puzzle.ChooseKind(CipherKind::Cipher);
    PuzzlePaint board(puzzle);
    board.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QImage image(board.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        board.render(&image);
        benchmark::ClobberMemory();
    }
}
// The design size, and a large window with larger cells.
BENCHMARK(PaintLargeBoard)->Args({760, 430})->Args({1600, 1200})->Unit(benchmark::kMillisecond);

// Mid-solve: half the alphabet given, a conflict, the selection's group highlighted; every cell's state is drawn.
void PaintSolvingBoard(benchmark::State& state)
{
    LargePuzzle file;
    GamePuzzle puzzle;
    LoadGamePuzzle(puzzle, file.path);
    puzzle.ChooseKind(CipherKind::Cipher);
    for (std::size_t p = 1; p <= 60; ++p) {
        if (ClickCell(puzzle, p) && puzzle.SelectedCell) {
            PickLetter(puzzle, static_cast<int>(p % 13) + 1);
        }
    }
    PuzzlePaint board(puzzle);
    board.resize(760, 430);
    QImage image(board.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        board.render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PaintSolvingBoard)->Unit(benchmark::kMillisecond);

void ScoreLargeBoard(benchmark::State& state)
{
    LargePuzzle file;
    GamePuzzle puzzle;
    LoadGamePuzzle(puzzle, file.path);
    puzzle.ChooseKind(CipherKind::Cipher);
    PuzzlePaint board(puzzle);
    board.resize(760, 430);
    QImage image(board.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        board.showScoreMarks(WrongCells(puzzle));
        board.render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ScoreLargeBoard)->Unit(benchmark::kMillisecond);

// The first hint on a substitution of range(0) characters: one-letter words, each standing for every cell of its
// letter on the board.
void HintOnLongText(benchmark::State& state)
{
    GamePuzzle puzzle;
    const std::string sentence = "I SAW A CAT AND A DOG, SAID O'BRIEN. ";
    while (puzzle.PLAIN.size() < static_cast<std::size_t>(state.range(0))) {
        puzzle.PLAIN += sentence;
    }
    puzzle.CIPHERSOL = SubstituteLetters(puzzle.PLAIN, "QWERTYUIOPASDFGHJKLZXCVBNM");
    puzzle.Ciphertexts.CIPHER = puzzle.CIPHERSOL;
    puzzle.FileName = "long.acnx";
    puzzle.ChooseKind(CipherKind::Cipher);
    for (auto _ : state) {
        puzzle.Hint.reset();
        benchmark::DoNotOptimize(PressHint(puzzle));
    }
}
BENCHMARK(HintOnLongText)->Arg(5000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
