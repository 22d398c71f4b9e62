#include "CliOptions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <map>
#include <set>
#include <string_view>

namespace {

using Command = CliOptions::Command;

constexpr std::array<std::string_view, 5> KindNames = {"cipher", "railfence", "playfair", "quagmire", "vigenere"};

// The kinds an option goes with; empty for every kind.
using Kinds = std::vector<CipherKind>;

// Options that take a value, with the commands and kinds that accept them.
struct ValueOption
{
    std::set<Command> commands;
    Kinds kinds;
    std::function<void(CliOptions&, const std::string&)> apply;
};

// Options without a value.
struct FlagOption
{
    std::set<Command> commands;
    Kinds kinds;
    std::function<void(CliOptions&)> apply;
};

const std::set<Command> KeyCommands = {Command::Encrypt, Command::Decrypt, Command::Add};
const std::set<Command> EncryptCommands = {Command::Encrypt, Command::Add};
const std::set<Command> SeedCommands = {Command::Encrypt, Command::Add, Command::Solve, Command::Rate};

const Kinds CipherOnly = {CipherKind::Cipher};
const Kinds QuagmireOnly = {CipherKind::Quagmire};
const Kinds KeywordKinds = {CipherKind::Playfair, CipherKind::Quagmire, CipherKind::Vigenere};

int parseRails(const std::string& text)
{
    if (text != "2" && text != "3" && text != "4") {
        throw CliUsageError{"--rails takes 2, 3 or 4, not '" + text + "'"};
    }
    return text[0] - '0';
}

std::uint64_t parseSeed(const std::string& text)
{
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        throw CliUsageError{"--seed takes a whole number from 0 to 18446744073709551615, not '" + text + "'"};
    }
    return seed;
}

double parseSeconds(const std::string& text)
{
    double seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !(seconds > 0) || seconds > 3600) {
        throw CliUsageError{"--seconds takes a number of seconds above 0 and at most 3600, not '" + text + "'"};
    }
    return seconds;
}

std::string parseSolution(const std::string& text)
{
    if (text != "none" && text != "same" && text != "separate") {
        throw CliUsageError{"--solution takes none, same or separate, not '" + text + "'"};
    }
    return text;
}

// --font FAMILY[,SIZE]: a family name, optionally followed by a comma and a size of 1 to 200 points.
std::string parseFont(const std::string& text)
{
    const std::size_t comma = text.rfind(',');
    const std::string size = comma == std::string::npos ? std::string() : text.substr(comma + 1);
    const bool sizeOk = comma == std::string::npos || (!size.empty() && size.size() <= 3 &&
                                                       size.find_first_not_of("0123456789") == std::string::npos &&
                                                       std::stoi(size) >= 1 && std::stoi(size) <= 200);
    if (text.empty() || comma == 0 || !sizeOk) {
        throw CliUsageError{"--font takes FAMILY or FAMILY,SIZE with a size of 1 to 200 points, not '" + text + "'"};
    }
    return text;
}

const std::map<std::string, ValueOption, std::less<>>& valueOptions()
{
    static const std::map<std::string, ValueOption, std::less<>> options = {
        {"--keyword", {KeyCommands, KeywordKinds, [](CliOptions& o, const std::string& v) { o.keyword = v; }}},
        {"--cipher-key", {KeyCommands, QuagmireOnly, [](CliOptions& o, const std::string& v) { o.cipherKey = v; }}},
        {"--indicator", {KeyCommands, QuagmireOnly, [](CliOptions& o, const std::string& v) { o.indicator = v; }}},
        {"--column", {KeyCommands, QuagmireOnly, [](CliOptions& o, const std::string& v) { o.column = v; }}},
        {"--rails",
         {KeyCommands, {CipherKind::Railfence}, [](CliOptions& o, const std::string& v) { o.rails = parseRails(v); }}},
        {"--alphabet", {KeyCommands, CipherOnly, [](CliOptions& o, const std::string& v) { o.alphabet = v; }}},
        {"--square", {KeyCommands, {CipherKind::Playfair}, [](CliOptions& o, const std::string& v) { o.square = v; }}},
        {"--seed", {SeedCommands, {}, [](CliOptions& o, const std::string& v) { o.seed = parseSeed(v); }}},
        {"--seconds",
         {{Command::Solve, Command::Rate},
          {},
          [](CliOptions& o, const std::string& v) { o.seconds = parseSeconds(v); }}},
        {"--output", {{Command::Pdf}, {}, [](CliOptions& o, const std::string& v) { o.output = v; }}},
        {"--solution",
         {{Command::Pdf}, {}, [](CliOptions& o, const std::string& v) { o.solution = parseSolution(v); }}},
        {"--font", {{Command::Pdf}, {}, [](CliOptions& o, const std::string& v) { o.font = parseFont(v); }}},
    };
    return options;
}

const std::map<std::string, FlagOption, std::less<>>& flagOptions()
{
    static const std::map<std::string, FlagOption, std::less<>> options = {
        {"--same-as-keyword", {KeyCommands, QuagmireOnly, [](CliOptions& o) { o.sameAsKeyword = true; }}},
        {"--unique", {EncryptCommands, CipherOnly, [](CliOptions& o) { o.unique = true; }}},
        {"--offset", {EncryptCommands, CipherOnly, [](CliOptions& o) { o.offset = true; }}},
        {"--show-key", {{Command::Encrypt}, CipherOnly, [](CliOptions& o) { o.showKey = true; }}},
        {"--force", {{Command::Add}, {}, [](CliOptions& o) { o.force = true; }}},
        {"--normalize", {{Command::Add}, {}, [](CliOptions& o) { o.normalize = true; }}},
        {"--patristocrat", {{Command::Add}, CipherOnly, [](CliOptions& o) { o.patristocrat = true; }}},
        {"--json", {{Command::Solve}, {}, [](CliOptions& o) { o.json = true; }}},
    };
    return options;
}

std::optional<Command> commandNamed(std::string_view word)
{
    static const std::map<std::string, Command, std::less<>> commands = {
        {"encrypt", Command::Encrypt},  {"decrypt", Command::Decrypt}, {"add", Command::Add},
        {"show", Command::Show},        {"pdf", Command::Pdf},         {"solve", Command::Solve},
        {"rate", Command::Rate},        {"--help", Command::Help},     {"-h", Command::Help},
        {"--version", Command::Version}};
    const auto it = commands.find(word);
    return it == commands.end() ? std::nullopt : std::optional<Command>(it->second);
}

Command parseCommand(const std::string& word)
{
    const std::optional<Command> command = commandNamed(word);
    if (!command) {
        throw CliUsageError{"unknown command '" + word + "'. Try 'tessarin5-cli --help'."};
    }
    return *command;
}

// The positional words each command takes: FILE and KIND in their order.
std::vector<std::string_view> positionalsOf(Command command)
{
    switch (command) {
    case Command::Encrypt:
    case Command::Decrypt:
    case Command::Solve:
        return {"KIND"};
    case Command::Add:
    case Command::Pdf:
    case Command::Rate:
        return {"FILE", "KIND"};
    case Command::Show:
        return {"FILE"};
    case Command::Help:
    case Command::Version:
        break;
    }
    return {};
}

void applyPositional(CliOptions& options, std::string_view role, const std::string& word)
{
    if (role == "FILE") {
        options.file = word;
        return;
    }
    options.kind = ParseKindName(word);
    if (options.kind == CipherKind::None) {
        throw CliUsageError{"unknown kind '" + word +
                            "': use cipher, railfence, playfair, quagmire, vigenere or 0 to 4"};
    }
}

// Applies the option at args[i] (and its value, which i then passes); returns the kinds it goes with.
const Kinds& applyOption(CliOptions& options, const std::vector<std::string>& args, std::size_t& i)
{
    const std::string& name = args[i];
    if (const auto it = valueOptions().find(name); it != valueOptions().end()) {
        if (!it->second.commands.contains(options.command)) {
            throw CliUsageError{"option " + name + " does not go with this command"};
        }
        // A word starting with "--" is the next option, the value having been left out. No value needs one: in a
        // key, dashes are punctuation that selects no alphabet; a file of such a name can be given as ./--name.
        if (i + 1 >= args.size()) {
            throw CliUsageError{"option " + name + " needs a value"};
        }
        if (args[i + 1].starts_with("--")) {
            throw CliUsageError{"option " + name + " needs a value, not '" + args[i + 1] +
                                "': no value starts with --"};
        }
        it->second.apply(options, args[++i]);
        return it->second.kinds;
    }
    if (const auto it = flagOptions().find(name); it != flagOptions().end()) {
        if (!it->second.commands.contains(options.command)) {
            throw CliUsageError{"option " + name + " does not go with this command"};
        }
        it->second.apply(options);
        return it->second.kinds;
    }
    throw CliUsageError{"unknown option '" + name + "'. Try 'tessarin5-cli --help'."};
}

// The names of kinds, as "cipher" or "playfair, quagmire and vigenere".
std::string kindList(const Kinds& kinds)
{
    std::string list;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        list += i == 0 ? "" : i + 1 == kinds.size() ? " and " : ", ";
        list += KindNames[static_cast<std::size_t>(kinds[i])];
    }
    return list;
}

// Refuses the options given that do not go with the kind, a value given twice, and options that contradict each
// other. Run once the kind is known, as it may follow the options.
void checkOptionsGoTogether(const CliOptions& options, const std::vector<std::pair<std::string, Kinds>>& given)
{
    for (const auto& [name, kinds] : given) {
        if (!kinds.empty() && std::find(kinds.begin(), kinds.end(), options.kind) == kinds.end()) {
            throw CliUsageError{name + " goes with the " + kindList(kinds) + " kind" + (kinds.size() > 1 ? "s" : "") +
                                " only."};
        }
        const auto sameName = [&](const auto& other) { return other.first == name; };
        if (valueOptions().contains(name) && std::count_if(given.begin(), given.end(), sameName) > 1) {
            throw CliUsageError{"option " + name + " is given more than once"};
        }
    }
    if (options.cipherKey && options.sameAsKeyword) {
        throw CliUsageError{"--cipher-key and --same-as-keyword cannot be used together: the second makes the "
                            "keyword the cipher table key."};
    }
    if (options.square && options.keyword) {
        throw CliUsageError{"--square and --keyword cannot be used together: the square takes the keyword's place."};
    }
}

} // namespace

CipherKind ParseKindName(const std::string& text)
{
    for (std::size_t i = 0; i < KindNames.size(); ++i) {
        if (text == KindNames[i] || text == std::to_string(i)) {
            return KindFromIndex(static_cast<int>(i));
        }
    }
    return CipherKind::None;
}

bool IsFileCommandWord(std::string_view word)
{
    const std::optional<Command> command = commandNamed(word);
    return command == Command::Add || command == Command::Show || command == Command::Pdf || command == Command::Rate;
}

bool ReadsStandardInput(Command command)
{
    return command == Command::Encrypt || command == Command::Decrypt || command == Command::Add ||
           command == Command::Solve;
}

CliOptions ParseCliOptions(const std::vector<std::string>& args)
{
    CliOptions options;
    if (args.empty()) {
        throw CliUsageError{"no command given. Try 'tessarin5-cli --help'."};
    }
    options.command = parseCommand(args[0]);
    // --help or -h after a command asks for the help, whatever else the call holds.
    if (std::any_of(args.begin() + 1, args.end(),
                    [](const std::string& arg) { return arg == "--help" || arg == "-h"; })) {
        options.command = Command::Help;
        return options;
    }
    const std::vector<std::string_view> roles = positionalsOf(options.command);
    std::size_t positional = 0;
    std::vector<std::pair<std::string, Kinds>> given;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i].starts_with("--") && args[i].size() > 2) {
            const std::string& name = args[i]; // taken first: applyOption moves i past the value
            given.emplace_back(name, applyOption(options, args, i));
        } else if (positional < roles.size()) {
            applyPositional(options, roles[positional++], args[i]);
        } else {
            throw CliUsageError{"unexpected argument '" + args[i] + "'. Try 'tessarin5-cli --help'."};
        }
    }
    const bool kindOptional = options.command == Command::Rate && positional == 1;
    if (positional < roles.size() && !kindOptional) {
        throw CliUsageError{"missing " + std::string(roles[positional]) + ". Try 'tessarin5-cli --help'."};
    }
    checkOptionsGoTogether(options, given);
    if (options.command == Command::Pdf && options.output.empty()) {
        throw CliUsageError{"pdf needs --output OUT.pdf"};
    }
    return options;
}

std::string CliHelpText()
{
    return R"(Usage:
  tessarin5-cli encrypt KIND [OPTIONS]     plaintext on standard input, ciphertext on standard output
  tessarin5-cli decrypt KIND [OPTIONS]     ciphertext on standard input, the recovered letters on standard output
  tessarin5-cli add FILE KIND [OPTIONS]    plaintext on standard input: encrypt, then save into FILE
  tessarin5-cli show FILE                  the puzzle file's values as one JSON object
  tessarin5-cli pdf FILE KIND --output OUT.pdf [--solution none|same|separate] [--font FAMILY[,SIZE]]
  tessarin5-cli solve KIND [--seconds S] [--seed N] [--json]
                                           ciphertext on standard input, as the maker stores it: breaks it
                                           without the key; writes the plaintext (a substitution keeps the
                                           ciphertext's layout), then the key found and the confidence
  tessarin5-cli rate FILE [KIND] [--seconds S] [--seed N]
                                           difficulty and warnings of the puzzle's cryptograms (all kinds
                                           present, or KIND), one JSON object per line
  tessarin5-cli --help | --version
  tessarin5-cli COMMAND ... --help         this help (-h too)

KIND: cipher, railfence, playfair, quagmire, vigenere, or 0 to 4.

Options:
  --keyword TEXT        Plaintext keyword (playfair, quagmire, vigenere)
  --cipher-key TEXT     Cipher table key (quagmire)
  --same-as-keyword     the cipher table key is the plaintext keyword
  --indicator TEXT      Indicator key, at most 7 characters (quagmire)
  --column TEXT         Column, default 1 (quagmire)
  --rails N             2, 3 or 4 rails, default 2 (railfence)
  --unique              no letter stands for itself (cipher)
  --offset              a shifted alphabet instead of a random one; implies --unique (cipher)
  --alphabet LETTERS    the 26 capitals, each once: the cipher alphabet to use (cipher); decrypt also takes
                        the one solve writes, with '?' for each letter it did not find
  --square LETTERS      the 25 letters A to Z without Q, each once: the Playfair square to use (playfair)
  --seed N              repeatable random draws; solve: the same seed gives the same solution
  --seconds S           solve: bound on the search (default: the kind's own, up to 60 s);
                        rate: the same bound for each kind
  --json                solve: one JSON object with kind, plaintext, key, score, confidence, seconds
                        and, when another reading scores close, alternative
  --show-key            encrypt cipher: write the alphabet used on a line before the ciphertext
  --force               add: answer Yes to an Encryption Alert
  --normalize           add: normalize the plaintext into one line first
  --patristocrat        add cipher: turn the substitution ciphertext into its Patristocrat form
  --font FAMILY[,SIZE]  pdf: the font of the pages; without it, the maker's print font (set with "Font..." in
                        its print dialog; Verdana at 12 points until then); a family that is not installed is
                        replaced by the nearest installed one, whose glyphs the PDF embeds

An option that does not go with the command or the kind is refused, as are a value that starts with --,
the same value option twice, --cipher-key with --same-as-keyword, and --square with --keyword.

Standard input is read as UTF-8; a leading byte-order mark and one trailing line end are dropped, and a NUL
becomes a blank, as a puzzle file holds it.

decrypt refuses a rail fence not in groups of 2, 3 or 4 letters (or in groups other than --rails gives), and a
Playfair ciphertext that is not in pairs of two different letters of the square.

solve takes cipher for an Aristocrat and a Patristocrat (letters in fives) alike. It refuses input
without letters, a rail fence not in groups of 2, 3 or 4 letters, a Playfair ciphertext that decrypt
refuses, and a text too short to solve (fewer than 20 letters for an Aristocrat, 40 for a Patristocrat,
8 for a rail fence, 30 for Playfair and Vigenere, 60 for Quagmire).

Exit status: 0 success, 2 refused input or wrong call, 1 a file that cannot be read or written, 3 solve found
no reading in its time.
)";
}
