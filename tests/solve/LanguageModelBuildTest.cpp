#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "LanguageModel.h"

// The model builder run on small made-up sources: what it holds out for the benchmark must stay out of the model,
// only English quotations may be offered as test texts, and a letter standing alone is counted by its place.
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> Words = {"the",    "old",   "warm",   "quiet",  "small",  "bright", "heavy",
                                        "keeper", "baker", "river",  "garden", "window", "hammer", "letter",
                                        "candle", "sat",   "by",     "and",    "looked", "at",     "all",
                                        "day",    "long",  "walked", "home",   "under",  "green",  "tree"};

// A letter-only marker for case i (ZZBA, ZZBB, ...), a word no source else uses.
std::string marker(std::size_t i)
{
    return std::string("zz") + static_cast<char>('b' + i / 26) + static_cast<char>('a' + i % 26);
}

// Twelve words of a list drawn for case i: no two cases share a run of words long enough to be taken for a copy.
std::string drawn(std::size_t i, const std::vector<std::string>& words, const std::string& first)
{
    std::uint32_t state = static_cast<std::uint32_t>(i) * 2654435761U + 12345U;
    std::string text = first;
    for (int w = 0; w < 12; ++w) {
        state = state * 1664525U + 1013904223U;
        text += " " + words[(state >> 16) % words.size()];
    }
    return text + ".";
}

std::string english(std::size_t i)
{
    return drawn(i, Words, "Then");
}

std::string latin(std::size_t i)
{
    return drawn(i, {"parvum", "manus", "acervus", "iacta", "alea", "erit", "semper", "ubi", "sub", "vaut"}, "Adde");
}

void write(const fs::path& file, const std::vector<std::string>& quotations)
{
    std::ofstream out(file);
    for (const std::string& quotation : quotations) {
        out << quotation << "\n%\n";
    }
}

} // namespace

TEST(LanguageModelBuild, heldOutQuotationsAndTheirCopiesStayOutAndOnlyEnglishIsOffered)
{
    const fs::path dir = fs::temp_directory_path() / ("tessarin-model-build-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    constexpr std::size_t Cases = 48;
    std::vector<std::string> first;
    std::vector<std::string> copies;
    for (std::size_t i = 0; i < Cases; ++i) {
        first.push_back(english(i));
        first.push_back(latin(i));
        // The same saying filed again elsewhere, with its own mark.
        copies.push_back(english(i) + " So said " + marker(i) + ".\n    -- Anonymous");
    }
    write(dir / "first", first);
    write(dir / "second", copies);
    // Letters standing alone as words: labels (Q:) and the rest (X marks) are counted apart, initials (J.) neither.
    std::vector<std::string> letters;
    for (std::size_t i = 0; i < Cases; ++i) {
        letters.push_back("Q: Where is the " + Words[i % Words.size()] + "? A: An X marks the " +
                          Words[(i * 7 + 3) % Words.size()] + ", said J. Smith.");
    }
    write(dir / "third", letters);
    std::ofstream words(dir / "words");
    for (const std::string& word : Words) {
        words << word << "\n";
    }
    words << "then\nso\nsaid\n";
    words.close();
    const std::string command = std::string(TESSARIN_BUILD_LANGUAGE_MODEL) + " " + (dir / "model").string() + " " +
                                (dir / "heldout").string() + " " + (dir / "words").string() + " " +
                                (dir / "first").string() + " " + (dir / "second").string() + " " +
                                (dir / "third").string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);

    std::set<std::string> heldOut;
    std::ifstream in(dir / "heldout");
    for (std::string line; std::getline(in, line);) {
        heldOut.insert(line);
    }
    std::size_t englishHeld = 0;
    for (std::size_t i = 0; i < Cases; ++i) {
        EXPECT_EQ(heldOut.count(latin(i)), 0U) << latin(i);
        englishHeld += heldOut.count(english(i));
    }
    EXPECT_GT(englishHeld, 0U);

    const LanguageModel model = LanguageModel::Load(dir / "model");
    std::size_t countedCopies = 0;
    for (std::size_t i = 0; i < Cases; ++i) {
        const bool held = heldOut.count(english(i)) != 0 || heldOut.count(english(i) + " So said " + marker(i) + ".");
        std::string upper = marker(i);
        for (char& c : upper) {
            c = static_cast<char>(c - 'a' + 'A');
        }
        EXPECT_EQ(model.WordLogProbability(upper).has_value(), !held) << english(i);
        countedCopies += held ? 0 : 1;
    }
    EXPECT_GT(countedCopies, Cases / 2);

    const auto mostLikely = [](const auto& logProbability) {
        unsigned best = 0;
        for (unsigned letter = 1; letter < 26; ++letter) {
            best = logProbability(letter) > logProbability(best) ? letter : best;
        }
        return static_cast<char>('A' + best);
    };
    EXPECT_EQ(mostLikely([&](unsigned c) { return model.LabelLetterLogProbability(c); }), 'Q');
    EXPECT_EQ(mostLikely([&](unsigned c) { return model.LoneLetterLogProbability(c); }), 'X');
    fs::remove_all(dir);
}

TEST(LanguageModelBuild, wordClassesScoreAPairTheSourcesNeverHad)
{
    const fs::path dir = fs::temp_directory_path() / ("tessarin-model-classes-" + std::to_string(::getpid()));
    fs::create_directories(dir / "lexicon");
    std::ofstream(dir / "lexicon" / "index.noun") << "cat n 1 0\ndog n 1 0\nhat n 1 0\n";
    std::ofstream(dir / "lexicon" / "index.verb") << "run v 1 0\nsleep v 1 0\neat v 1 0\n";
    // Filler words, each more frequent than the words under test, fill the classes of the most frequent words; a
    // noun is always followed by a verb's third person, and DOG is commoner than EATS.
    std::vector<std::string> quotations{"Cat runs. Dog sleeps. Hat eats. Dog. Dog. Dog."};
    std::uint32_t state = 7;
    for (int q = 0; q < 1100; ++q) {
        std::string sentence = "Then";
        for (int w = 0; w < 10; ++w) {
            state = state * 1664525U + 1013904223U;
            const std::uint32_t filler = (state >> 8) % 1100;
            sentence += std::string(" zq") + static_cast<char>('a' + filler / 676) +
                        static_cast<char>('a' + filler / 26 % 26) + static_cast<char>('a' + filler % 26);
        }
        quotations.push_back(sentence + ".");
    }
    write(dir / "quotations", quotations);
    std::ofstream(dir / "words") << "then\n";
    const std::string command = std::string(TESSARIN_BUILD_LANGUAGE_MODEL) + " " + (dir / "model").string() + " " +
                                (dir / "heldout").string() + " " + (dir / "words").string() + " " +
                                (dir / "quotations").string() + " --examples --word-classes " +
                                (dir / "lexicon").string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);

    const LanguageModel model = LanguageModel::Load(dir / "model");
    const auto cat = model.WordIndex("CAT");
    const auto dog = model.WordIndex("DOG");
    const auto eats = model.WordIndex("EATS");
    ASSERT_TRUE(cat && dog && eats);
    ASSERT_GT(model.Words()[*dog].logProbability, model.Words()[*eats].logProbability);
    EXPECT_GT(model.UncountedPairLogProbability(*cat, *eats), model.UncountedPairLogProbability(*cat, *dog) + 1.0);
    fs::remove_all(dir);
}

// The tag model from a made-up tagger's data: four tags, a determiner before a noun before a verb far more often
// than any other order; a zero run in the trigram counts is written as the file's negative run length.
TEST(LanguageModelBuild, tagsScoreWordsInTheOrderTheirPartsOfSpeechTakeAboveOtherOrders)
{
    const fs::path dir = fs::temp_directory_path() / ("tessarin-model-tags-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "lexicon") << "MNCL\n(\"the\" ((dt -0.1) ) () )\n(\"cat\" ((nn -2.0) ) () )\n"
                                      "(\"dog\" ((nn -2.0) ) () )\n(\"runs\" ((vb -1.5) (nn -6.0) ) () )\n";
    {
        std::ofstream out(dir / "trigrams", std::ios::binary);
        out << "NgramBin_2 3\nnn punc dt vb \nnn punc dt vb \n";
        const auto put = [&](double value) {
            std::uint64_t bits = 0;
            std::memcpy(&bits, &value, 8);
            for (int shift = 56; shift >= 0; shift -= 8) {
                out.put(static_cast<char>(bits >> shift));
            }
        };
        enum
        {
            N,
            P,
            D,
            V
        };
        for (int i = 0; i < 4 * 4 * 4; ++i) {
            const int a = i / 16;
            const int b = i / 4 % 4;
            const int c = i % 4;
            if (a == V && b == V) {
                if (c == 0) {
                    put(-5.0); // the four counts after two verbs are zero
                }
                continue;
            }
            const bool habit =
                (a == P && b == P && c == D) || (a == P && b == D && c == N) || (a == D && b == N && c == V);
            put(habit ? 50.0 : 1.0);
        }
    }
    write(dir / "quotations", {"The cat runs.", "The dog runs."});
    std::ofstream(dir / "words") << "then\n";
    const std::string command =
        std::string(TESSARIN_BUILD_LANGUAGE_MODEL) + " " + (dir / "model").string() + " " + (dir / "heldout").string() +
        " " + (dir / "words").string() + " " + (dir / "quotations").string() + " --examples --word-classes " +
        dir.string() + " --tags " + (dir / "lexicon").string() + " " + (dir / "trigrams").string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);

    const LanguageModel model = LanguageModel::Load(dir / "model");
    ASSERT_FALSE(model.Tags().empty());
    const auto the = model.WordIndex("THE");
    const auto cat = model.WordIndex("CAT");
    const auto runs = model.WordIndex("RUNS");
    ASSERT_TRUE(the && cat && runs);
    const std::vector<bool> noBreaks(3, false);
    const double inOrder = model.Tags().Fit({the, cat, runs}, noBreaks);
    EXPECT_GT(inOrder, model.Tags().Fit({the, runs, cat}, noBreaks) + 0.5);
    EXPECT_GT(inOrder, model.Tags().Fit({cat, the, runs}, noBreaks) + 0.5);
    // A word the lexicon lacks may be any common part, so it fits in the noun's place better than the verb does.
    EXPECT_GT(model.Tags().Fit({the, std::nullopt, runs}, noBreaks), model.Tags().Fit({the, runs, runs}, noBreaks));

    // Broken tagger files stop the build with the file's name and the cause: counts that do not fill the table
    // (the last one cut off), a lexicon without a single word.
    const auto failure = [&](const std::string& message) {
        const std::string run = command.substr(0, command.rfind(" > /dev/null")) + " 2> " + (dir / "err").string();
        EXPECT_NE(std::system(run.c_str()), 0);
        std::ifstream err(dir / "err");
        const std::string said((std::istreambuf_iterator<char>(err)), std::istreambuf_iterator<char>());
        EXPECT_NE(said.find(message), std::string::npos) << said;
    };
    std::string trigrams;
    {
        std::ifstream in(dir / "trigrams", std::ios::binary);
        trigrams.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::ofstream(dir / "trigrams", std::ios::binary) << trigrams.substr(0, trigrams.size() - 8);
    failure((dir / "trigrams").string() + ": the counts do not fill the table");
    std::ofstream(dir / "trigrams", std::ios::binary) << trigrams;
    std::ofstream(dir / "lexicon") << "MNCL\n";
    failure((dir / "lexicon").string() + ": holds no words");
    fs::remove_all(dir);
}
