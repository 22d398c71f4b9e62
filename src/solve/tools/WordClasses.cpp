#include "WordClasses.h"

#include <cctype>
#include <fstream>

namespace {

using Rule = WordClasses::Rule;

constexpr std::array<Rule, 8> PluralRules{{{"S", ""},
                                           {"SES", "S"},
                                           {"XES", "X"},
                                           {"ZES", "Z"},
                                           {"CHES", "CH"},
                                           {"SHES", "SH"},
                                           {"MEN", "MAN"},
                                           {"IES", "Y"}}};
constexpr std::array<Rule, 4> ThirdPersonRules{{{"S", ""}, {"IES", "Y"}, {"ES", "E"}, {"ES", ""}}};
constexpr std::array<Rule, 2> PastRules{{{"ED", "E"}, {"ED", ""}}};
constexpr std::array<Rule, 2> GerundRules{{{"ING", "E"}, {"ING", ""}}};
constexpr std::array<Rule, 4> ComparativeRules{{{"ER", ""}, {"EST", ""}, {"ER", "E"}, {"EST", "E"}}};

bool endsWith(const std::string& word, std::string_view ending)
{
    return word.size() > ending.size() && word.compare(word.size() - ending.size(), ending.size(), ending) == 0;
}

// Calls take with the first field of each line in capitals, when it is a single word of letters (an apostrophe
// allowed): the lemma of an index line, the irregular form of an exception line.
template <typename Take> void readFirstFields(const std::string& file, Take take)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == ' ') {
            continue; // the licence at the head of an index
        }
        std::string word;
        std::size_t at = 0;
        for (; at < line.size() && line[at] != ' '; ++at) {
            const auto c = static_cast<unsigned char>(line[at]);
            if (std::isalpha(c) == 0 && c != '\'') {
                break;
            }
            word += static_cast<char>(std::toupper(c));
        }
        if (!word.empty() && (at == line.size() || line[at] == ' ')) {
            take(word);
        }
    }
}

} // namespace

WordClasses::WordClasses(const std::string& folder)
{
    const std::array<std::pair<char, const char*>, 4> parts{{{'n', "noun"}, {'v', "verb"}, {'a', "adj"}, {'r', "adv"}}};
    for (const auto& [part, name] : parts) {
        auto& lemmas = m_lemmas[part];
        auto& irregular = m_irregular[part];
        readFirstFields(folder + "/index." + name, [&](const std::string& word) { lemmas.insert(word); });
        readFirstFields(folder + "/" + name + ".exc", [&](const std::string& form) { irregular.insert(form); });
    }
}

// The constructor gives every part (n, v, a, r) its sets, empty when the database lacks the file.
bool WordClasses::isLemma(char part, const std::string& word) const
{
    return m_lemmas.at(part).contains(word);
}

bool WordClasses::isIrregular(char part, const std::string& form) const
{
    return m_irregular.at(part).contains(form);
}

bool WordClasses::endsAs(char part, const std::string& word, std::span<const Rule> rules) const
{
    for (const auto& [ending, lemmaEnding] : rules) {
        if (endsWith(word, ending) &&
            isLemma(part, word.substr(0, word.size() - ending.size()) + std::string(lemmaEnding))) {
            return true;
        }
    }
    return false;
}

std::string WordClasses::signatureOf(const std::string& word) const
{
    if (endsWith(word, "'S")) {
        return "S";
    }
    const bool irregularVerb = isIrregular('v', word);
    std::string signature;
    const auto mark = [&](char letter, bool is) {
        if (is) {
            signature += letter;
        }
    };
    mark('N', isLemma('n', word));
    mark('P', isIrregular('n', word) || endsAs('n', word, PluralRules));
    mark('V', isLemma('v', word));
    mark('Z', endsAs('v', word, ThirdPersonRules));
    mark('D', (irregularVerb && !endsWith(word, "ING")) || endsAs('v', word, PastRules));
    mark('G', (irregularVerb && endsWith(word, "ING")) || endsAs('v', word, GerundRules));
    mark('J', isLemma('a', word));
    mark('C', isIrregular('a', word) || endsAs('a', word, ComparativeRules));
    mark('R', isLemma('r', word));
    if (!signature.empty()) {
        return signature;
    }
    for (const char* ending : {"ING", "ED", "LY", "S", "'"}) {
        if (endsWith(word, ending)) {
            return std::string("?") + ending;
        }
    }
    return "?";
}
