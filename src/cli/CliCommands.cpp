#include "CliCommands.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>
#include <memory>

#include "AcnProcsUnit.h"
#include "Alphabet.h"
#include "CliOptions.h"
#include "CliSupport.h"
#include "CodePage.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "EncryptionDriver.h"
#include "Random.h"
#include "Solver.h"

namespace {

constexpr std::string_view Prefix = "tessarin5-cli: ";

// Code page text as a line of UTF-8 at the end of out. ASCII text, the same in both, becomes all of an empty out
// without a copy.
void appendUtf8Line(std::string& out, std::string&& text)
{
    if (out.empty() && AsciiPrefixLength(text) == text.size()) {
        out = std::move(text);
    } else {
        AppendCodePageAsUtf8(out, text);
    }
    out += '\n';
}

// A keyword option as the main window's boxes take it: code page, trimmed, upper-cased.
std::string keywordOption(const std::optional<std::string>& value, std::string_view name)
{
    return value ? UpperCaseText(TrimControl(CliCodePage(*value, name))) : std::string();
}

// The alphabet with each '?' filled by a letter that the rest lacks, in alphabetical order.
std::string filledAlphabet(std::string alphabet)
{
    std::string missing;
    std::copy_if(StandardAlphabet.begin(), StandardAlphabet.end(), std::back_inserter(missing),
                 [&](char c) { return alphabet.find(c) == std::string::npos; });
    auto next = missing.begin();
    for (char& c : alphabet) {
        if (c == '?' && next != missing.end()) {
            c = *next++;
        }
    }
    return alphabet;
}

// The --alphabet option, refused unless it holds the 26 capitals each once. For decrypt, '?' may stand for a letter
// whose cipher letter is not known, as solve writes the key of a text that lacks some letters.
std::string checkedAlphabet(const CliOptions& options)
{
    const std::string alphabet = CliCodePage(*options.alphabet, "--alphabet");
    if (options.command == CliOptions::Command::Decrypt) {
        if (!IsPermutationOf(filledAlphabet(alphabet), StandardAlphabet)) {
            CliRefuse("The cipher alphabet '" + *options.alphabet +
                      "' is not accepted: it must hold the 26 capitals A to Z, each at most once, and '?' for each "
                      "one missing.");
        }
    } else if (!IsPermutationOf(alphabet, StandardAlphabet)) {
        CliRefuse("The cipher alphabet '" + *options.alphabet +
                  "' is not accepted: it must hold the 26 capitals A to Z, each exactly once.");
    }
    return alphabet;
}

std::string checkedSquare(const CliOptions& options)
{
    const std::string square = CliCodePage(*options.square, "--square");
    if (!IsPermutationOf(square, PlayfairAlphabet)) {
        CliRefuse("The Playfair square '" + *options.square +
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
    // An accepted square (playfair only) shows in the keyword box, as the Playfair Square window leaves it.
    controls.keyword = options.square ? checkedSquare(options) : keywordOption(options.keyword, "--keyword");
    controls.cipherTableKey =
        options.sameAsKeyword ? DittoText(true, controls.keyword) : keywordOption(options.cipherKey, "--cipher-key");
    controls.indicatorKey = keywordOption(options.indicator, "--indicator");
    if (controls.indicatorKey.size() > 7) {
        CliRefuse("The indicator key holds at most 7 characters; '" + *options.indicator + "' has more.");
    }
    controls.column = CliCodePage(options.column, "--column");
    return controls;
}

// Applies --alphabet (cipher only) and --square (playfair only) as the tool windows' OK does.
void acceptEditedKeys(AcnProcs& holder, const CliOptions& options)
{
    if (options.alphabet) {
        holder.Puzzle.CIPHKEY = checkedAlphabet(options);
        holder.UseEditedAlphabet = true;
    }
    if (options.square) {
        holder.Puzzle.PLAYKEY = checkedSquare(options);
        holder.UseEditedSquare = true;
    }
}

std::unique_ptr<Random> randomOf(const CliOptions& options)
{
    return options.seed ? std::make_unique<Random>(*options.seed) : std::make_unique<Random>();
}

// The controls for the maker's Encrypt on holder, once the checks it makes before encrypting have passed.
EncryptOptions checkedControls(AcnProcs& holder, std::string_view plain, const CliOptions& options)
{
    const EncryptOptions controls = controlsOf(options);
    if (const auto refusal = EncryptRefusal(plain, controls)) {
        CliRefuse(std::string(*refusal));
    }
    if (NeedsIntegrityAlert(holder.Puzzle, plain) && !options.force) {
        CliRefuse(std::string(EncryptionAlertText));
    }
    acceptEditedKeys(holder, options);
    return controls;
}

// The puzzle of an encryption is thrown away, so the plaintext is not copied into it.
CliResult encryptCommand(const CliOptions& options, std::string_view input)
{
    AcnProcs holder;
    std::string converted;
    const std::string_view plain = CliInputText(input, converted);
    const EncryptOptions controls = checkedControls(holder, plain, options);
    std::string ciphertext = EncryptText(holder, plain, controls, *randomOf(options));
    CliResult result;
    if (options.showKey) {
        appendUtf8Line(result.out, std::string(holder.Puzzle.CIPHKEY));
    }
    appendUtf8Line(result.out, std::move(ciphertext));
    return result;
}

std::string quagmireIndicator(const CliOptions& options)
{
    const std::string indicator = keywordOption(options.indicator, "--indicator");
    if (indicator.size() > 7) {
        CliRefuse("The indicator key holds at most 7 characters; '" + *options.indicator + "' has more.");
    }
    return indicator + "@" + CliCodePage(options.column, "--column");
}

// The rail count of a rail fence ciphertext, from its groups as the encoder writes them; --rails must agree.
int checkedRails(const CliOptions& options, std::string_view ciphertext)
{
    if (std::none_of(ciphertext.begin(), ciphertext.end(), IsAsciiLetter)) {
        CliRefuse("The ciphertext holds no letters");
    }
    const int rails = RegularRailCount(ciphertext);
    if (rails == 0) {
        CliRefuse(std::string(IrregularRailGroupsMessage));
    }
    if (options.rails && *options.rails != rails) {
        CliRefuse("The ciphertext is written in groups of " + std::to_string(rails) + " letters, which " +
                  std::to_string(rails) + " rails make, not " + std::to_string(*options.rails) + " as --rails says");
    }
    return rails;
}

// Refuses a text that the Playfair encoder cannot have written: its letters come from the square (A to Z without Q,
// of either case) in pairs of two different letters, with nothing but blanks and line ends between them.
void checkPlayfairCiphertext(std::string_view ciphertext)
{
    std::size_t letters = 0;
    char first = 0;
    for (const char c : ciphertext) {
        if (c == ' ' || c == '\n' || c == '\r') {
            continue;
        }
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (!IsAsciiLetter(c) || upper == 'Q') {
            CliRefuse("A Playfair ciphertext holds only the letters of its square, A to Z without Q; this one holds '" +
                      CodePageToUtf8(std::string(1, c)) + "'");
        }
        if (letters % 2 == 1 && upper == first) {
            CliRefuse("A Playfair ciphertext never pairs a letter with itself; this one pairs " +
                      std::string(2, upper) + " at letters " + std::to_string(letters) + " and " +
                      std::to_string(letters + 1));
        }
        first = upper;
        ++letters;
    }
    if (letters == 0) {
        CliRefuse("The ciphertext holds no letters");
    }
    if (letters % 2 != 0) {
        CliRefuse("A Playfair ciphertext holds its letters in pairs; this one has an odd number of letters (" +
                  std::to_string(letters) + ")");
    }
}

std::string decryptLetters(const CliOptions& options, std::string_view ciphertext)
{
    const std::string keyword = keywordOption(options.keyword, "--keyword");
    switch (options.kind) {
    case CipherKind::Cipher:
        if (!options.alphabet) {
            CliRefuse("decrypt cipher needs --alphabet LETTERS, the 26-letter cipher alphabet of the puzzle.");
        }
        return DecryptCipher(ciphertext, checkedAlphabet(options));
    case CipherKind::Railfence:
        return DecryptRailfence(ciphertext, checkedRails(options, ciphertext));
    case CipherKind::Playfair:
        checkPlayfairCiphertext(ciphertext);
        return DecryptPlayfair(ciphertext, options.square ? checkedSquare(options) : PlayfairSquareOf(keyword));
    case CipherKind::Quagmire: {
        const std::string cipherKey =
            options.sameAsKeyword ? keyword : keywordOption(options.cipherKey, "--cipher-key");
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
    appendUtf8Line(result.out, decryptLetters(options, CliInputText(input, converted)));
    return result;
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

void appendJsonCandidate(std::string& out, const SolveCandidate& candidate, const char* indent)
{
    out += std::string(indent) + "  \"plaintext\": ";
    CliAppendJsonString(out, CodePageToUtf8(candidate.plaintext));
    out += ",\n" + std::string(indent) + "  \"key\": {";
    const auto fields = keyFields(candidate.key);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out += i == 0 ? "" : ", ";
        CliAppendJsonString(out, fields[i].first);
        out += ": ";
        const bool numeric = fields[i].first == "rails" || fields[i].first == "column";
        if (numeric) {
            out += fields[i].second;
        } else {
            CliAppendJsonString(out, fields[i].second);
        }
    }
    out += "},\n" + std::string(indent) + "  \"score\": " + CliNumber(candidate.score, 4);
}

// Breaks the ciphertext on standard input with the language model that lies beside the program.
CliResult solveCommand(const CliOptions& options, std::string_view input)
{
    std::string converted;
    const std::string_view ciphertext = CliInputText(input, converted);
    // A text that no Playfair square can have made has no key that decrypt would take.
    if (options.kind == CipherKind::Playfair) {
        checkPlayfairCiphertext(ciphertext);
    }
    const LanguageModel model = CliLanguageModel(CliProgramDir());
    SolveOptions solveOptions;
    solveOptions.seconds = options.seconds;
    solveOptions.seed = options.seed.value_or(1);
    const auto kind = static_cast<SolveKind>(static_cast<int>(options.kind));
    const SolveResult result = Solve(kind, ciphertext, model, solveOptions);
    if (result.best.plaintext.empty()) {
        throw CliFailure{CliExit::NotSolved, "the solver found no reading in " + CliNumber(result.seconds, 1) +
                                                 " seconds; allow it more with --seconds"};
    }
    std::string out;
    if (options.json) {
        out = "{\n  \"kind\": ";
        CliAppendJsonString(out, result.best.key.form);
        out += ",\n";
        appendJsonCandidate(out, result.best, "");
        out += ",\n  \"confidence\": " + CliNumber(result.confidence, 3);
        out += ",\n  \"seconds\": " + CliNumber(result.seconds, 3);
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
    out += "confidence: " + CliNumber(result.confidence, 2) + "\n";
    if (result.alternative) {
        out += "alternative: " + CodePageToUtf8(result.alternative->plaintext) + "\n";
    }
    return {CliExit::Success, out, {}};
}

CliResult runCommand(const CliOptions& options, std::string_view input, CliFileCommands fileCommands)
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
    case CliOptions::Command::Solve:
        return solveCommand(options, input);
    case CliOptions::Command::Add:
    case CliOptions::Command::Show:
    case CliOptions::Command::Pdf:
    case CliOptions::Command::Rate:
        if (fileCommands == nullptr) {
            throw CliFailure{CliExit::FileError, "the commands on puzzle files are not available here"};
        }
        return fileCommands(options, input);
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

void CliRefuse(const std::string& message)
{
    throw CliFailure{CliExit::Refused, message};
}

std::string CliCodePage(std::string_view utf8, std::string_view source, std::size_t skipped)
{
    CodePageConversion converted = Utf8ToCodePage(utf8);
    const std::string what = source == "standard input" ? std::string(source) : "the value of " + std::string(source);
    if (converted.invalidUtf8At) {
        CliRefuse("Invalid UTF-8 at byte " + std::to_string(skipped + *converted.invalidUtf8At + 1) + ": " + what +
                  " must be UTF-8 text.");
    }
    if (!converted.ok()) {
        CliRefuse(UnrepresentableMessage(*converted.unrepresentable, what));
    }
    return std::move(converted.text);
}

std::string_view CliInputText(std::string_view input, std::string& converted)
{
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    const std::size_t skipped = input.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
    input.remove_prefix(skipped);
    if (input.ends_with("\r\n")) {
        input.remove_suffix(2);
    } else if (input.ends_with('\n') || input.ends_with('\r')) {
        input.remove_suffix(1);
    }
    const bool ascii = AsciiPrefixLength(input) == input.size();
    if (ascii && input.find('\0') == std::string_view::npos) {
        return input;
    }
    converted = ascii ? std::string(input) : CliCodePage(input, "standard input", skipped);
    std::replace(converted.begin(), converted.end(), '\0', ' ');
    return converted;
}

const std::string& CliEncryptInto(AcnProcs& holder, std::string_view plain, const CliOptions& options)
{
    const EncryptOptions controls = checkedControls(holder, plain, options);
    return EncryptPuzzle(holder, plain, controls, *randomOf(options));
}

void CliAppendJsonString(std::string& out, std::string_view utf8)
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

std::string CliNumber(double value, int decimals)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

std::filesystem::path CliProgramDir()
{
    std::error_code error;
    std::filesystem::path programDir = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    if (error) {
        programDir = std::filesystem::current_path();
    }
    return programDir;
}

LanguageModel CliLanguageModel(const std::filesystem::path& programDir)
{
    return CliFileStep([&] { return LanguageModel::Load(LanguageModel::FileBeside(programDir)); });
}

CliResult RunCli(const std::vector<std::string>& args, std::string_view input, CliFileCommands fileCommands)
{
    try {
        return runCommand(ParseCliOptions(args), input, fileCommands);
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
