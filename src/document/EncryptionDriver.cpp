#include "EncryptionDriver.h"

#include <algorithm>

#include "AcnProcsUnit.h"
#include "Alphabet.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"

namespace {

// Stores the texts of the kind's key boxes in the document, as the fields the encoder reads.
void storeKeyTexts(PuzzleDocument& doc, const EncryptOptions& options)
{
    switch (options.kind) {
    case CipherKind::Playfair:
        doc.PLAYKEY = TrimControl(options.keyword);
        break;
    case CipherKind::Quagmire:
        doc.QUAGKEY = TrimControl(options.keyword);
        doc.QUAGCKEY = TrimControl(options.cipherTableKey);
        doc.QUAGINDI = TrimControl(options.indicatorKey) + "@" + options.column;
        break;
    case CipherKind::Vigenere:
        doc.VIGENKEY = TrimControl(options.keyword);
        break;
    case CipherKind::Cipher:
    case CipherKind::Railfence:
    case CipherKind::None:
        break;
    }
}

// Stores the kind's options in the document, as the fields the encoder reads.
void storeOptions(PuzzleDocument& doc, const EncryptOptions& options)
{
    if (options.kind == CipherKind::Cipher) {
        doc.CRADIOS = std::to_string(options.cipherGroup1) + std::to_string(options.cipherGroup2);
    }
    storeKeyTexts(doc, options);
}

std::string runEncoder(AcnProcs& holder, std::string_view plain, const EncryptOptions& options, Random& rng)
{
    PuzzleDocument& doc = holder.Puzzle;
    switch (options.kind) {
    case CipherKind::Cipher:
        // An accepted alphabet becomes the key only now, with the ciphertext it makes.
        if (holder.UseEditedAlphabet && !holder.AcceptedAlphabet.empty()) {
            doc.CIPHKEY = holder.AcceptedAlphabet;
        }
        holder.AcceptedAlphabet.clear();
        if (options.cipherGroup2 == 0) {
            return EncryptCipherRandom(plain, doc.CRADIOS.starts_with('1'), doc.CIPHKEY, holder.UseEditedAlphabet, rng);
        }
        return EncryptCipherOffset(plain, doc.CIPHKEY, holder.UseEditedAlphabet, rng);
    case CipherKind::Railfence:
        return EncryptRailfence(plain, options.railGroup3 + 2, rng);
    case CipherKind::Playfair:
        holder.AcceptedSquare.clear();
        return EncryptPlayfair(plain, doc.PLAYKEY, holder.UseEditedSquare);
    case CipherKind::Quagmire:
        return EncryptQuagmire(plain, doc.QUAGKEY, doc.QUAGCKEY, doc.QUAGINDI);
    case CipherKind::Vigenere:
        return EncryptVigenere(plain, doc.VIGENKEY);
    case CipherKind::None:
        break;
    }
    return {};
}

// A key of blanks and signs alone: the encoder would leave its alphabet straight, while the printed solution would
// name the key as it was typed.
bool keysNothing(std::string_view key)
{
    const bool typed = std::any_of(key.begin(), key.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; });
    return typed && std::none_of(key.begin(), key.end(), IsAsciiLetter);
}

bool hasKeyWithoutLetters(const EncryptOptions& options)
{
    switch (options.kind) {
    case CipherKind::Playfair:
    case CipherKind::Vigenere:
        return keysNothing(options.keyword);
    case CipherKind::Quagmire:
        return keysNothing(options.keyword) || keysNothing(options.cipherTableKey);
    case CipherKind::Cipher:
    case CipherKind::Railfence:
    case CipherKind::None:
        break;
    }
    return false;
}

} // namespace

std::optional<std::string_view> EncryptRefusal(std::string_view editorText, const EncryptOptions& options)
{
    if (editorText.empty() || options.kind == CipherKind::None) {
        return NothingToEncryptMessage;
    }
    // The kinds other than the substitution encrypt letters alone: a text without any would give no cryptogram.
    if (options.kind != CipherKind::Cipher && std::none_of(editorText.begin(), editorText.end(), IsAsciiLetter)) {
        return NothingToEncryptMessage;
    }
    if (options.kind == CipherKind::Railfence && (options.railGroup3 < 0 || options.railGroup3 > 2)) {
        return NoRailCountMessage;
    }
    if (hasKeyWithoutLetters(options)) {
        return KeywordWithoutLettersMessage;
    }
    return std::nullopt;
}

bool NeedsIntegrityAlert(const PuzzleDocument& doc, std::string_view editorText)
{
    return !doc.PLAIN.empty() && editorText != doc.PLAIN && doc.HasAnyCiphertext();
}

bool LeavesEveryLetterInPlace(const AcnProcs& holder, const EncryptOptions& options)
{
    if (options.kind != CipherKind::Cipher || !holder.UseEditedAlphabet) {
        return false;
    }
    // "Unique" with a random alphabet moves every letter that would stay.
    const bool madeUnique = options.cipherGroup2 == 0 && options.cipherGroup1 == 1;
    return !madeUnique && holder.AlphabetToEdit() == StandardAlphabet;
}

std::string EncryptText(AcnProcs& holder, std::string_view plain, const EncryptOptions& options, Random& rng)
{
    storeOptions(holder.Puzzle, options);
    return runEncoder(holder, plain, options, rng);
}

const std::string& EncryptPuzzle(AcnProcs& holder, std::string_view editorText, const EncryptOptions& options,
                                 Random& rng)
{
    PuzzleDocument& doc = holder.Puzzle;
    doc.PLAIN = std::string(editorText);
    std::string ciphertext = EncryptText(holder, doc.PLAIN, options, rng);
    std::string& field = doc.Ciphertext(options.kind);
    field = std::move(ciphertext);
    doc.Changed = true;
    return field;
}

int CoupledCipherGroup1(int cipherGroup1, int cipherGroup2)
{
    return cipherGroup2 == 1 ? 1 : cipherGroup1;
}

std::string DittoText(bool checked, std::string_view keyword)
{
    return checked ? std::string(keyword) : std::string();
}

// The key boxes of a kind that has a ciphertext are left out: its keys are those that made the ciphertext until the
// next Encrypt, so that the file and the printed solution never name a key the cryptogram was not made with.
// Untouched Quagmire boxes (no indicator, column 1) over a document without an indicator leave it without one.
PuzzleDocument WithTypedText(const PuzzleDocument& doc, std::string_view editorText, const EncryptOptions& options)
{
    PuzzleDocument typed = doc;
    typed.PLAIN = std::string(editorText);
    if (options.kind != CipherKind::None && !doc.Ciphertext(options.kind).empty()) {
        return typed;
    }
    storeKeyTexts(typed, options);
    if (doc.QUAGINDI.empty() && typed.QUAGINDI == "@1") {
        typed.QUAGINDI.clear();
    }
    return typed;
}

std::string EditorPlaintext(const PuzzleDocument& doc, std::string editorText)
{
    constexpr char NoBreakSpace = '\xA0';
    const bool shownAsBlanks =
        std::equal(editorText.begin(), editorText.end(), doc.PLAIN.begin(), doc.PLAIN.end(),
                   [](char shown, char held) { return shown == held || (shown == ' ' && held == NoBreakSpace); });
    return shownAsBlanks ? doc.PLAIN : editorText;
}

bool HoldsUnsavedText(const PuzzleDocument& doc, std::string_view editorText, const EncryptOptions& options)
{
    return WithTypedText(doc, editorText, options) != doc;
}

void TakeTypedText(PuzzleDocument& doc, std::string_view editorText, const EncryptOptions& options)
{
    PuzzleDocument typed = WithTypedText(doc, editorText, options);
    if (typed != doc) {
        typed.Changed = true;
        doc = std::move(typed);
    }
}
