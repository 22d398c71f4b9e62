// Speed of page composition: the line breaker measures the growing line once a character, so long texts matter.
#include <string>

#include <benchmark/benchmark.h>

#include "ComposePages.h"
#include "PageText.h"

namespace {

// A canvas that measures like a proportional font (widths 6 to 14 units) and draws nothing.
class CountingCanvas : public PrintCanvas
{
public:
    PageGeometry geometry() const override { return {2159, 2794, 3, 3, 3, 3, false}; }
    void beginDocument() override {}
    void endDocument() override {}
    void newPage() override {}
    void setBrushClear() override {}
    void setFont(const PrintFont&) override {}
    int textWidth(std::string_view text) override
    {
        int width = 0;
        for (char c : text) {
            width += 6 + (static_cast<unsigned char>(c) % 9);
        }
        return width;
    }
    int textHeight(std::string_view) override { return 42; }
    void textOut(int, int, std::string_view) override { ++drawn; }
    void line(int, int, int, int) override {}
    int drawn = 0;
};

std::string words(std::size_t length)
{
    const std::string sample = "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG ";
    std::string text;
    while (text.size() < length) {
        text += sample;
    }
    text.resize(length);
    return text;
}

void composeSubstitution(benchmark::State& state)
{
    PuzzleDocument doc;
    doc.FileName = "/tmp/Bench.acnx";
    doc.CIPHER = words(static_cast<std::size_t>(state.range(0)));
    doc.PLAIN = doc.CIPHER;
    doc.CIPHKEY = "QWERTYUIOPASDFGHJKLZXCVBNM";
    for (auto _ : state) {
        CountingCanvas canvas;
        ComposePages(canvas, doc, CipherKind::Cipher, SolutionOption::SamePage, PrintFont{});
        benchmark::DoNotOptimize(canvas.drawn);
    }
    state.SetBytesProcessed(state.iterations() * 2 * state.range(0));
}
BENCHMARK(composeSubstitution)->Arg(200)->Arg(2000)->Arg(20000);

void breakUnbrokenRun(benchmark::State& state)
{
    const std::string run(static_cast<std::size_t>(state.range(0)), 'X');
    const auto overflows = [](std::string_view line) { return 10 * (line.size() + 1) > 1617; };
    for (auto _ : state) {
        benchmark::DoNotOptimize(BreakLines(run, overflows));
    }
}
BENCHMARK(breakUnbrokenRun)->Arg(1000)->Arg(10000);

} // namespace

BENCHMARK_MAIN();
