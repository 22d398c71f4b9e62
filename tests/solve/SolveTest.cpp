#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

#include "Alphabet.h"
#include "EncodeCipher.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "LanguageModel.h"
#include "Random.h"
#include "SearchRunner.h"
#include "SolveSubstitution.h"
#include "Solver.h"

// The texts are written for these tests; none is in the model's sources.
namespace {

constexpr const char* Keeper = "The keeper of the lighthouse painted the old boat every spring, and his daughter "
                               "sold fresh bread to the fishermen.";
constexpr const char* Orchard = "On a cold winter morning the baker on the corner gave warm rolls to the children "
                                "who went by the orchard behind the mill on their way to school.";

constexpr const char* Spring = "Every spring the old keeper painted his boat, and his daughter sold fresh bread to the "
                               "fishermen.";

constexpr const char* Hill = "Nobody could live in that cold house on the hill without a fire in every room.";

constexpr const char* Careful = "Be careful what you write in your diary and be careful what you say.";

constexpr const char* Cats = "Our cats play games but the old hound sleeps all day in the sun beside the kitchen door.";

const LanguageModel& model()
{
    static const LanguageModel loaded = LanguageModel::Load(TESSARIN_LANGUAGE_MODEL);
    return loaded;
}

SolveOptions fixedSeed(std::uint64_t seed)
{
    SolveOptions options;
    options.seed = seed;
    options.seconds = 30; // a bound for a loaded machine; the searches end by agreement long before
    return options;
}

// The solved alphabet with the letters the text does not use filled in, so it encrypts like the maker's.
std::string completed(std::string alphabet)
{
    std::string unused;
    for (char c : StandardAlphabet) {
        if (alphabet.find(c) == std::string::npos) {
            unused += c;
        }
    }
    for (char& c : alphabet) {
        if (c == '?') {
            c = unused.back();
            unused.pop_back();
        }
    }
    return alphabet;
}

} // namespace

TEST(LanguageModel, scoresEnglishAboveNoiseAndRefusesABrokenFile)
{
    EXPECT_GT(model().Quadgram('T' - 'A', 'I' - 'A', 'O' - 'A', 'N' - 'A'), model().Quadgram(16, 25, 23, 9) + 2);
    ASSERT_TRUE(model().WordLogProbability("THE").has_value());
    EXPECT_GT(*model().WordLogProbability("THE"), *model().WordLogProbability("LIGHTHOUSE"));
    EXPECT_FALSE(model().WordLogProbability("QXZVT").has_value());
    EXPECT_EQ(model().Words()[*model().WordIndex("DON'T")].text, "DON'T");
    // Archaic verb forms lead to their stems: the ending dropped, replaced by E, or dropped with a doubled consonant.
    const auto stemOf = [](std::string_view form) {
        const auto stem = model().ArchaicStem(form);
        return stem ? model().Words()[*stem].text : std::string("-");
    };
    EXPECT_EQ(stemOf("SPEAKETH"), "SPEAK");
    EXPECT_EQ(stemOf("COMETH"), "COME");
    EXPECT_EQ(stemOf("RUNNETH"), "RUN");
    EXPECT_EQ(stemOf("RIPEST"), "-"); // a superlative the list lacks, as likely as an archaic KNOWEST
    EXPECT_EQ(stemOf("QZXETH"), "-");
    EXPECT_EQ(stemOf("ETH"), "-");
    EXPECT_EQ(stemOf("SPEAKING"), "-");
    // Words the list lacks are scored by their spelling: names start and end as words do (FLYBOY, PHAROAHS), not
    // with a pair of letters no word starts with (DLYBOY, YHAROAHS), though the letters inside are the same.
    const auto spelling = [](std::string_view word) {
        std::vector<std::uint8_t> codes;
        for (char c : word) {
            codes.push_back(static_cast<std::uint8_t>(c - 'A'));
        }
        return model().Spelling().LogProbability(codes.data(), codes.size());
    };
    EXPECT_GT(spelling("FLYBOY"), spelling("DLYBOY") + 2);
    EXPECT_GT(spelling("PHAROAHS"), spelling("YHAROAHS") + 2);
    EXPECT_GT(spelling("SNORKELING"), spelling("SNORKELINQ") + 2);
    EXPECT_LT(spelling("QZXV"), -6);
    // Pairs of words: after OF, THE is far likelier than it is on its own; THE OF, a chance pair of the sources at
    // most, is less likely than OF alone.
    const std::size_t of = *model().WordIndex("OF");
    const std::size_t the = *model().WordIndex("THE");
    ASSERT_TRUE(model().PairLogProbability(of, the).has_value());
    EXPECT_GT(*model().PairLogProbability(of, the), *model().WordLogProbability("THE") + 0.5);
    EXPECT_LT(model().PairLogProbability(the, of).value_or(-99), *model().WordLogProbability("OF"));
    // Sentences start with THE far more often than with OF, though OF is the commoner word inside them.
    ASSERT_TRUE(model().StartLogProbability(the).has_value());
    EXPECT_GT(*model().StartLogProbability(the), model().StartLogProbability(of).value_or(-99) + 0.5);
    // Sentences end with SAY far more often than with THE; a word the sources never saw ends one as often as the
    // average word.
    EXPECT_GT(model().EndLogProbability(model().WordIndex("SAY")), model().EndLogProbability(the) + 1.0);
    EXPECT_LT(model().EndLogProbability(the), model().EndLogProbability(std::nullopt));
    // The parts of speech: THE SAME BOX (determiner, adjective, noun) fits, THE SAME YOU hardly; a contraction is
    // read as its two parts (CAN'T: a modal and a negation), so it fits before a verb as a modal does.
    const std::vector<bool> noBreaks(4, false);
    const auto fit = [&](std::initializer_list<const char*> words) {
        std::vector<std::optional<std::size_t>> indexes;
        for (const char* w : words) {
            indexes.push_back(model().WordIndex(w));
        }
        return model().Tags().Fit(indexes, noBreaks);
    };
    EXPECT_GT(fit({"IN", "THE", "SAME", "BOX"}), fit({"IN", "THE", "SAME", "YOU"}) + 1.0);
    EXPECT_GT(fit({"YOU", "CAN'T", "GO", "HOME"}), fit({"YOU", "CAT", "GO", "HOME"}) + 1.0);
    // A possessive the list lacks has the pairs of the seldom seen ones: LAW follows one (MURPHY'S LAW) far more
    // often than it comes at all.
    const auto possessive = model().WordIndex(LanguageModel::Possessive);
    ASSERT_TRUE(possessive.has_value());
    EXPECT_GT(model().PairLogProbability(*possessive, *model().WordIndex("LAW")).value_or(-99),
              *model().WordLogProbability("LAW") + 1.0);
    // The counted pairs of a first word and the back-off share it leaves the others make the next word's
    // probabilities add up to one, after OF, after THE and at the start of a sentence alike.
    for (const std::size_t first : {of, the, std::size_t{LanguageModel::SentenceStart}}) {
        double total = 0;
        for (std::size_t w = 0; w < model().Words().size(); ++w) {
            const float uncounted = model().PairBackoff(first) + model().Words()[w].logProbability;
            total += std::pow(10.0, model().PairLogProbability(first, w).value_or(uncounted));
        }
        EXPECT_NEAR(total, 1.0, 0.03) << "after word " << first;
    }

    const std::string cut = testing::TempDir() + "/cut.model";
    {
        std::ifstream in(TESSARIN_LANGUAGE_MODEL, std::ios::binary);
        std::string bytes(1000, '\0');
        in.read(bytes.data(), 1000);
        std::ofstream(cut, std::ios::binary) << bytes;
    }
    EXPECT_THROW(LanguageModel::Load(cut), TessarinError);

    // The spelling table closes the file, after its mark; the word classes go before it: their count C, a class
    // per word and C + 1 rows of C. A file longer than its sections is damaged, and so is a class count that would
    // need more rows than the file holds (the loader must not reserve them first) or more classes than words.
    std::ifstream in(TESSARIN_LANGUAGE_MODEL, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t spellingAt = bytes.size() - (4 + 8 + SpellingModel::TableSize);
    ASSERT_EQ(bytes.substr(spellingAt, 4), "SPEL");
    const std::size_t words = model().Words().size();
    std::size_t classesAt = 0;
    for (std::size_t c = 1; (c + 1) * c * 2 + words * 2 + 4 < spellingAt && classesAt == 0; ++c) {
        const std::size_t at = spellingAt - ((c + 1) * c * 2 + words * 2 + 4);
        std::uint32_t stored = 0;
        std::memcpy(&stored, bytes.data() + at, 4);
        classesAt = stored == c ? at : 0;
    }
    ASSERT_NE(classesAt, 0U);
    const std::string damaged = testing::TempDir() + "/damaged.model";
    for (const std::uint32_t classes : {0xFFFFFFFFU, static_cast<std::uint32_t>(words), 0U, 1U}) {
        std::string changed = bytes;
        if (classes > 1) {
            std::memcpy(changed.data() + classesAt, &classes, 4);
        } else if (classes == 0) {
            changed += '\0';
        } else {
            changed.resize(bytes.size() - 1); // cut inside the spelling table
        }
        std::ofstream(damaged, std::ios::binary) << changed;
        EXPECT_THROW(LanguageModel::Load(damaged), TessarinError) << classes;
    }
    // The tag model goes before the classes, after its mark: a tag count over 64, a punctuation tag past the tags
    // and a file cut inside the trigrams are each refused.
    const std::size_t tagsAt = bytes.rfind("TAGS");
    ASSERT_NE(tagsAt, std::string::npos);
    for (int change = 0; change < 3; ++change) {
        std::string changed = bytes;
        if (change == 0) {
            changed[tagsAt + 4] = 65;
        } else if (change == 1) {
            changed[tagsAt + 5] = changed[tagsAt + 4];
        } else {
            changed.resize(tagsAt + 1000);
        }
        std::ofstream(damaged, std::ios::binary) << changed;
        EXPECT_THROW(LanguageModel::Load(damaged), TessarinError) << change;
    }
    // A folder in the model's place, or no file, is named with its cause.
    for (const auto& [file, cause] : {std::pair{testing::TempDir() + "/missing.model", "No such file"},
                                      std::pair{testing::TempDir(), "Is a directory"}}) {
        try {
            LanguageModel::Load(file);
            ADD_FAILURE() << file;
        } catch (const TessarinError& error) {
            EXPECT_NE(std::string(error.what()).find(cause), std::string::npos) << error.what();
        }
    }
}

TEST(SpellingModel, eachContextSpreadsOneOverTheLettersAndTheEndAndWordsStartAndEndAsSeen)
{
    const SpellingModel spelling(std::vector<std::string_view>{"FLY", "FLAT", "FLOW", "BOY", "TOY", "DON'T"});
    const std::vector<float>& table = spelling.Table();
    ASSERT_EQ(table.size(), SpellingModel::TableSize);
    for (std::size_t context = 0; context < table.size(); context += 27) {
        double total = 0;
        for (std::size_t d = 0; d < 27; ++d) {
            total += std::pow(10.0, table[context + d]);
        }
        ASSERT_NEAR(total, 1.0, 1e-4) << "context " << context;
    }
    const auto score = [&](std::string_view word) {
        std::vector<std::uint8_t> codes;
        for (char c : word) {
            codes.push_back(static_cast<std::uint8_t>(c - 'A'));
        }
        return spelling.LogProbability(codes.data(), codes.size());
    };
    EXPECT_GT(score("FLOY"), score("LFOY") + 1);  // words start with FL, never with LF
    EXPECT_GT(score("DONT"), score("DONTF") + 1); // and end after T, not after F
}

TEST(Solve, refusesTextsWithoutLettersOrTooShortOrRailsNotInGroups)
{
    const SolveOptions options = fixedSeed(1);
    EXPECT_THROW(Solve(SolveKind::Cipher, "12 34, 56!", model(), options), SolveRefused);
    EXPECT_THROW(Solve(SolveKind::Cipher, "XLI GEX", model(), options), SolveRefused);
    EXPECT_THROW(Solve(SolveKind::Vigenere, "ABCDE FGHIJ KLMNO", model(), options), SolveRefused);
    EXPECT_THROW(Solve(SolveKind::Playfair, "AB CD EF", model(), options), SolveRefused);
    EXPECT_THROW(Solve(SolveKind::Quagmire, "ABCDE FGHIJ KLMNO PQRST", model(), options), SolveRefused);
    // Groups of five, mixed sizes, no groups at all.
    EXPECT_THROW(Solve(SolveKind::Railfence, "ABCDE FGHIJ KLMNO", model(), options), SolveRefused);
    EXPECT_THROW(Solve(SolveKind::Railfence, "ABC DE FGH IJK", model(), options), SolveRefused);
    EXPECT_THROW(Solve(SolveKind::Railfence, "ABCDEFGHIJKL", model(), options), SolveRefused);
}

TEST(Solve, aristocratAndPatristocratComeBackExactlyWithTheKeyThatMadeThem)
{
    Random rng(7);
    std::string key;
    bool edited = false;
    const std::string aristocrat = EncryptCipherRandom(Spring, false, key, edited, rng);
    const SolveResult a = Solve(SolveKind::Cipher, aristocrat, model(), fixedSeed(3));
    EXPECT_EQ(a.best.plaintext, SubstituteLetters(Spring, StandardAlphabet));
    EXPECT_EQ(a.best.key.form, "aristocrat");
    EXPECT_EQ(SubstituteLetters(a.best.plaintext, completed(a.best.key.alphabet)), aristocrat);
    // K stands once, in KEEPER, and WEEPER reads nearly as well, no word beside it telling them apart: the rival is
    // offered and the confidence stays below what the puzzle rating trusts.
    ASSERT_TRUE(a.alternative.has_value());
    EXPECT_NE(a.alternative->plaintext.find("WEEPER"), std::string::npos);
    EXPECT_LT(a.confidence, 0.6);

    // V stands once, in LIVE; LIKE and LIFE are the commoner words, and only the word before and after settle it.
    const std::string context = EncryptCipherRandom(Hill, false, key, edited, rng);
    const SolveResult c = Solve(SolveKind::Cipher, context, model(), fixedSeed(3));
    EXPECT_EQ(c.best.plaintext, SubstituteLetters(Hill, StandardAlphabet));
    EXPECT_GT(c.confidence, 0.8);
    // G stands once, in GAMES, and JAMES is as common a word; the sources saw JAMES BUT once and PLAY GAMES never.
    // A pair seen once is weak evidence, and after PLAY, seen before many different words, an unseen pair is no rarity.
    const SolveResult g =
        Solve(SolveKind::Cipher, EncryptCipherRandom(Cats, false, key, edited, rng), model(), fixedSeed(3));
    EXPECT_EQ(g.best.plaintext, SubstituteLetters(Cats, StandardAlphabet));

    // The Patristocrat form: letters alone in groups of five, the last group possibly shorter.
    EXPECT_TRUE(IsPatristocrat("ABCDE FGHIJ KL"));
    EXPECT_TRUE(IsPatristocrat("ABCDE FGHIJ \n"));
    EXPECT_TRUE(IsPatristocrat("ABCDE FGHIJ\nKLMNO \r\nPQ")); // over several lines, as printed
    EXPECT_FALSE(IsPatristocrat("ABCDE FGH\nIJKLM"));
    EXPECT_FALSE(IsPatristocrat("ABCDE  FGHIJ"));
    EXPECT_FALSE(IsPatristocrat("ABCDE FGH IJ"));
    EXPECT_FALSE(IsPatristocrat("ABCDE FGHIJ, KLMNO"));
    EXPECT_FALSE(IsPatristocrat("ABCDE"));

    const std::string patristocrat =
        GroupLetters(AsciiLettersUpper(EncryptCipherRandom(Orchard, false, key, edited, rng)), 5);
    ASSERT_TRUE(IsPatristocrat(patristocrat));
    ASSERT_FALSE(IsPatristocrat(aristocrat));
    const SolveResult p = Solve(SolveKind::Cipher, patristocrat, model(), fixedSeed(3));
    EXPECT_EQ(p.best.plaintext, GroupLetters(AsciiLettersUpper(Orchard), 5));
    EXPECT_EQ(p.best.key.form, "patristocrat");
    EXPECT_EQ(SubstituteLetters(p.best.plaintext, completed(p.best.key.alphabet)), patristocrat);
    // F stands once, in FISH, and G in GAVE and MORNING: word by word, THE WISH BE FACE HIM reads about as well;
    // the pairs of words (THE FISH, WE GAVE) settle it.
    const char* fish = "Do you think the old man really likes the fish we gave him at the market yesterday morning?";
    const SolveResult f = Solve(
        SolveKind::Cipher, GroupLetters(AsciiLettersUpper(SubstituteLetters(fish, "QWERTYUIOPASDFGHJKLZXCVBNM")), 5),
        model(), fixedSeed(3));
    EXPECT_EQ(f.best.plaintext, GroupLetters(AsciiLettersUpper(fish), 5));

    // Texts a single rare letter or a near rival word makes hard, each read exactly:
    // - S stands once, in SAY, the last word; MAY is the commoner word, but a sentence seldom ends with it.
    // - SNOWFLAKE is too rare to be among the commonest words of its pattern: the search first reads SNOTFLAME and
    //   must reach it as a word two letters away.
    // - K stands once, in KING'S, a word of the list. PING'S is not, and reads as its stem PING, which the sources
    //   saw after A: the pair must cost it what being a possessive does, else A PING'S CROWN wins.
    // - V stands once, in LIVE, and OF takes F. The sources never have LIKE after A, though both are common words:
    //   A LIKE MOUSE must not win by backing off to LIKE's own frequency.
    // - X stands alone, in no word: every letter the text leaves unused reads it as well, unless the letters that
    //   stand alone in the sources rank them (not J, a letter of initials).
    // - Q stands only as a label (Q:), in no word: the letters the sources have as labels rank them (not B).
    // - P stands once, in EXCEPT, and EXPECT reads as well word by word; only the parts of speech tell that a verb
    //   does not follow NOTHING IS NEW.
    // - C stands once, in CAKE, and THE MAKE is a commoner pair than THE CAKE; but MAKE is mostly a verb.
    // - M stands once, in MAN'S, and the text has no C. CAN'S is no word of the list and reads as its stem, a very
    //   common word; but the sources never had it, so it must not count as common as CAN.
    // - P stands once, in SPEAKETH, an archaic verb the list lacks; THE POOL SREAKETH looks as English letter by
    //   letter, and only the known stem SPEAK tells.
    // - F stands once, in FLYBOY, a word the list lacks; PLYBOY has the same letters inside, but fewer words start
    //   with PL and then a Y.
    for (const char* text : {Careful, "No snowflake in an avalanche ever feels responsible.",
                             "Nobody in the village believed that a king's crown could be stolen from the old church.",
                             "The children of the farm saw a live mouse in the barn behind the old house.",
                             "On the old map of the island a large red X marks the place where the gold was buried.",
                             "Tis man's lot to toil, but the wise rest on the seventh day.",
                             "Q: Why did the farmer cross the road? A: He wanted to get to the other side.",
                             "Nothing is new except what the old have forgotten.",
                             "He saves the part of the cake that his sister really likes.",
                             "The wise man knoweth when to hold his tongue, and the fool speaketh all day.",
                             "Watch out, flyboy, the sergeant is looking at you and he is not amused."}) {
        const SolveResult r =
            Solve(SolveKind::Cipher, EncryptCipherRandom(text, false, key, edited, rng), model(), fixedSeed(3));
        EXPECT_EQ(r.best.plaintext, SubstituteLetters(text, StandardAlphabet));
    }
    // G and M stand only in GAME; under this key the search ends at A FAKE, and GAME is two rare letters away.
    const char* game = "All is a game to a child, and the rules are his to set.";
    const SolveResult r =
        Solve(SolveKind::Cipher, SubstituteLetters(game, "LSXZKRHBQWEPUNTMJGVYDIAFOC"), model(), fixedSeed(3));
    EXPECT_EQ(r.best.plaintext, SubstituteLetters(game, StandardAlphabet));
}

TEST(Solve, vigenereFindsTheKeywordAndRailFenceItsRails)
{
    for (const char* keyword : {"Q", "LEMON", "WATERFALLS"}) {
        const std::string ciphertext = EncryptVigenere(Orchard, keyword);
        const SolveResult v = Solve(SolveKind::Vigenere, ciphertext, model(), fixedSeed(1));
        EXPECT_EQ(v.best.plaintext, AsciiLettersUpper(Orchard)) << keyword;
        EXPECT_EQ(v.best.key.keyword, keyword);
        EXPECT_EQ(EncryptVigenere(v.best.plaintext, v.best.key.keyword), ciphertext);
    }
    // The maker's key without a keyword is the alphabet; a key of forty letters is found from its columns.
    const SolveResult unkeyed = Solve(SolveKind::Vigenere, EncryptVigenere(Orchard, ""), model(), fixedSeed(1));
    EXPECT_EQ(unkeyed.best.plaintext, AsciiLettersUpper(Orchard));
    EXPECT_EQ(unkeyed.best.key.keyword, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_GT(unkeyed.confidence, 0.6); // the rating reads a lower one as restarts that disagreed
    const std::string longText = std::string(Keeper) + Orchard + Spring + Hill + Careful + Cats;
    // Forty letters: under twelve letters a column, the letter counts set many shifts wrong side by side.
    const std::string phrase = "MPMVXGJOYCJAWYNSJUYPJEFPWRPKRENSRZBCXHIC";
    const SolveResult phrased = Solve(SolveKind::Vigenere, EncryptVigenere(longText, phrase), model(), fixedSeed(1));
    EXPECT_EQ(phrased.best.plaintext, AsciiLettersUpper(longText));
    EXPECT_EQ(phrased.best.key.keyword, phrase);
    Random rng(5);
    for (int rails = 2; rails <= 4; ++rails) {
        const std::string ciphertext = EncryptRailfence(Keeper, rails, rng);
        const SolveResult r = Solve(SolveKind::Railfence, ciphertext, model(), fixedSeed(1));
        EXPECT_EQ(r.best.plaintext.substr(0, AsciiLettersUpper(Keeper).size()), AsciiLettersUpper(Keeper));
        EXPECT_EQ(r.best.key.rails, rails);
        EXPECT_EQ(EncryptRailfence(r.best.plaintext, rails, rng), ciphertext); // the fillers are its own
    }
}

TEST(SearchRunner, theResultDependsOnTheSeedAloneAndCancellingStopsTheSearch)
{
    Random rng(11);
    std::string key;
    bool edited = false;
    const std::string ciphertext = EncryptCipherRandom(Keeper, false, key, edited, rng);
    SolveOptions one = fixedSeed(9);
    one.threads = 1;
    SolveOptions two = fixedSeed(9);
    two.threads = 2;
    const SolveResult a = Solve(SolveKind::Cipher, ciphertext, model(), one);
    const SolveResult b = Solve(SolveKind::Cipher, ciphertext, model(), two);
    EXPECT_EQ(a.best.plaintext, b.best.plaintext);
    EXPECT_EQ(a.best.key.alphabet, b.best.key.alphabet);
    EXPECT_EQ(a.confidence, b.confidence);

    std::atomic<bool> cancel{true};
    SolveOptions cancelled = fixedSeed(9);
    cancelled.cancel = &cancel;
    std::size_t restarts = 0;
    const SearchOutcome outcome = RunSearch(cancelled, 60, SearchSchedule{}, [&](const RestartContext& context) {
        ++restarts;
        while (!context.stopped()) {
        }
        return std::optional<SolveCandidate>();
    });
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_LE(restarts, SearchSchedule{}.roundSize);
}

TEST(Solve, scoresAnAristocratReadingAboveItsNeighbourAndRefusesWhatIsNoReading)
{
    const char* text = "The children of the farm saw a live mouse in the barn.";
    const std::string cipher = SubstituteLetters(text, "QWERTYUIOPASDFGHJKLZXCVBNM");
    const std::string right = SubstituteLetters(text, StandardAlphabet);
    std::string like = right;
    like.replace(like.find("LIVE"), 4, "LIKE"); // K is a letter the text lacks: another key reads it so
    const auto rightScore = ScoreAristocratReading(cipher, right, model());
    const auto likeScore = ScoreAristocratReading(cipher, like, model());
    ASSERT_TRUE(rightScore && likeScore);
    EXPECT_GT(*rightScore, *likeScore);

    EXPECT_FALSE(ScoreAristocratReading(cipher, right.substr(0, right.size() - 1), model())); // shorter
    std::string comma = right;
    comma.back() = ',';
    EXPECT_FALSE(ScoreAristocratReading(cipher, comma, model())); // another layout
    std::string twoWays = right;
    twoWays[0] = 'S'; // the T of THE, read as T elsewhere
    EXPECT_FALSE(ScoreAristocratReading(cipher, twoWays, model()));
    std::string alike = right;
    alike.replace(alike.find("BARN"), 4, "TARN"); // B read as T, which another cipher letter reads
    EXPECT_FALSE(ScoreAristocratReading(cipher, alike, model()));
}

TEST(Solve, aLongTextIsBrokenOnASampleAndReadWhole)
{
    // Eight thousand letters: the search works on a sample of the start, and the key it finds must read the rest,
    // the letters only the last sentence holds too. The polish once scored the whole text at every step and ran for
    // minutes past a bound of half a second; the limit below only tells a hang from a finished solve.
    std::string text;
    while (text.size() < 10000) {
        for (const char* sentence : {Keeper, Orchard, Hill, Careful, Cats}) {
            text += std::string(sentence) + ' ';
        }
    }
    text += "The lazy quiz joked exactly.";
    SolveOptions options = fixedSeed(5);
    options.seconds = 0.5;
    std::string cipher = SubstituteLetters(text, "QWERTYUIOPASDFGHJKLZXCVBNM");
    std::transform(cipher.begin(), cipher.end(), cipher.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto start = std::chrono::steady_clock::now();
    const SolveResult r = Solve(SolveKind::Cipher, cipher, model(), options);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 8.0);
    EXPECT_EQ(r.best.plaintext, SubstituteLetters(text, StandardAlphabet)); // small letters read as capitals

    const SolveResult v = Solve(SolveKind::Vigenere, EncryptVigenere(text, "LEMON"), model(), options);
    EXPECT_EQ(v.best.plaintext, AsciiLettersUpper(text));
    EXPECT_EQ(v.best.key.keyword, "LEMON");
}
