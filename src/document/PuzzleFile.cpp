#include "PuzzleFile.h"

#include <algorithm>
#include <array>
#include <utility>

#include "Alphabet.h"
#include "PuzzleDocument.h"
#include "TessarinError.h"

namespace {

constexpr std::array<std::string_view, 19> Tags = {"TITLE",     "PLAIN",    "CIPHER",   "CIPHKEY",  "CRADIOS",
                                                   "RAILFENCE", "PLAYFAIR", "PLAYKEY",  "QUAGMIRE", "QUAGKEY",
                                                   "QUAGCKEY",  "QUAGINDI", "VIGENERE", "VIGENKEY", "CIPHERSOL",
                                                   "RAILSOL",   "PLAYSOL",  "QUAGSOL",  "VIGENSOL"};

// The 13 value fields in file order, line 6 + 3 * i; Doc is PuzzleDocument or const PuzzleDocument.
template <class Doc> std::array<decltype(&std::declval<Doc&>().PLAIN), 13> makerFields(Doc& doc)
{
    return {&doc.PLAIN,    &doc.CIPHER,  &doc.CIPHKEY,  &doc.CRADIOS,  &doc.RAILFENCE, &doc.PLAYFAIR, &doc.PLAYKEY,
            &doc.QUAGMIRE, &doc.QUAGKEY, &doc.QUAGCKEY, &doc.QUAGINDI, &doc.VIGENERE,  &doc.VIGENKEY};
}

constexpr int makerLine(std::size_t i)
{
    return PuzzleLine::Plain + 3 * static_cast<int>(i);
}

// The first line of order that lines lacks, for the list-index error of a reader that takes them in that order.
template <std::size_t N> void requireLinesInOrder(const PuzzleLines& lines, const std::array<int, N>& order)
{
    for (int line : order) {
        if (line >= static_cast<int>(lines.size())) {
            throw TessarinError(ListIndexMessage(line));
        }
    }
}

constexpr std::array<int, 5> SolutionLines = {PuzzleLine::CipherSol, PuzzleLine::RailSol, PuzzleLine::PlaySol,
                                              PuzzleLine::QuagSol, PuzzleLine::VigenSol};

constexpr std::array<int, 13> MakerLines = [] {
    std::array<int, 13> lines{};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = makerLine(i);
    }
    return lines;
}();

} // namespace

std::string ListIndexMessage(int index)
{
    return "List index out of bounds (" + std::to_string(index) + ")";
}

PuzzleLines PuzzleTemplate()
{
    PuzzleLines lines;
    lines.reserve(PuzzleLine::TemplateCount);
    lines.emplace_back(R"(<?xml version="1.0" encoding="ISO-8859-1"?>)");
    lines.emplace_back("<ACNX4.1>");
    for (std::string_view tag : Tags) {
        lines.push_back(std::string("<").append(tag).append(">"));
        lines.emplace_back();
        lines.push_back(std::string("</").append(tag).append(">"));
    }
    lines.emplace_back("</ACNX4.1>");
    lines[PuzzleLine::Cradios] = std::string("00");
    lines[PuzzleLine::RailSol] = std::string(1, ' ');
    return lines;
}

PuzzleLines SplitPuzzleLines(std::string_view bytes)
{
    return SplitTextLines(bytes.substr(0, bytes.find('\0')));
}

std::string JoinPuzzleLines(const PuzzleLines& lines)
{
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string out;
    out.reserve(size);
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string SingleLineValue(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
            continue; // CR LF is one line break: its LF gives the blank
        }
        out += (c == '\r' || c == '\n' || c == '\0') ? ' ' : c;
    }
    return out;
}

void ReadMakerValues(const PuzzleLines& lines, PuzzleDocument& doc)
{
    requireLinesInOrder(lines, MakerLines);
    const auto fields = makerFields(doc);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        *fields[i] = lines[static_cast<std::size_t>(makerLine(i))];
    }
}

void WriteMakerValues(PuzzleLines& lines, const PuzzleDocument& doc)
{
    requireLinesInOrder(lines, MakerLines);
    requireLinesInOrder(lines, SolutionLines);
    const auto fields = makerFields(doc);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        lines[static_cast<std::size_t>(makerLine(i))] = SingleLineValue(*fields[i]);
    }
    WriteGameSolutions(lines, {doc.CIPHER, doc.RAILFENCE, doc.PLAYFAIR, doc.QUAGMIRE, doc.VIGENERE});
}

GameFileValues ReadGameValues(const PuzzleLines& lines)
{
    requireLinesInOrder(lines, std::array<int, 13>{6, 45, 12, 15, 48, 51, 24, 54, 30, 33, 36, 57, 42});
    auto at = [&](int line) { return lines[static_cast<std::size_t>(line)]; };
    GameFileValues v;
    v.PLAIN = at(6);
    v.CIPHKEY = at(12);
    v.CRADIOS = at(15);
    v.PLAYKEY = at(24);
    v.QUAGKEY = at(30);
    v.QUAGCKEY = at(33);
    v.QUAGINDI = at(36);
    v.VIGENKEY = at(42);
    v.CIPHERSOL = at(PuzzleLine::CipherSol);
    v.RAILSOL = at(PuzzleLine::RailSol);
    v.PLAYSOL = at(PuzzleLine::PlaySol);
    v.QUAGSOL = at(PuzzleLine::QuagSol);
    v.VIGENSOL = at(PuzzleLine::VigenSol);
    return v;
}

void WriteGameSolutions(PuzzleLines& lines, const GameSolutions& solutions)
{
    requireLinesInOrder(lines, SolutionLines);
    lines[PuzzleLine::CipherSol] = SingleLineValue(solutions.CIPHERSOL);
    lines[PuzzleLine::RailSol] = SingleLineValue(solutions.RAILSOL);
    lines[PuzzleLine::PlaySol] = SingleLineValue(solutions.PLAYSOL);
    lines[PuzzleLine::QuagSol] = SingleLineValue(solutions.QUAGSOL);
    lines[PuzzleLine::VigenSol] = SingleLineValue(solutions.VIGENSOL);
}
