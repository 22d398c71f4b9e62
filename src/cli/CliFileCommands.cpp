#include "CliFileCommands.h"

#include <algorithm>
#include <array>

#include <QString>
#include <QStringDecoder>

#include "AcnProcsUnit.h"
#include "Alphabet.h"
#include "CliSupport.h"
#include "CodePage.h"
#include "EncryptionDriver.h"
#include "Normalize.h"
#include "PdfOutput.h"
#include "PrintFontSettings.h"
#include "PuzzleChecks.h"
#include "PuzzleFileIO.h"
#include "PuzzleRating.h"
#include "SettingsStore.h"

namespace {

// A ciphertext field of blanks alone (or of other characters up to the blank) holds no cryptogram, as the game sees it.
bool holdsCryptogram(std::string_view ciphertext)
{
    return std::any_of(ciphertext.begin(), ciphertext.end(),
                       [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

// A file name given on the command line as Qt takes it. The names are read as UTF-8; the bytes of one that is not
// would become U+FFFD, so that another file would be read or written than the one named: such a name is refused.
QString filePath(const std::string& name)
{
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString path = decode(QByteArrayView(name.data(), static_cast<qsizetype>(name.size())));
    if (decode.hasError()) {
        std::string shown;
        for (const char c : name) {
            const auto byte = static_cast<unsigned char>(c);
            shown += byte < 0x80 ? std::string(1, c) : "\\x" + QString::number(byte, 16).toUpper().toStdString();
        }
        CliRefuse("The file name \"" + shown + "\" is not UTF-8 text; give the file a name in UTF-8.");
    }
    return path;
}

void makePatristocrat(PuzzleDocument& doc, const CliOptions& options)
{
    if (HasSelfLetter(doc.CIPHKEY) && !options.force) {
        CliRefuse(std::string(SelfLetterAlertText));
    }
    doc.CIPHER = PatristocratText(doc.CIPHER);
    doc.Changed = true;
}

CliResult addCommand(const CliOptions& options, std::string_view input)
{
    const QString path = filePath(options.file);
    AcnProcs holder;
    if (!HoldsNoPuzzleYet(path)) {
        CliFileStep([&] { LoadPuzzleFile(holder.Puzzle, path); });
    }
    std::string converted;
    std::string plain(CliInputText(input, converted));
    // The file holds each line break as a blank, so the text that made its plaintext comes back unchanged when it is
    // given again, as the maker's editor holds the file's plaintext after Open.
    if (!holder.Puzzle.PLAIN.empty() && SingleLineValue(plain) == holder.Puzzle.PLAIN) {
        holder.Puzzle.PLAIN = plain;
    }
    if (options.normalize && !plain.empty()) {
        plain = NormalizeLines(SplitTextLines(plain));
        holder.Puzzle.PLAIN = plain;
    }
    CliEncryptInto(holder, plain, options);
    if (options.patristocrat) {
        makePatristocrat(holder.Puzzle, options);
    }
    CliFileStep([&] { SavePuzzleFile(holder.Puzzle, path); });
    return {};
}

CliResult showCommand(const CliOptions& options)
{
    static constexpr std::array<std::string_view, 19> Tags = {
        "TITLE",     "PLAIN",    "CIPHER",  "CIPHKEY",  "CRADIOS",  "RAILFENCE", "PLAYFAIR",
        "PLAYKEY",   "QUAGMIRE", "QUAGKEY", "QUAGCKEY", "QUAGINDI", "VIGENERE",  "VIGENKEY",
        "CIPHERSOL", "RAILSOL",  "PLAYSOL", "QUAGSOL",  "VIGENSOL"};
    const PuzzleLines lines = CliFileStep([&] { return ReadPuzzleLines(filePath(options.file)); });
    std::string out = "{\n";
    for (std::size_t i = 0; i < Tags.size(); ++i) {
        const std::size_t line = PuzzleLine::Title + 3 * i;
        if (line >= lines.size()) {
            throw CliFailure{CliExit::FileError, IncompletePuzzleFileMessage(filePath(options.file),
                                                                             ListIndexMessage(static_cast<int>(line)))};
        }
        out += "  ";
        CliAppendJsonString(out, Tags[i]);
        out += ": ";
        CliAppendJsonString(out, CodePageToUtf8(lines[line]));
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
    CliFileStep([&] { LoadPuzzleFile(holder.Puzzle, filePath(options.file)); });
    holder.Puzzle.FileName = options.file;
    if (!holdsCryptogram(holder.Puzzle.Ciphertext(options.kind))) {
        CliRefuse("Nothing to print! Create a cryptogram to print or discontinue this selection.");
    }
    PrintFont font = ReadPrintFont(SettingsStore());
    if (!options.font.empty()) {
        const std::size_t comma = options.font.rfind(',');
        font.name = options.font.substr(0, comma);
        font.size = comma == std::string::npos ? font.size : std::stoi(options.font.substr(comma + 1));
    }
    CliFileStep([&] {
        WritePuzzlePdf(filePath(options.output), holder.Puzzle, options.kind, solutionOption(options.solution), font);
    });
    return {};
}

std::string ratingJson(std::string_view kindName, const PuzzleRating& rating)
{
    std::string out = "{\"kind\": ";
    CliAppendJsonString(out, kindName);
    out += ", \"difficulty\": {\"step\": ";
    CliAppendJsonString(out, DifficultyStepName(rating.step));
    out += ", \"number\": " + std::to_string(rating.number) + "}, \"warnings\": [";
    for (std::size_t i = 0; i < rating.warnings.size(); ++i) {
        out += i == 0 ? "{\"code\": " : ", {\"code\": ";
        CliAppendJsonString(out, rating.warnings[i].code);
        out += ", \"text\": ";
        CliAppendJsonString(out, CodePageToUtf8(rating.warnings[i].text));
        out += ", \"advice\": ";
        CliAppendJsonString(out, rating.warnings[i].advice);
        out += "}";
    }
    out += "], \"reasons\": [";
    for (std::size_t i = 0; i < rating.reasons.size(); ++i) {
        out += i == 0 ? "{\"text\": " : ", {\"text\": ";
        CliAppendJsonString(out, rating.reasons[i].text);
        out += ", \"points\": " + std::to_string(rating.reasons[i].points) + "}";
    }
    out += std::string("], \"solved\": ") + (rating.solved ? "true" : "false") +
           ", \"seconds\": " + CliNumber(rating.seconds, 2) + "}\n";
    return out;
}

// Rates each cryptogram of the puzzle (or the one of the kind asked) with the solver, one JSON object a line. The
// language model lies beside tessarin5-cli, not beside this helper.
CliResult rateCommand(const CliOptions& options)
{
    static constexpr std::array<std::string_view, CipherKindCount> KindNames = {"cipher", "railfence", "playfair",
                                                                                "quagmire", "vigenere"};
    AcnProcs holder;
    CliFileStep([&] { LoadPuzzleFile(holder.Puzzle, filePath(options.file)); });
    std::vector<CipherKind> kinds;
    for (int i = 0; i < CipherKindCount; ++i) {
        const CipherKind kind = KindFromIndex(i);
        if ((options.kind == CipherKind::None || options.kind == kind) &&
            holdsCryptogram(holder.Puzzle.Ciphertext(kind))) {
            kinds.push_back(kind);
        }
    }
    if (kinds.empty()) {
        CliRefuse(options.kind == CipherKind::None
                      ? "The puzzle holds no cryptogram to rate."
                      : "The puzzle holds no " + std::string(KindNames[static_cast<std::size_t>(options.kind)]) +
                            " cryptogram to rate.");
    }
    const LanguageModel model = CliLanguageModel(CliProgramDir() / TESSARIN_CLI_PROGRAM_DIR);
    RatingOptions ratingOptions;
    ratingOptions.seconds = options.seconds;
    ratingOptions.seed = options.seed.value_or(1);
    CliResult result;
    for (CipherKind kind : kinds) {
        const PuzzleRating rating =
            RateCryptogram(RatedCryptogramOf(holder.Puzzle, kind), SolverEngine(model), ratingOptions);
        result.out += ratingJson(KindNames[static_cast<std::size_t>(kind)], rating);
    }
    return result;
}

} // namespace

CliResult RunCliFileCommand(const CliOptions& options, std::string_view input)
{
    switch (options.command) {
    case CliOptions::Command::Add:
        return addCommand(options, input);
    case CliOptions::Command::Show:
        return showCommand(options);
    case CliOptions::Command::Pdf:
        return pdfCommand(options);
    case CliOptions::Command::Rate:
        return rateCommand(options);
    default:
        break;
    }
    return {};
}
