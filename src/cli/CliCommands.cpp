#include "CliCommands.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

#include <QFileInfo>
#include <QString>

#include "AcnProcsUnit.h"
#include "Alphabet.h"
#include "CliOptions.h"
#include "CodePage.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "EncryptionDriver.h"
#include "LanguageModel.h"
#include "Normalize.h"
#include "PdfOutput.h"
#include "PrintFontSettings.h"
#include "PuzzleFileIO.h"
#include "PuzzleRating.h"
#include "Random.h"
#include "SettingsStore.h"
#include "Solver.h"
#include "TessarinError.h"

namespace {

constexpr std::string_view Prefix = "tessarin5-cli: ";

// A refusal of the input (exit status 2) or a file that cannot be used (exit status 1).
struct CliFailure
{
    int exitCode;
    std::string message;
};

[[noreturn]] void refuse(const std::string& message)
{
    throw CliFailure{CliExit::Refused, message};
}

// Converts UTF-8 to the code page, refusing a character it cannot hold.
std::string toCodePage(std::string_view utf8)
{
    CodePageConversion converted = Utf8ToCodePage(utf8);
    if (converted.invalidUtf8At) {
        refuse("Invalid UTF-8 at byte " + std::to_string(*converted.invalidUtf8At + 1) +
               ": standard input and options must be UTF-8 text.");
    }
    if (!converted.ok()) {
        refuse(UnrepresentableMessage(*converted.unrepresentable));
    }
    return std::move(converted.text);
}

// Standard input in the code page. ASCII text is the same in both, so it is used as it is, without a copy; other
// text is converted into converted.
std::string_view codePageInput(std::string_view utf8, std::string& converted)
{
    if (AsciiPrefixLength(utf8) == utf8.size()) {
        return utf8;
    }
    converted = toCodePage(utf8);
    return converted;
}

// Code page text as a line of UTF-8 at the end of out.
void appendUtf8Line(std::string& out, std::string_view text)
{
    AppendCodePageAsUtf8(out, text);
    out += '\n';
}

// A keyword option as the main window's boxes take it: code page, trimmed, upper-cased.
std::string keywordOption(const std::optional<std::string>& value)
{
    return value ? UpperCaseText(TrimControl(toCodePage(*value))) : std::string();
}

// Standard input without one trailing line end.
std::string_view withoutTrailingLineEnd(std::string_view input)
{
    if (input.ends_with("\r\n")) {
        input.remove_suffix(2);
    } else if (input.ends_with('\n') || input.ends_with('\r')) {
        input.remove_suffix(1);
    }
    return input;
}

std::string checkedAlphabet(const CliOptions& options)
{
    const std::string alphabet = toCodePage(*options.alphabet);
    if (!IsPermutationOf(alphabet, StandardAlphabet)) {
        refuse("The cipher alphabet '" + *options.alphabet +
               "' is not accepted: it must hold the 26 capitals A to Z, each exactly once.");
    }
    return alphabet;
}

std::string checkedSquare(const CliOptions& options)
{
    const std::string square = toCodePage(*options.square);
    if (!IsPermutationOf(square, PlayfairAlphabet)) {
        refuse("The Playfair square '" + *options.square +
               "' is not accepted: it must hold the 25 capitals A to Z without Q, each exactly once.");
    }
    return square;
}

// The main window's controls as the options set them.
EncryptOptions controlsOf(const CliOptions& options)
{
    EncryptOptions controls;
    controls.kind = options.kind;
    controls.cipherGroup2 = options.offset ? 1 : 0;
    controls.cipherGroup1 = CoupledCipherGroup1(options.unique ? 1 : 0, controls.cipherGroup2);
    controls.railGroup3 = options.rails.value_or(2) - 2;
    // An accepted square shows in the keyword box only on the playfair tab, the one tab whose window makes it.
    const bool squareIsKeyword = options.square && options.kind == CipherKind::Playfair;
    if (squareIsKeyword && options.keyword) {
        refuse("--square and --keyword cannot be used together: the square takes the keyword's place.");
    }
    controls.keyword = squareIsKeyword ? checkedSquare(options) : keywordOption(options.keyword);
    controls.cipherTableKey =
        options.sameAsKeyword ? DittoText(true, controls.keyword) : keywordOption(options.cipherKey);
    controls.indicatorKey = keywordOption(options.indicator);
    if (controls.indicatorKey.size() > 7) {
        refuse("The indicator key holds at most 7 characters; '" + *options.indicator + "' has more.");
    }
    controls.column = toCodePage(options.column);
    return controls;
}

// Applies --alphabet and --square as the tool windows' OK does. Each is the key of its own kind's encryption; for
// another kind it would only overwrite the key of the puzzle's existing cryptogram of that kind.
void acceptEditedKeys(AcnProcs& holder, const CliOptions& options)
{
    if (options.alphabet && options.kind == CipherKind::Cipher) {
        holder.Puzzle.CIPHKEY = checkedAlphabet(options);
        holder.UseEditedAlphabet = true;
    }
    if (options.square && options.kind == CipherKind::Playfair) {
        holder.Puzzle.PLAYKEY = checkedSquare(options);
        holder.UseEditedSquare = true;
    }
}

std::unique_ptr<Random> randomOf(const CliOptions& options)
{
    return options.seed ? std::make_unique<Random>(*options.seed) : std::make_unique<Random>();
}

// Runs the maker's Encrypt on holder; the plaintext is in the code page.
const std::string& encryptInto(AcnProcs& holder, std::string_view plain, const CliOptions& options)
{
    const EncryptOptions controls = controlsOf(options);
    if (const auto refusal = EncryptRefusal(plain, controls)) {
        refuse(std::string(*refusal));
    }
    if (NeedsIntegrityAlert(holder.Puzzle, plain) && !options.force) {
        refuse(std::string(EncryptionAlertText));
    }
    acceptEditedKeys(holder, options);
    const std::unique_ptr<Random> rng = randomOf(options);
    return EncryptPuzzle(holder, plain, controls, *rng);
}

CliResult encryptCommand(const CliOptions& options, std::string_view input)
{
    AcnProcs holder;
    std::string converted;
    const std::string& ciphertext =
        encryptInto(holder, codePageInput(withoutTrailingLineEnd(input), converted), options);
    CliResult result;
    if (options.showKey && options.kind == CipherKind::Cipher) {
        appendUtf8Line(result.out, holder.Puzzle.CIPHKEY);
    }
    appendUtf8Line(result.out, ciphertext);
    return result;
}

std::string quagmireIndicator(const CliOptions& options)
{
    const std::string indicator = keywordOption(options.indicator);
    if (indicator.size() > 7) {
        refuse("The indicator key holds at most 7 characters; '" + *options.indicator + "' has more.");
    }
    return indicator + "@" + toCodePage(options.column);
}

std::string decryptLetters(const CliOptions& options, std::string_view ciphertext)
{
    const std::string keyword = keywordOption(options.keyword);
    switch (options.kind) {
    case CipherKind::Cipher:
        if (!options.alphabet) {
            refuse("decrypt cipher needs --alphabet LETTERS, the 26-letter cipher alphabet of the puzzle.");
        }
        return DecryptCipher(ciphertext, checkedAlphabet(options));
    case CipherKind::Railfence: {
        const int rails = options.rails.value_or(RailCountOf(ciphertext) != 0 ? RailCountOf(ciphertext) : 2);
        return DecryptRailfence(ciphertext, rails);
    }
    case CipherKind::Playfair:
        return DecryptPlayfair(ciphertext, options.square ? checkedSquare(options) : PlayfairSquareOf(keyword));
    case CipherKind::Quagmire: {
        const std::string cipherKey = options.sameAsKeyword ? keyword : keywordOption(options.cipherKey);
        return DecryptQuagmire(ciphertext, keyword, cipherKey, quagmireIndicator(options));
    }
    case CipherKind::Vigenere:
        return DecryptVigenere(ciphertext, keyword);
    case CipherKind::None:
        break;
    }
    return {};
}

CliResult decryptCommand(const CliOptions& options, std::string_view input)
{
    std::string converted;
    CliResult result;
    appendUtf8Line(result.out, decryptLetters(options, codePageInput(withoutTrailingLineEnd(input), converted)));
    return result;
}

// Runs a file operation, turning its error into the tool's file failure.
template <class Operation> auto fileStep(Operation operation)
{
    try {
        return operation();
    } catch (const TessarinError& error) {
        throw CliFailure{CliExit::FileError, error.what()};
    }
}

void makePatristocrat(PuzzleDocument& doc, const CliOptions& options)
{
    if (options.kind != CipherKind::Cipher) {
        refuse("--patristocrat goes with the cipher kind only.");
    }
    if (HasSelfLetter(doc.CIPHKEY) && !options.force) {
        refuse(std::string(SelfLetterAlertText));
    }
    doc.CIPHER = PatristocratText(doc.CIPHER);
    doc.Changed = true;
}

CliResult addCommand(const CliOptions& options, std::string_view input)
{
    const QString path = QString::fromStdString(options.file);
    AcnProcs holder;
    if (QFileInfo::exists(path)) {
        fileStep([&] { LoadPuzzleFile(holder.Puzzle, path); });
    }
    std::string plain = toCodePage(withoutTrailingLineEnd(input));
    // The file holds each line break as a blank, so the text that made its plaintext comes back unchanged when it is
    // given again, as the maker's editor holds the file's plaintext after Open.
    if (!holder.Puzzle.PLAIN.empty() && SingleLineValue(plain) == holder.Puzzle.PLAIN) {
        holder.Puzzle.PLAIN = plain;
    }
    if (options.normalize && !plain.empty()) {
        plain = NormalizeLines(SplitTextLines(plain));
        holder.Puzzle.PLAIN = plain;
    }
    encryptInto(holder, plain, options);
    if (options.patristocrat) {
        makePatristocrat(holder.Puzzle, options);
    }
    fileStep([&] { SavePuzzleFile(holder.Puzzle, path); });
    return {};
}

void appendJsonString(std::string& out, std::string_view utf8)
{
    out += '"';
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
            out += escaped.data();
        } else {
            out += c;
        }
    }
    out += '"';
}

CliResult showCommand(const CliOptions& options)
{
    static constexpr std::array<std::string_view, 19> Tags = {
        "TITLE",     "PLAIN",    "CIPHER",  "CIPHKEY",  "CRADIOS",  "RAILFENCE", "PLAYFAIR",
        "PLAYKEY",   "QUAGMIRE", "QUAGKEY", "QUAGCKEY", "QUAGINDI", "VIGENERE",  "VIGENKEY",
        "CIPHERSOL", "RAILSOL",  "PLAYSOL", "QUAGSOL",  "VIGENSOL"};
    const PuzzleLines lines = fileStep([&] { return ReadPuzzleLines(QString::fromStdString(options.file)); });
    std::string out = "{\n";
    for (std::size_t i = 0; i < Tags.size(); ++i) {
        const std::size_t line = PuzzleLine::Title + 3 * i;
        if (line >= lines.size()) {
            throw CliFailure{CliExit::FileError, ListIndexMessage(static_cast<int>(line))};
        }
        out += "  ";
        appendJsonString(out, Tags[i]);
        out += ": ";
        appendJsonString(out, CodePageToUtf8(lines[line]));
        out += i + 1 < Tags.size() ? ",\n" : "\n";
    }
    out += "}\n";
    return {CliExit::Success, out, {}};
}

SolutionOption solutionOption(const std::string& text)
{
    return text == "same"       ? SolutionOption::SamePage
           : text == "separate" ? SolutionOption::NewPage
                                : SolutionOption::None;
}

// The print dialog's "Print PDF...": the same pages, with the print font from the settings or --font.
CliResult pdfCommand(const CliOptions& options)
{
    AcnProcs holder;
    fileStep([&] { LoadPuzzleFile(holder.Puzzle, QString::fromStdString(options.file)); });
    holder.Puzzle.FileName = options.file;
    if (holder.Puzzle.Ciphertext(options.kind).empty()) {
        refuse("Nothing to print! Create a cryptogram to print or discontinue this selection.");
    }
    PrintFont font = ReadPrintFont(SettingsStore());
    if (!options.font.empty()) {
        const std::size_t comma = options.font.rfind(',');
        font.name = options.font.substr(0, comma);
        font.size = comma == std::string::npos ? font.size : std::stoi(options.font.substr(comma + 1));
    }
    fileStep([&] {
        WritePuzzlePdf(QString::fromStdString(options.output), holder.Puzzle, options.kind,
                       solutionOption(options.solution), font);
    });
    return {};
}

// The key's fields that the solved form fills, as name and value (UTF-8).
std::vector<std::pair<std::string, std::string>> keyFields(const SolveKey& key)
{
    std::vector<std::pair<std::string, std::string>> fields{{"form", key.form}};
    const auto add = [&](const char* name, const std::string& value) {
        if (!value.empty()) {
            fields.emplace_back(name, value);
        }
    };
    add("alphabet", key.alphabet);
    add("rails", key.rails != 0 ? std::to_string(key.rails) : std::string());
    add("square", key.square);
    add("keyword", key.keyword);
    add("cipherKeyword", key.cipherKeyword);
    add("keyRow", key.keyRow);
    add("cipherTable", key.cipherTable);
    add("indicator", key.indicator);
    add("column", key.column != 0 ? std::to_string(key.column) : std::string());
    return fields;
}

std::string number(double value, int decimals)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

void appendJsonCandidate(std::string& out, const SolveCandidate& candidate, const char* indent)
{
    out += std::string(indent) + "  \"plaintext\": ";
    appendJsonString(out, CodePageToUtf8(candidate.plaintext));
    out += ",\n" + std::string(indent) + "  \"key\": {";
    const auto fields = keyFields(candidate.key);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out += i == 0 ? "" : ", ";
        appendJsonString(out, fields[i].first);
        out += ": ";
        const bool numeric = fields[i].first == "rails" || fields[i].first == "column";
        if (numeric) {
            out += fields[i].second;
        } else {
            appendJsonString(out, fields[i].second);
        }
    }
    out += "},\n" + std::string(indent) + "  \"score\": " + number(candidate.score, 4);
}

// The language model that lies beside the program.
LanguageModel languageModel()
{
    std::error_code error;
    std::filesystem::path programDir = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    if (error) {
        programDir = std::filesystem::current_path();
    }
    return fileStep([&] { return LanguageModel::Load(LanguageModel::FileBeside(programDir)); });
}

// Breaks the ciphertext on standard input with the language model that lies beside the program.
CliResult solveCommand(const CliOptions& options, std::string_view input)
{
    const std::string ciphertext = toCodePage(withoutTrailingLineEnd(input));
    const LanguageModel model = languageModel();
    SolveOptions solveOptions;
    solveOptions.seconds = options.seconds;
    solveOptions.seed = options.seed.value_or(1);
    const auto kind = static_cast<SolveKind>(static_cast<int>(options.kind));
    const SolveResult result = Solve(kind, ciphertext, model, solveOptions);
    std::string out;
    if (options.json) {
        out = "{\n  \"kind\": ";
        appendJsonString(out, result.best.key.form);
        out += ",\n";
        appendJsonCandidate(out, result.best, "");
        out += ",\n  \"confidence\": " + number(result.confidence, 3);
        out += ",\n  \"seconds\": " + number(result.seconds, 3);
        if (result.alternative) {
            out += ",\n  \"alternative\": {\n";
            appendJsonCandidate(out, *result.alternative, "  ");
            out += "\n  }";
        }
        out += "\n}\n";
        return {CliExit::Success, out, {}};
    }
    out = CodePageToUtf8(result.best.plaintext) + "\n";
    for (const auto& [name, value] : keyFields(result.best.key)) {
        out += name + ": " + value + "\n";
    }
    out += "confidence: " + number(result.confidence, 2) + "\n";
    if (result.alternative) {
        out += "alternative: " + CodePageToUtf8(result.alternative->plaintext) + "\n";
    }
    return {CliExit::Success, out, {}};
}

RatedCryptogram ratedCryptogram(const PuzzleDocument& doc, CipherKind kind)
{
    return {static_cast<SolveKind>(kind),
            doc.Ciphertext(kind),
            doc.PLAIN,
            doc.CIPHKEY,
            doc.PLAYKEY,
            doc.QUAGKEY,
            doc.QUAGCKEY,
            doc.QUAGINDI,
            doc.VIGENKEY};
}

std::string ratingJson(std::string_view kindName, const PuzzleRating& rating)
{
    std::string out = "{\"kind\": ";
    appendJsonString(out, kindName);
    out += ", \"difficulty\": {\"step\": ";
    appendJsonString(out, DifficultyStepName(rating.step));
    out += ", \"number\": " + std::to_string(rating.number) + "}, \"warnings\": [";
    for (std::size_t i = 0; i < rating.warnings.size(); ++i) {
        out += i == 0 ? "{\"code\": " : ", {\"code\": ";
        appendJsonString(out, rating.warnings[i].code);
        out += ", \"text\": ";
        appendJsonString(out, CodePageToUtf8(rating.warnings[i].text));
        out += ", \"advice\": ";
        appendJsonString(out, rating.warnings[i].advice);
        out += "}";
    }
    out += "], \"reasons\": [";
    for (std::size_t i = 0; i < rating.reasons.size(); ++i) {
        out += i == 0 ? "{\"text\": " : ", {\"text\": ";
        appendJsonString(out, rating.reasons[i].text);
        out += ", \"points\": " + std::to_string(rating.reasons[i].points) + "}";
    }
    out += std::string("], \"solved\": ") + (rating.solved ? "true" : "false") +
           ", \"seconds\": " + number(rating.seconds, 2) + "}\n";
    return out;
}

// Rates each cryptogram of the puzzle (or the one of the kind asked) with the solver, one JSON object a line.
CliResult rateCommand(const CliOptions& options)
{
    static constexpr std::array<std::string_view, CipherKindCount> KindNames = {"cipher", "railfence", "playfair",
                                                                                "quagmire", "vigenere"};
    AcnProcs holder;
    fileStep([&] { LoadPuzzleFile(holder.Puzzle, QString::fromStdString(options.file)); });
    std::vector<CipherKind> kinds;
    for (int i = 0; i < CipherKindCount; ++i) {
        const CipherKind kind = KindFromIndex(i);
        if ((options.kind == CipherKind::None || options.kind == kind) && !holder.Puzzle.Ciphertext(kind).empty()) {
            kinds.push_back(kind);
        }
    }
    if (kinds.empty()) {
        refuse(options.kind == CipherKind::None
                   ? "The puzzle holds no cryptogram to rate."
                   : "The puzzle holds no " + std::string(KindNames[static_cast<std::size_t>(options.kind)]) +
                         " cryptogram to rate.");
    }
    const LanguageModel model = languageModel();
    RatingOptions ratingOptions;
    ratingOptions.seconds = options.seconds;
    ratingOptions.seed = options.seed.value_or(1);
    CliResult result;
    for (CipherKind kind : kinds) {
        const PuzzleRating rating =
            RateCryptogram(ratedCryptogram(holder.Puzzle, kind), SolverEngine(model), ratingOptions);
        result.out += ratingJson(KindNames[static_cast<std::size_t>(kind)], rating);
    }
    return result;
}

CliResult runCommand(const CliOptions& options, std::string_view input)
{
    switch (options.command) {
    case CliOptions::Command::Help:
        return {CliExit::Success, CliHelpText(), {}};
    case CliOptions::Command::Version:
        return {CliExit::Success, std::string("tessarin5-cli ") + TESSARIN_VERSION + "\n", {}};
    case CliOptions::Command::Encrypt:
        return encryptCommand(options, input);
    case CliOptions::Command::Decrypt:
        return decryptCommand(options, input);
    case CliOptions::Command::Add:
        return addCommand(options, input);
    case CliOptions::Command::Show:
        return showCommand(options);
    case CliOptions::Command::Pdf:
        return pdfCommand(options);
    case CliOptions::Command::Solve:
        return solveCommand(options, input);
    case CliOptions::Command::Rate:
        return rateCommand(options);
    }
    return {};
}

// The message as one line that a terminal only shows: C0 and C1 control characters and DEL, which an argument or
// a path may carry, become "?".
std::string oneSafeLine(std::string_view message)
{
    std::string line;
    line.reserve(message.size());
    for (std::size_t i = 0; i < message.size(); ++i) {
        const auto byte = static_cast<unsigned char>(message[i]);
        const bool c1 = byte == 0xC2 && i + 1 < message.size() && static_cast<unsigned char>(message[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(message[i + 1]) <= 0x9F;
        if (c1) {
            ++i;
        }
        line += byte < 0x20 || byte == 0x7F || c1 ? '?' : message[i];
    }
    return line;
}

CliResult failure(int exitCode, std::string_view message)
{
    return {exitCode, {}, std::string(Prefix) + oneSafeLine(message) + "\n"};
}

} // namespace

CliResult RunCli(const std::vector<std::string>& args, std::string_view input)
{
    try {
        return runCommand(ParseCliOptions(args), input);
    } catch (const CliUsageError& error) {
        return failure(CliExit::Refused, error.message);
    } catch (const CliFailure& error) {
        return failure(error.exitCode, error.message);
    } catch (const TessarinError& error) {
        return failure(CliExit::Refused, error.what());
    } catch (const std::bad_alloc&) {
        return failure(CliExit::FileError, "not enough memory for this input");
    }
}
