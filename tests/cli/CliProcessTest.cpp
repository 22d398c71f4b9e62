#include <gtest/gtest.h>

#include <iostream>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include "PuzzleFileIO.h"

using namespace Qt::StringLiterals;

namespace {

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun runCli(const QStringList& args, const QByteArray& input = {}, const QString& outputFile = {},
              const QString& inputFile = {})
{
    QProcess process;
    if (!outputFile.isEmpty()) {
        process.setStandardOutputFile(outputFile);
    }
    if (!inputFile.isEmpty()) {
        process.setStandardInputFile(inputFile);
    }
    process.start(QStringLiteral(TESSARIN_BIN_DIR "/tessarin5-cli"), args);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// True when text holds a C0 or C1 control character (UTF-8) or DEL, which a terminal may act on.
bool hasControlCharacter(const QByteArray& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool c1 = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (byte < 0x20 || byte == 0x7F || c1) {
            return true;
        }
    }
    return false;
}

TEST(CliEncrypt, writesTheCiphertextOfEachKind)
{
    EXPECT_EQ(runCli({u"encrypt"_s, u"playfair"_s}, "Hello world\n").out, "JCMWMKZLWRCY\n");
    EXPECT_EQ(runCli({u"encrypt"_s, u"1"_s, u"--rails"_s, u"3"_s}, "We are discovered").out, "WEC RER DSO EEA IVD \n");
    EXPECT_EQ(runCli({u"encrypt"_s, u"quagmire"_s}, "Hello, world\r\n").out, "HELLO WORLD \n");
    EXPECT_EQ(runCli({u"encrypt"_s, u"vigenere"_s, u"--keyword"_s, u" lemon "_s}, "attack at dawn").out,
              "LXFOP VEFRN HR\n");
    const CliRun cipher =
        runCli({u"encrypt"_s, u"cipher"_s, u"--alphabet"_s, u"ZYXWVUTSRQPONMLKJIHGFEDCBA"_s, u"--show-key"_s},
               "Caf\u00e9 \u201cok\u201d\n");
    EXPECT_EQ(cipher.out, "ZYXWVUTSRQPONMLKJIHGFEDCBA\nXZU\u00c9 \u201cLP\u201d\n");
}

TEST(CliEncrypt, aSeedRepeatsTheDrawsAndDecryptGivesTheLettersBack)
{
    const QStringList args = {u"encrypt"_s, u"cipher"_s, u"--seed"_s, u"99"_s, u"--show-key"_s, u"--unique"_s};
    const CliRun first = runCli(args, "Meet me at noon");
    EXPECT_EQ(first.out, runCli(args, "Meet me at noon").out);
    const QList<QByteArray> lines = first.out.split('\n');
    const CliRun back = runCli({u"decrypt"_s, u"cipher"_s, u"--alphabet"_s, QString::fromLatin1(lines[0])}, lines[1]);
    EXPECT_EQ(back.out, "MEET ME AT NOON\n");
    EXPECT_EQ(runCli({u"decrypt"_s, u"railfence"_s}, "WEC RER DSO EEA IVD \n").out, "WEAREDISCOVERED\n");
    EXPECT_EQ(runCli({u"decrypt"_s, u"playfair"_s}, "JCMW MKZL\nWRCY\n").out, "HELXLOWORLDX\n");

    const QStringList quag = {u"--keyword"_s,   u"spring"_s, u"--cipher-key"_s, u"flower"_s,
                              u"--indicator"_s, u"cat"_s,    u"--column"_s,     u"5"_s};
    const CliRun q = runCli(QStringList{u"encrypt"_s, u"quagmire"_s} + quag, "Meet me at noon");
    EXPECT_EQ(runCli(QStringList{u"decrypt"_s, u"quagmire"_s} + quag, q.out).out, "MEETMEATNOON\n");
}

struct BadCall
{
    const char* name;
    QStringList args;
    QByteArray input;
    int exitCode;
    const char* message;
};

TEST(CliErrors, badInputGetsOneClearLineAndTheRightStatus)
{
    QTemporaryDir dir;
    const QString threeLines = dir.filePath(u"three.acnx"_s);
    QFile three(threeLines);
    three.open(QIODevice::WriteOnly);
    three.write("a\r\nb\r\nc\r\n");
    three.close();
    const QString random = dir.filePath(u"random.acnx"_s);
    QFile rnd(random);
    rnd.open(QIODevice::WriteOnly);
    for (int i = 0; i < 10000; ++i) {
        rnd.putChar(static_cast<char>((i * 131) % 256));
    }
    rnd.close();
    const QString missing = dir.filePath(u"missing.acnx"_s);
    const QString huge = dir.filePath(u"huge.acnx"_s); // one byte over the limit, sparse: it takes no disk space
    QFile hugeFile(huge);
    ASSERT_TRUE(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(MaxPuzzleFileSize + 1));
    hugeFile.close();

    const QList<BadCall> calls = {
        {"missing file", {u"show"_s, missing}, {}, 1, "Cannot open file"},
        {"over 256 MiB", {u"show"_s, huge}, {}, 1, "The file is too large to be a Tessarin cryptogram."},
        {"add to over 256 MiB", {u"add"_s, huge, u"cipher"_s}, "hi", 1, "too large to be a Tessarin cryptogram"},
        {"three lines", {u"show"_s, threeLines}, {}, 1, "three.acnx\" is not a complete puzzle file. List index"},
        {"random bytes", {u"show"_s, random}, {}, 1, "random.acnx\" is not a complete puzzle file."},
        {"add to random", {u"add"_s, random, u"cipher"_s}, "hi", 1, "List index out of"},
        {"empty plaintext", {u"encrypt"_s, u"cipher"_s}, "\n", 2, "Nothing to encrypt!"},
        {"not a permutation", {u"encrypt"_s, u"cipher"_s, u"--alphabet"_s, u"ABC"_s}, "hi", 2, "cipher alphabet"},
        {"bad square", {u"encrypt"_s, u"playfair"_s, u"--square"_s, u"QQ"_s}, "hi", 2, "Playfair square"},
        {"column x", {u"encrypt"_s, u"quagmire"_s, u"--column"_s, u"x"_s}, "hi", 2, "'x' is not a valid integer value"},
        {"long indicator", {u"encrypt"_s, u"quagmire"_s, u"--indicator"_s, u"ABCDEFGH"_s}, "hi", 2, "at most 7"},
        {"bad rails", {u"encrypt"_s, u"1"_s, u"--rails"_s, u"5"_s}, "hi", 2, "--rails"},
        {"unknown kind", {u"encrypt"_s, u"enigma"_s}, "hi", 2, "unknown kind"},
        {"unknown option", {u"encrypt"_s, u"0"_s, u"--fast"_s}, "hi", 2, "unknown option"},
        {"no command", {}, {}, 2, "no command"},
        {"emoji", {u"encrypt"_s, u"0"_s}, "smile \xF0\x9F\x98\x80", 2, "U+1F600"},
        {"escape sequence in an option",
         {u"encrypt"_s, u"cipher"_s, u"--alphabet"_s, u"AB\x1b[2J\nC\rD"_s},
         "hi",
         2,
         "cipher alphabet"},
        {"invalid UTF-8",
         {u"encrypt"_s, u"0"_s},
         "ab\xFF"
         "cd",
         2,
         "Invalid UTF-8 at byte 3"},
        {"line break in a command", {u"frob\nnicate"_s}, {}, 2, "unknown command"},
        {"Q in a Playfair ciphertext", {u"decrypt"_s, u"playfair"_s}, "ABCQ", 2, "this one holds 'Q'"},
        {"accent in a Playfair ciphertext", {u"decrypt"_s, u"playfair"_s}, "B\xC3\x80", 2, "holds '\xC3\x80'"},
        {"odd Playfair ciphertext", {u"decrypt"_s, u"playfair"_s}, "ABC", 2, "odd number of letters (3)"},
        {"Playfair pair of one letter", {u"decrypt"_s, u"playfair"_s}, "ABCC", 2, "pairs CC at letters 3 and 4"},
        {"rail fence in fives", {u"decrypt"_s, u"railfence"_s}, "ABCDE FGHIJ ", 2, "groups of 2, 3 or 4 letters"},
        {"rails against the groups", {u"decrypt"_s, u"railfence"_s, u"--rails"_s, u"2"_s}, "WEC ", 2, "not 2 as"},
        {"C1 control in the input",
         {u"encrypt"_s, u"0"_s},
         "a\xC2\x9B"
         "2J",
         2,
         "U+009B"},
        {"direction override in the input",
         {u"encrypt"_s, u"0"_s},
         "a\xE2\x80\xAE"
         "b",
         2,
         "U+202E"},
    };
    for (const BadCall& call : calls) {
        const CliRun run = runCli(call.args, call.input);
        EXPECT_EQ(run.exitCode, call.exitCode) << call.name;
        EXPECT_TRUE(run.err.startsWith("tessarin5-cli: ")) << call.name << ": " << run.err.constData();
        EXPECT_TRUE(run.err.contains(call.message)) << call.name << ": " << run.err.constData();
        EXPECT_EQ(run.err.count('\n'), 1) << call.name;
        EXPECT_TRUE(run.err.endsWith('\n')) << call.name;
        EXPECT_FALSE(hasControlCharacter(run.err.chopped(1))) << call.name;
        EXPECT_FALSE(run.err.contains("\xE2\x80\xAE")) << call.name;
        EXPECT_TRUE(run.out.isEmpty()) << call.name;
    }
    EXPECT_EQ(QFileInfo(huge).size(), MaxPuzzleFileSize + 1); // the refused add left it alone
}

TEST(CliErrors, standardStreamsThatFailAreFileErrorsNotSuccess)
{
    QTemporaryDir dir;
    const CliRun full = runCli({u"encrypt"_s, u"vigenere"_s}, "hello", u"/dev/full"_s);
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_TRUE(full.err.startsWith("tessarin5-cli: Cannot write to standard output.")) << full.err.constData();
    const CliRun unreadable = runCli({u"encrypt"_s, u"vigenere"_s}, {}, {}, dir.path());
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(unreadable.err.startsWith("tessarin5-cli: Cannot read standard input.")) << unreadable.err.constData();
    EXPECT_TRUE(unreadable.out.isEmpty());
}

TEST(CliErrors, aWrongCallIsRefusedWithoutWaitingForStandardInput)
{
    const QStringList wrongCalls[] = {
        {u"encrypt"_s, u"enigma"_s}, {u"add"_s, u"f.acnx"_s}, {u"decrypt"_s, u"0"_s, u"--fast"_s}};
    for (const QStringList& args : wrongCalls) {
        QProcess process;
        process.start(QStringLiteral(TESSARIN_BIN_DIR "/tessarin5-cli"), args);
        EXPECT_TRUE(process.waitForFinished(5000)) << args.join(u' ').toStdString();
        EXPECT_EQ(process.exitCode(), 2) << args.join(u' ').toStdString();
        process.kill();
        process.waitForFinished();
    }
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool AddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool AddressSanitizer = true;
#else
constexpr bool AddressSanitizer = false;
#endif
#else
constexpr bool AddressSanitizer = false;
#endif

TEST(CliShow, aSmallFileNeedsLittleMemory)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"p.acnx"_s);
    ASSERT_EQ(runCli({u"add"_s, file, u"vigenere"_s}, "Hello world").exitCode, 0);
    QProcess process;
    QString command = u"ulimit -v 160000 && exec \"$0\" show \"$1\""_s;
    if (AddressSanitizer) {
        // The sanitizer reserves terabytes of address space, so no limit on it can hold. A cap on each allocation
        // stands in: showing a small file must not ask for a large buffer (one the size of the largest file allowed).
        std::cout << "[   NOTE   ] under AddressSanitizer: no address space limit, each allocation capped at 32 MiB\n";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"ASAN_OPTIONS"_s, environment.value(u"ASAN_OPTIONS"_s) +
                                                  u":max_allocation_size_mb=32:allocator_may_return_null=0"_s);
        process.setProcessEnvironment(environment);
        command = u"exec \"$0\" show \"$1\""_s;
    }
    process.start(u"/bin/sh"_s, {u"-c"_s, command, QStringLiteral(TESSARIN_BIN_DIR "/tessarin5-cli"), file});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    EXPECT_TRUE(process.readAllStandardOutput().contains("\"VIGENERE\": \"HFNOS BUYTM \""));
}

TEST(CliErrors, aHugeKeywordIsHandled)
{
    const QString keyword(10000, u'K');
    const CliRun run = runCli({u"encrypt"_s, u"vigenere"_s, u"--keyword"_s, keyword}, "abc");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "KLM\n");
}

TEST(CliAdd, encryptsIntoAFileAndShowPrintsItsValues)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"p.acnx"_s);
    ASSERT_EQ(runCli({u"add"_s, file, u"vigenere"_s}, "Hello world\n").exitCode, 0);
    ASSERT_EQ(runCli({u"add"_s, file, u"playfair"_s}, "Hello world").exitCode, 0);
    const CliRun shown = runCli({u"show"_s, file});
    ASSERT_EQ(shown.exitCode, 0);
    const QJsonObject values = QJsonDocument::fromJson(shown.out).object();
    EXPECT_EQ(values.size(), 19);
    EXPECT_EQ(values[u"PLAIN"_s].toString(), u"Hello world"_s);
    EXPECT_EQ(values[u"VIGENERE"_s].toString(), u"HFNOS BUYTM "_s);
    EXPECT_EQ(values[u"PLAYSOL"_s].toString(), u"JCMWMKZLWRCY"_s);
    EXPECT_EQ(values[u"CRADIOS"_s].toString(), u"00"_s);
    EXPECT_TRUE(shown.out.startsWith("{\n  \"TITLE\": \"\",\n  \"PLAIN\""));
}

TEST(CliFiles, aCiphertextOfBlanksIsNoCryptogramToRateOrPrint)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"p.acnx"_s);
    ASSERT_EQ(runCli({u"add"_s, file, u"vigenere"_s}, "Hello world").exitCode, 0);
    PuzzleLines lines = ReadPuzzleLines(file);
    lines[18] = " ";
    lines[21] = " \t ";
    WritePuzzleLines(file, lines);
    const CliRun rated = runCli({u"rate"_s, file, u"railfence"_s});
    EXPECT_EQ(rated.exitCode, 2);
    EXPECT_EQ(rated.err, "tessarin5-cli: The puzzle holds no railfence cryptogram to rate.\n");
    const CliRun printed = runCli({u"pdf"_s, file, u"playfair"_s, u"--output"_s, dir.filePath(u"p.pdf"_s)});
    EXPECT_EQ(printed.exitCode, 2);
    EXPECT_TRUE(printed.err.startsWith("tessarin5-cli: Nothing to print!")) << printed.err.constData();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"p.pdf"_s)));
}

TEST(CliAdd, aChangedPlaintextNeedsForceAndLeavesTheFileAlone)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"p.acnx"_s);
    ASSERT_EQ(runCli({u"add"_s, file, u"vigenere"_s}, "Hello world").exitCode, 0);
    const QByteArray before = readBytes(file);
    const CliRun refused = runCli({u"add"_s, file, u"playfair"_s}, "Other text");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, "tessarin5-cli: One or more cryptograms have already been generated from this plaintext. "
                           "Altering plaintext at this time will break their integrity unless they are re-encrypted. "
                           "Continue anyway?\n");
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(runCli({u"add"_s, file, u"playfair"_s, u"--force"_s}, "Other text").exitCode, 0);
    const PuzzleLines lines = ReadPuzzleLines(file);
    EXPECT_EQ(lines[6], "Other text");
    EXPECT_EQ(lines[39], "HFNOS BUYTM ");
}

TEST(CliAdd, theSameMultiLineInputAgainIsNoChangedPlaintext)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"p.acnx"_s);
    const QByteArray quote = "To be,\r\nor not\nto be.\n";
    ASSERT_EQ(runCli({u"add"_s, file, u"cipher"_s}, quote).exitCode, 0);
    const CliRun again = runCli({u"add"_s, file, u"railfence"_s}, quote);
    EXPECT_EQ(again.exitCode, 0) << again.err.constData();
    const PuzzleLines lines = ReadPuzzleLines(file);
    EXPECT_EQ(lines[6], "To be, or not to be.");
    EXPECT_FALSE(lines[9].empty());
    EXPECT_FALSE(lines[18].empty());
    EXPECT_EQ(runCli({u"add"_s, file, u"playfair"_s}, "To be,\nor not\nto see.").exitCode, 2);
}

TEST(CliAdd, normalizesAndMakesAPatristocrat)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"p.acnx"_s);
    const CliRun run =
        runCli({u"add"_s, file, u"cipher"_s, u"--normalize"_s, u"--patristocrat"_s, u"--offset"_s, u"--seed"_s, u"5"_s},
               "  Two lines \n of text, friend! \n");
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const PuzzleLines lines = ReadPuzzleLines(file);
    EXPECT_EQ(lines[6], "Two lines of text, friend!");
    EXPECT_EQ(lines[9].size(), 24u);
    EXPECT_EQ(lines[9][5], ' ');
    EXPECT_EQ(lines[15], "11");
    const CliRun selfLetter = runCli({u"add"_s, dir.filePath(u"q.acnx"_s), u"cipher"_s, u"--alphabet"_s,
                                      u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s, u"--patristocrat"_s},
                                     "hello");
    EXPECT_EQ(selfLetter.exitCode, 2);
    EXPECT_EQ(selfLetter.err, "tessarin5-cli: Ciphertext alphabet has at least one letter standing for itself. This "
                              "will not create an authentic Patristocrat substitution cipher. Continue anyway?\n");
}

TEST(CliEncrypt, aSquareStandsInForThePlayfairKeyword)
{
    const QString square = u"ZYXWVUTSRPONMLKJIHGFEDCBA"_s;
    EXPECT_EQ(runCli({u"encrypt"_s, u"playfair"_s, u"--square"_s, square}, "attack at dawn").out,
              runCli({u"encrypt"_s, u"playfair"_s, u"--keyword"_s, square}, "attack at dawn").out);
}

TEST(CliEncrypt, handlesEightMegabytes)
{
    QByteArray big;
    big.reserve(8 << 20);
    while (big.size() < (8 << 20)) {
        big.append("The quick brown fox jumps over the lazy dog. ");
    }
    const CliRun run = runCli({u"encrypt"_s, u"playfair"_s, u"--keyword"_s, u"KEY"_s}, big);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_GT(run.out.size(), 5 << 20);
}

TEST(CliDecrypt, aCharacterAcrossTheFirstReadBlockComesThroughAPipeAndAFileAlike)
{
    // Standard input is read in blocks of 1 MiB; "\u00e9" takes the last byte of the first block and the first of
    // the next. Decrypting with the standard alphabet only upper-cases the text.
    const QByteArray head((1 << 20) - 1, 'x');
    const QByteArray expected = QByteArray((1 << 20) - 1, 'X') + "\u00c9 \u201cOK\u201d\n";
    const QStringList args = {u"decrypt"_s, u"cipher"_s, u"--alphabet"_s, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s};
    QTemporaryDir dir;
    const QString file = dir.filePath(u"in.txt"_s);
    for (const QByteArray& input : {head + "\u00e9 \u201cok\u201d\n", head + "\xC3 ok"}) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(input);
        out.close();
        const CliRun piped = runCli(args, input);
        const CliRun fromFile = runCli(args, {}, {}, file);
        EXPECT_EQ(piped.out, fromFile.out);
        EXPECT_EQ(piped.err, fromFile.err);
        EXPECT_EQ(piped.exitCode, fromFile.exitCode);
    }
    EXPECT_EQ(runCli(args, head + "\u00e9 \u201cok\u201d\n").out, expected);
    EXPECT_TRUE(runCli(args, head + "\xC3 ok").err.contains("Invalid UTF-8 at byte 1048576:"));
}

TEST(CliHelp, listsEveryCommand)
{
    const CliRun help = runCli({u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* word : {"encrypt", "decrypt", "add", "show", "pdf", "--patristocrat"}) {
        EXPECT_TRUE(help.out.contains(word)) << word;
    }
    EXPECT_TRUE(runCli({u"--version"_s}).out.startsWith("tessarin5-cli 5."));
    // After a command too, without waiting for standard input (left open here).
    QProcess process;
    process.start(QStringLiteral(TESSARIN_BIN_DIR "/tessarin5-cli"), {u"encrypt"_s, u"vigenere"_s, u"--help"_s});
    EXPECT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput(), help.out);
    process.kill();
    process.waitForFinished();
}

} // namespace

TEST(CliRate, printsOneRatingPerKindAndRefusesWhatItCannotRate)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"p.acnx"_s);
    const QByteArray quote = "When I was a boy of fourteen, my father was so ignorant I could hardly stand to have "
                             "the old man around. It was astonishing how much he had learned in seven years.";
    // The standard alphabet as the cipher key leaves the text readable.
    ASSERT_EQ(runCli({u"add"_s, file, u"cipher"_s, u"--alphabet"_s, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s}, quote).exitCode,
              0);
    ASSERT_EQ(runCli({u"add"_s, file, u"railfence"_s, u"--rails"_s, u"3"_s, u"--seed"_s, u"5"_s}, quote).exitCode, 0);
    const CliRun rated = runCli({u"rate"_s, file, u"--seconds"_s, u"2"_s});
    ASSERT_EQ(rated.exitCode, 0) << rated.err.constData();
    const QList<QByteArray> lines = rated.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    // Each step and the numbers it covers.
    const QMap<QString, std::pair<int, int>> steps = {{u"Easy"_s, {0, 19}},
                                                      {u"Medium"_s, {20, 39}},
                                                      {u"Hard"_s, {40, 59}},
                                                      {u"Very hard"_s, {60, 79}},
                                                      {u"Extreme"_s, {80, 100}}};
    for (const QByteArray& line : lines) {
        const QJsonObject rating = QJsonDocument::fromJson(line).object();
        const QJsonObject difficulty = rating[u"difficulty"_s].toObject();
        const int number = difficulty[u"number"_s].toInt(-1);
        const auto step = steps.constFind(difficulty[u"step"_s].toString());
        ASSERT_NE(step, steps.cend()) << line.constData();
        EXPECT_TRUE(number >= step->first && number <= step->second) << line.constData();
        EXPECT_TRUE(rating[u"solved"_s].isBool() && rating[u"seconds"_s].isDouble() && rating[u"reasons"_s].isArray());
    }
    const QJsonObject cipher = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_EQ(cipher[u"kind"_s].toString(), u"cipher"_s);
    EXPECT_EQ(cipher[u"warnings"_s].toArray().first().toObject()[u"code"_s].toString(), u"readable"_s);
    EXPECT_EQ(QJsonDocument::fromJson(lines[1]).object()[u"kind"_s].toString(), u"railfence"_s);

    const CliRun noPlayfair = runCli({u"rate"_s, file, u"playfair"_s});
    EXPECT_EQ(noPlayfair.exitCode, 2);
    EXPECT_EQ(noPlayfair.err, "tessarin5-cli: The puzzle holds no playfair cryptogram to rate.\n");
    EXPECT_EQ(runCli({u"rate"_s, dir.filePath(u"missing.acnx"_s)}).exitCode, 1);
    EXPECT_EQ(runCli({u"rate"_s, file, u"--seconds"_s, u"0"_s}).exitCode, 2);
}
