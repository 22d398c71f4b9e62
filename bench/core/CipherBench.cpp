// Encrypts 1 MB and 8 MB with every kind; 8 MB must take no more than about eight times as long as 1 MB. Also
// converts 8 MB between UTF-8 and the code page.
#include <benchmark/benchmark.h>

#include "AcnProcsUnit.h"
#include "CodePage.h"
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

// The command-line tool's conversions of its input and output: plain English (ASCII, copied in runs) and the
// same with an accented letter in every sentence and typographic quotes (converted character by character).
void convertText(benchmark::State& state, bool accented)
{
    std::string utf8 = plaintextOf(static_cast<std::size_t>(state.range(0)));
    if (accented) {
        for (std::size_t at = utf8.find("reflect"); at != std::string::npos; at = utf8.find("reflect", at)) {
            utf8.replace(at, 7, "r\u00e9flect \u201cnow\u201d");
        }
    }
    std::string back; // reused, so that only the conversion into the code page allocates fresh memory
    for (auto _ : state) {
        const CodePageConversion codePage = Utf8ToCodePage(utf8);
        back.clear();
        AppendCodePageAsUtf8(back, codePage.text);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * utf8.size()) * 2);
}

void convertAscii(benchmark::State& state)
{
    convertText(state, false);
}
void convertAccented(benchmark::State& state)
{
    convertText(state, true);
}

constexpr int64_t OneMB = 1 << 20;

} // namespace

BENCHMARK(substitution)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(railfence)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(playfair)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(quagmire)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(vigenere)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(saveAndReadPuzzle)->Arg(OneMB)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(convertAscii)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(convertAccented)->Arg(8 * OneMB)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
