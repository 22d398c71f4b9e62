#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "PuzzleDocument.h"

class AcnProcs;
class Random;

/// What the main window's controls hold when Encrypt runs.
struct EncryptOptions
{
    CipherKind kind = CipherKind::None; ///< the selected tab
    int cipherGroup1 = 0;               ///< 0 Similar, 1 Unique
    int cipherGroup2 = 0;               ///< 0 Random, 1 Offset
    int railGroup3 = 0;                 ///< 0, 1, 2 for 2, 3, 4 rails; -1 for no selection
    std::string keyword;                ///< "Plaintext keyword"
    std::string cipherTableKey;         ///< "Cipher table key"
    std::string indicatorKey;           ///< "Indicator key"
    std::string column = "1";           ///< "Column"
};

inline constexpr std::string_view NothingToEncryptMessage =
    "Nothing to encrypt! You must enter a message into the plaintext window and then select a cryptogram format.";
inline constexpr std::string_view NoRailCountMessage =
    "No rail count is selected. Choose 2 Rails, 3 Rails or 4 Rails, then encrypt again.";
inline constexpr std::string_view KeywordWithoutLettersMessage =
    "The keyword has no letter from A to Z, so it would not key the cryptogram. Use a keyword with letters, or "
    "none.";
inline constexpr std::string_view EncryptionAlertHeading = "Encryption Alert";
inline constexpr std::string_view EncryptionAlertText =
    "One or more cryptograms have already been generated from this plaintext. Altering plaintext at this time "
    "will break their integrity unless they are re-encrypted. Continue anyway?";

inline constexpr std::string_view IdentityAlphabetText =
    "The cipher alphabet leaves every letter in place: the cryptogram would read the same as the plaintext. "
    "Encrypt anyway?";

/// The refusal of step 1 (empty plaintext or no kind; for a kind other than the substitution, a plaintext without
/// letters A-Z), of a rail fence without a rail count, or of a keyword (or Quagmire cipher table key) that is not
/// empty but has no letter A-Z; nothing when the encryption may go on.
std::optional<std::string_view> EncryptRefusal(std::string_view editorText, const EncryptOptions& options);

/// True when the integrity alert must be asked: PLAIN is set, the editor's text differs from it, and some
/// ciphertext exists.
bool NeedsIntegrityAlert(const PuzzleDocument& doc, std::string_view editorText);

/// True when a substitution encryption with these options would use an accepted alphabet that leaves every letter
/// in place (an offset turned back to A-Z, or the straight alphabet with "Similar"), so that Encrypt must warn.
bool LeavesEveryLetterInPlace(const AcnProcs& holder, const EncryptOptions& options);

/// EncryptPuzzle without storing the plaintext and the ciphertext: the kind's options go into the document and the
/// encoder runs on plain (keys it draws are stored as by EncryptPuzzle); returns the ciphertext. For a caller that
/// wants only the ciphertext of a text that may be large, without a copy of it in the document.
std::string EncryptText(AcnProcs& holder, std::string_view plain, const EncryptOptions& options, Random& rng);

/// Stores the plaintext and the kind's options in the document, runs the kind's encoder, stores its result and
/// sets Changed. Returns the new ciphertext. A Quagmire column that is not an integer throws TessarinError after
/// the key fields were stored and before anything else changed. options must have passed EncryptRefusal.
const std::string& EncryptPuzzle(AcnProcs& holder, std::string_view editorText, const EncryptOptions& options,
                                 Random& rng);

/// The editor's text as the document's plaintext. The maker's editor gives each no-break space back as a blank;
/// where that is all that tells editorText from doc.PLAIN, doc.PLAIN is returned, so that the no-break spaces of a
/// file (one made by tessarin5-cli from copied text, say) neither count as a change nor are lost.
std::string EditorPlaintext(const PuzzleDocument& doc, std::string editorText);

/// True when the editor's text or the key boxes of options.kind hold text that the document does not (and so its
/// file does not either after the last load or save). Keys compare as Encrypt would store them; the key boxes of a
/// kind that has a ciphertext do not count, as only Encrypt changes the keys that made it.
bool HoldsUnsavedText(const PuzzleDocument& doc, std::string_view editorText, const EncryptOptions& options);

/// The document as a save would write it now: with the editor's text and, while options.kind has no ciphertext,
/// the key boxes of that kind taken in as Encrypt stores them. Changes nothing.
PuzzleDocument WithTypedText(const PuzzleDocument& doc, std::string_view editorText, const EncryptOptions& options);

/// Takes the editor's text and the key boxes of options.kind into the document, as Encrypt stores them but without
/// encrypting, so that a save keeps what the author typed; the key boxes only while the kind has no ciphertext.
/// Sets Changed when anything was taken.
void TakeTypedText(PuzzleDocument& doc, std::string_view editorText, const EncryptOptions& options);

/// The coupling of the substitution radio groups: Offset always goes with Unique.
int CoupledCipherGroup1(int cipherGroup1, int cipherGroup2);

/// What "Same as keyword" puts into the cipher table key when it becomes checked or unchecked.
std::string DittoText(bool checked, std::string_view keyword);
