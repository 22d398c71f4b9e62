// Encrypts 1 MB and 8 MB with every kind; 8 MB must take no more than about eight times as long as 1 MB.
#include <benchmark/benchmark.h>

#include "AcnProcsUnit.h"
#include "EncryptionDriver.h"
#include "PuzzleFile.h"
#include "Random.h"

namespace {

std::string plaintextOf(std::size_t size)
{
    static const std::string sentence = "Whenever you find yourself on the side of the majority, it is time to "
                                        "pause and reflect; all the greatest books look on the world as a stranger. ";
    std::string text;
    text.reserve(size + sentence.size());
    while (text.size() < size) {
        text += sentence;
    }
    text.resize(size);
    return text;
}

void encryptKind(benchmark::State& state, CipherKind kind)
{
    const std::string plain = plaintextOf(static_cast<std::size_t>(state.range(0)));
    EncryptOptions options;
    options.kind = kind;
    options.keyword = "SPRINGTIME";
    options.cipherTableKey = "FLOWERBED";
    options.indicatorKey = "GARDEN";
    options.column = "4";
    Random rng(1);
    for (auto _ : state) {
        AcnProcs holder;
        benchmark::DoNotOptimize(EncryptPuzzle(holder, plain, options, rng).data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void substitution(benchmark::State& state)
{
    encryptKind(state, CipherKind::Cipher);
}
void railfence(benchmark::State& state)
{
    encryptKind(state, CipherKind::Railfence);
}
void playfair(benchmark::State& state)
{
    encryptKind(state, CipherKind::Playfair);
}
void quagmire(benchmark::State& state)
{
    encryptKind(state, CipherKind::Quagmire);
}
void vigenere(benchmark::State& state)
{
    encryptKind(state, CipherKind::Vigenere);
}

void saveAndReadPuzzle(benchmark::State& state)
{
    PuzzleDocument doc;
    doc.PLAIN = plaintextOf(static_cast<std::size_t>(state.range(0)));
    doc.CIPHER = doc.PLAIN;
    for (auto _ : state) {
        PuzzleLines lines = PuzzleTemplate();
        WriteMakerValues(lines, doc);
        PuzzleDocument back;
        ReadMakerValues(SplitPuzzleLines(JoinPuzzleLines(lines)), back);
        benchmark::DoNotOptimize(back.PLAIN.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0) * 2);
}

constexpr int64_t OneMB = 1 << 20;

} // namespace

BENCHMARK(substitution)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(railfence)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(playfair)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(quagmire)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(vigenere)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(saveAndReadPuzzle)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
