// Feeds arbitrary bytes to both programs' readers, then updates the lines with both writers and reads the
// result back: nothing may crash, leak or hang, and a save must keep every line the writer does not own.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "PuzzleDocument.h"
#include "PuzzleFile.h"
#include "TessarinError.h"

namespace {

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void makerRoundTrip(const PuzzleLines& lines)
{
    PuzzleDocument doc;
    try {
        ReadMakerValues(lines, doc);
    } catch (const TessarinError&) {
        check(lines.size() < PuzzleLine::MakerReadCount);
        return;
    }
    PuzzleLines updated = lines;
    try {
        WriteMakerValues(updated, doc);
    } catch (const TessarinError&) {
        check(lines.size() < PuzzleLine::WriteCount);
        return;
    }
    const PuzzleLines reread = SplitPuzzleLines(JoinPuzzleLines(updated));
    check(reread.size() == updated.size());
    check(reread[PuzzleLine::Title] == lines[PuzzleLine::Title]);
    PuzzleDocument back;
    ReadMakerValues(reread, back);
    check(back.PLAIN == doc.PLAIN && back.VIGENKEY == doc.VIGENKEY);
}

void gameRoundTrip(const PuzzleLines& lines)
{
    try {
        const GameFileValues values = ReadGameValues(lines);
        PuzzleLines updated = lines;
        WriteGameSolutions(updated,
                           {values.CIPHERSOL, values.RAILSOL, values.PLAYSOL, values.QUAGSOL, values.VIGENSOL});
        check(updated == lines);
    } catch (const TessarinError&) {
        check(lines.size() < PuzzleLine::WriteCount);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const PuzzleLines lines = SplitPuzzleLines(bytes);
    makerRoundTrip(lines);
    gameRoundTrip(lines);
    PuzzleLines fresh = PuzzleTemplate();
    PuzzleDocument doc;
    doc.PLAIN = std::string(bytes);
    doc.CIPHER = std::string(bytes);
    WriteMakerValues(fresh, doc);
    check(SplitPuzzleLines(JoinPuzzleLines(fresh)).size() == PuzzleLine::TemplateCount);
    return 0;
}
