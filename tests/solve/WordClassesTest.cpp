#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "WordClasses.h"

// What a word can be, from a small made-up lexicon: the endings that lead to a lemma, the irregular forms, and the
// words it lacks.
TEST(WordClasses, signaturesTellWhatAWordCanBe)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("tessarin-word-classes-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "index.noun") << "  licence line\nthing n 1\nwound n 1\ncity n 1\nbox n 1\nwoman n 1\n";
    std::ofstream(dir / "index.verb") << "think v 1\nwound v 1\nfind v 1\ncarry v 1\nmake v 1\nwind v 1\n";
    std::ofstream(dir / "index.adj") << "quick a 1\ngood a 1\n";
    std::ofstream(dir / "verb.exc") << "found find\nwound wind\n";
    std::ofstream(dir / "adj.exc") << "better good\n";
    const WordClasses classes(dir.string());
    const std::pair<const char*, const char*> expected[] = {
        {"THINKS", "Z"},  {"THINGS", "P"},     {"WOUND", "NVD"},  {"CITIES", "P"}, {"BOXES", "P"}, {"WOMEN", "P"},
        {"CARRIES", "Z"}, {"MAKING", "G"},     {"QUICKER", "C"},  {"BETTER", "C"}, {"FOUND", "D"}, {"HELEN'S", "S"},
        {"ZORK", "?"},    {"ZORKING", "?ING"}, {"SLOWLY", "?LY"}, {"MAKES", "Z"},  {"CITY", "N"},
    };
    for (const auto& [word, signature] : expected) {
        EXPECT_EQ(classes.signatureOf(word), signature) << word;
    }
    fs::remove_all(dir);
}
