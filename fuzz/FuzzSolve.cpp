// Feeds arbitrary bytes to the solver as a ciphertext of each kind (the first byte picks the kind) under a short
// time bound: the solver may refuse the text, but nothing may crash, overrun a buffer or hang, and a reading it
// returns must be of the text it was given.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "LanguageModel.h"
#include "Solver.h"

namespace {

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

const LanguageModel& model()
{
    static const LanguageModel loaded = LanguageModel::Load(TESSARIN_LANGUAGE_MODEL);
    return loaded;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const auto kind = static_cast<SolveKind>(data[0] % 5);
    const std::string_view ciphertext(reinterpret_cast<const char*>(data + 1), size - 1);
    SolveOptions options;
    options.seconds = 0.02;
    options.threads = 1;
    try {
        const SolveResult result = Solve(kind, ciphertext, model(), options);
        check(result.confidence >= 0 && result.confidence <= 1);
        if (kind == SolveKind::Cipher && !result.best.plaintext.empty()) {
            // A substitution keeps the ciphertext's layout: one character for each.
            check(result.best.plaintext.size() == ciphertext.size());
        }
    } catch (const SolveRefused&) {
    }
    return 0;
}
