#include <gtest/gtest.h>

#include "CliCommands.h"
#include "CliFileCommands.h"
#include "CliOptions.h"
#include "CliSupport.h"

namespace {

std::string usageErrorOf(const std::vector<std::string>& args)
{
    try {
        ParseCliOptions(args);
    } catch (const CliUsageError& error) {
        return error.message;
    }
    return "accepted";
}

TEST(ParseCliOptions, readsCommandKindAndOptions)
{
    const CliOptions o = ParseCliOptions({"add", "f.acnx", "3", "--keyword", "K", "--same-as-keyword", "--indicator",
                                          "AB", "--column", "9", "--force", "--seed", "12"});
    EXPECT_EQ(o.command, CliOptions::Command::Add);
    EXPECT_EQ(o.file, "f.acnx");
    EXPECT_EQ(o.kind, CipherKind::Quagmire);
    EXPECT_EQ(o.keyword, "K");
    EXPECT_TRUE(o.sameAsKeyword);
    EXPECT_EQ(o.column, "9");
    EXPECT_TRUE(o.force);
    EXPECT_EQ(o.seed, 12u);
    EXPECT_EQ(ParseKindName("railfence"), CipherKind::Railfence);
    EXPECT_EQ(ParseKindName("5"), CipherKind::None);
}

TEST(ParseCliOptions, refusesWrongCalls)
{
    EXPECT_NE(usageErrorOf({"encrypt"}).find("missing KIND"), std::string::npos);
    EXPECT_NE(usageErrorOf({"encrypt", "0", "--force"}).find("does not go with"), std::string::npos);
    EXPECT_NE(usageErrorOf({"encrypt", "0", "--keyword"}).find("needs a value"), std::string::npos);
    EXPECT_NE(usageErrorOf({"encrypt", "0", "extra"}).find("unexpected argument"), std::string::npos);
    EXPECT_NE(usageErrorOf({"encrypt", "0", "--seed", "-1"}).find("--seed"), std::string::npos);
    EXPECT_NE(usageErrorOf({"pdf", "f.acnx", "0"}).find("--output"), std::string::npos);
    EXPECT_NE(usageErrorOf({"pdf", "f", "0", "--output", "o", "--solution", "all"}).find("--solution"),
              std::string::npos);
    EXPECT_NE(usageErrorOf({"frobnicate"}).find("unknown command"), std::string::npos);
}

} // namespace

TEST(ParseCliOptions, solveTakesSecondsSeedAndJsonAlone)
{
    const CliOptions o = ParseCliOptions({"solve", "vigenere", "--seconds", "2.5", "--seed", "7", "--json"});
    EXPECT_EQ(o.command, CliOptions::Command::Solve);
    EXPECT_EQ(o.kind, CipherKind::Vigenere);
    EXPECT_EQ(o.seconds, 2.5);
    EXPECT_EQ(o.seed, 7u);
    EXPECT_TRUE(o.json);
    for (const char* seconds : {"0", "-1", "4000", "2s", ""}) {
        EXPECT_NE(usageErrorOf({"solve", "0", "--seconds", seconds}).find("--seconds"), std::string::npos) << seconds;
    }
    EXPECT_NE(usageErrorOf({"solve", "0", "--keyword", "K"}).find("does not go with"), std::string::npos);
    EXPECT_NE(usageErrorOf({"encrypt", "0", "--json"}).find("does not go with"), std::string::npos);
    EXPECT_NE(CliHelpText().find("solve KIND [--seconds S] [--seed N] [--json]"), std::string::npos);
}

TEST(ParseCliOptions, refusesOptionsThatDoNotGoWithTheKindOrWithEachOther)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> calls = {
        {{"encrypt", "vigenere", "--rails", "3"}, "--rails goes with the railfence kind only."},
        {{"encrypt", "--square", "x", "vigenere"}, "--square goes with the playfair kind only."},
        {{"encrypt", "railfence", "--unique"}, "--unique goes with the cipher kind only."},
        {{"decrypt", "cipher", "--keyword", "k"},
         "--keyword goes with the playfair, quagmire and vigenere kinds only."},
        {{"add", "f", "vigenere", "--patristocrat"}, "--patristocrat goes with the cipher kind only."},
        {{"add", "f", "cipher", "--show-key"}, "option --show-key does not go with this command"},
        {{"encrypt", "3", "--same-as-keyword", "--cipher-key", "flower"}, "cannot be used together"},
        {{"decrypt", "playfair", "--square", "x", "--keyword", "k"}, "cannot be used together"},
        {{"encrypt", "vigenere", "--keyword", "a", "--keyword", "b"}, "option --keyword is given more than once"},
        {{"encrypt", "vigenere", "--keyword", "--seed", "1"}, "option --keyword needs a value, not '--seed'"},
    };
    for (const auto& [args, message] : calls) {
        EXPECT_NE(usageErrorOf(args).find(message), std::string::npos) << args[1] << " " << args[2];
    }
    EXPECT_EQ(usageErrorOf({"encrypt", "cipher", "--unique", "--offset", "--show-key", "--seed", "3"}), "accepted");
}

TEST(ParseCliOptions, helpAfterACommandAsksForTheHelp)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"encrypt", "--help"},
                                                 {"add", "f.acnx", "-h"},
                                                 {"decrypt", "enigma", "--fast", "--help"}}) {
        EXPECT_EQ(ParseCliOptions(args).command, CliOptions::Command::Help) << args[0];
    }
}

TEST(RunCli, standardInputLosesAByteOrderMarkAndHoldsNulAsABlankAsAPuzzleFileDoes)
{
    const std::vector<std::string> reversed = {"encrypt", "cipher", "--alphabet", "ZYXWVUTSRQPONMLKJIHGFEDCBA"};
    EXPECT_EQ(RunCli(reversed, "\xEF\xBB\xBFhi", nullptr).out, "SR\n");
    EXPECT_EQ(RunCli(reversed, std::string_view("\xC3\xA9\0h", 4), nullptr).out, "\xC3\x89 S\n");
    // Invalid UTF-8 is placed in the input as given, and in an option named.
    EXPECT_EQ(RunCli({"encrypt", "0"}, "\xEF\xBB\xBFhi\xFF", nullptr).err,
              "tessarin5-cli: Invalid UTF-8 at byte 6: standard input must be UTF-8 text.\n");
    EXPECT_EQ(RunCli({"encrypt", "vigenere", "--keyword", "a\xE9"}, "hi", nullptr).err,
              "tessarin5-cli: Invalid UTF-8 at byte 2: the value of --keyword must be UTF-8 text.\n");
    // A character the puzzle cannot hold is placed too.
    EXPECT_EQ(RunCli({"encrypt", "vigenere", "--keyword", "\u03A9mega"}, "hi", nullptr).err,
              "tessarin5-cli: The character \"\u03A9\" (U+03A9) in the value of --keyword cannot be stored in a "
              "puzzle. Remove or replace it and try again.\n");
    EXPECT_TRUE(RunCli({"encrypt", "0"}, "\u03A9", nullptr).err.find("(U+03A9) in standard input cannot") !=
                std::string::npos);
}

TEST(RunCli, decryptTakesTheAlphabetThatSolveWritesWithAQuestionMarkForEachLetterNotFound)
{
    // The key solve gives for a text of H, E, L and O alone: H->B, E->A, L->C, O->D, the rest not known.
    const std::string found = "????A??B???C??D???????????";
    EXPECT_EQ(RunCli({"decrypt", "cipher", "--alphabet", found}, "BACCD XB", nullptr).out, "HELLO ?H\n");
    EXPECT_EQ(RunCli({"decrypt", "cipher", "--alphabet", "AA" + std::string(24, '?')}, "BA", nullptr).exitCode, 2);
    EXPECT_EQ(RunCli({"encrypt", "cipher", "--alphabet", found}, "HELLO", nullptr).exitCode, 2);
}

TEST(RunCliFileCommand, aFileNameThatIsNotUtf8IsRefusedNotTakenForAnother)
{
    // Read as UTF-8 the byte E9 would become U+FFFD: show would open, and add create, a file of another name.
    for (const std::vector<std::string>& args : {std::vector<std::string>{"show", "lat\xE9.acnx"},
                                                 std::vector<std::string>{"add", "lat\xE9.acnx", "cipher"}}) {
        try {
            RunCliFileCommand(ParseCliOptions(args), "Hello");
            ADD_FAILURE() << args[0] << " accepted the name";
        } catch (const CliFailure& failure) {
            EXPECT_EQ(failure.exitCode, 2) << args[0];
            EXPECT_NE(failure.message.find("\"lat\\xE9.acnx\" is not UTF-8"), std::string::npos) << failure.message;
        }
    }
}
