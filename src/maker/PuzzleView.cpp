#include "PuzzleView.h"

#include <QFileInfo>

#include "EncodeQuagmire.h"
#include "EncryptionDriver.h"
#include "TessarinError.h"

namespace {

// One CRADIOS digit as a radio item: 0 and 1 select, any other number selects nothing. Throws the conversion
// error for a character that is not a digit (a missing character converts as an empty text).
int cradiosItem(const std::string& CRADIOS, std::size_t position)
{
    const std::string digit = position < CRADIOS.size() ? CRADIOS.substr(position, 1) : std::string();
    const int value = ParseIntegerValue(digit);
    return value == 0 || value == 1 ? value : -1;
}

void fillCipher(const PuzzleDocument& doc, KindView& view)
{
    view.cipherGroup1 = 0;
    view.cipherGroup2 = 0;
    if (doc.CRADIOS.empty()) {
        return;
    }
    try {
        view.cipherGroup1 = cradiosItem(doc.CRADIOS, 0);
        view.cipherGroup2 = cradiosItem(doc.CRADIOS, 1);
    } catch (const TessarinError& e) {
        view.cipherGroup1 = -1;
        view.cipherGroup2 = -1;
        view.error = e.what();
        return;
    }
    if (view.cipherGroup2 >= 0) {
        view.cipherGroup1 = CoupledCipherGroup1(view.cipherGroup1, view.cipherGroup2);
    }
}

void fillQuagmire(const PuzzleDocument& doc, KindView& view)
{
    view.keyword = doc.QUAGKEY;
    view.cipherTableKey = doc.QUAGCKEY;
    const std::size_t at = doc.QUAGINDI.find('@');
    view.indicatorKey = at == std::string::npos ? std::string() : doc.QUAGINDI.substr(0, at);
    view.column = at == std::string::npos ? std::string("1") : doc.QUAGINDI.substr(at + 1, 2);
}

} // namespace

int RailItemOf(std::string_view RAILFENCE)
{
    const std::size_t blank = RAILFENCE.find(' ');
    if (blank == std::string_view::npos) {
        return -1;
    }
    const int item = static_cast<int>(blank) + 1 - 3;
    return item >= 0 && item <= 2 ? item : -1;
}

KindView ViewOfKind(const PuzzleDocument& doc, CipherKind kind)
{
    KindView view;
    view.kind = kind;
    switch (kind) {
    case CipherKind::Cipher:
        fillCipher(doc, view);
        break;
    case CipherKind::Railfence:
        view.railGroup3 = doc.RAILFENCE.empty() ? 0 : RailItemOf(doc.RAILFENCE);
        break;
    case CipherKind::Playfair:
        view.keyword = doc.PLAYKEY;
        break;
    case CipherKind::Quagmire:
        fillQuagmire(doc, view);
        break;
    case CipherKind::Vigenere:
        view.keyword = doc.VIGENKEY;
        break;
    case CipherKind::None:
        return view;
    }
    view.ciphertext = doc.Ciphertext(kind);
    return view;
}

void ApplyPreferredItems(KindView& view, const PuzzleDocument& doc, const PreferredItems& preferred)
{
    if (view.kind == CipherKind::Cipher && doc.CIPHER.empty()) {
        view.cipherGroup2 = preferred.randomOffset;
        view.cipherGroup1 = CoupledCipherGroup1(preferred.similarUnique, preferred.randomOffset);
    } else if (view.kind == CipherKind::Railfence && doc.RAILFENCE.empty()) {
        view.railGroup3 = preferred.rails;
    }
}

std::array<bool, CipherKindCount> CiphertextMarks(const PuzzleDocument& doc)
{
    std::array<bool, CipherKindCount> marks{};
    for (int i = 0; i < CipherKindCount; ++i) {
        marks[static_cast<std::size_t>(i)] = !doc.Ciphertext(KindFromIndex(i)).empty();
    }
    return marks;
}

QString PuzzleName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.left(qMax<qsizetype>(0, name.size() - 5));
}
