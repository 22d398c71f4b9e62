// Encrypt, the coupling of the option controls, and the key hand-offs of the Cipher Alphabet and Playfair Square
// windows. The rules themselves are the encryption driver's.
#include "Acn5MainForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "AcnProcsUi.h"
#include "AcnProcsUnit.h"
#include "Alphabet.h"
#include "CipherAlphaUnit.h"
#include "EncodeQuagmire.h"
#include "PlayfairSqUnit.h"
#include "QtCodePage.h"
#include "RadioGroup.h"
#include "TessarinError.h"

namespace {

QString fromBytes(std::string_view text)
{
    return FromCodePage(text);
}

} // namespace

EncryptOptions TAcn5MainForm::optionsOfGroups() const
{
    EncryptOptions options;
    options.kind = selectedKind();
    // A group without a selection (only after a hand-edited file) counts as its first item.
    options.cipherGroup1 = qMax(0, CipherGroup1->itemIndex());
    options.cipherGroup2 = qMax(0, CipherGroup2->itemIndex());
    options.railGroup3 = RailGroup3->itemIndex();
    return options;
}

void TAcn5MainForm::readKeyBoxes(EncryptOptions& options) const
{
    options.keyword = ToCodePageOrThrow(KeywordEd->text());
    options.cipherTableKey = ToCodePageOrThrow(PtAlphaKeyEd->text());
    options.indicatorKey = ToCodePageOrThrow(IndiKeyEd->text());
    options.column = ToCodePageOrThrow(ColEd->text());
}

bool TAcn5MainForm::hasUnsavedWork() const
{
    if (m_holder.Puzzle.Changed) {
        return true;
    }
    try {
        EncryptOptions options = optionsOfGroups();
        readKeyBoxes(options);
        return HoldsUnsavedText(m_holder.Puzzle, editorPlaintext(), options);
    } catch (const TessarinError&) {
        return true; // text the code page cannot hold is certainly not in the file
    }
}

void TAcn5MainForm::takeTypedText()
{
    EncryptOptions options = optionsOfGroups();
    readKeyBoxes(options);
    TakeTypedText(m_holder.Puzzle, editorPlaintext(), options);
}

std::string TAcn5MainForm::editorPlaintext() const
{
    return EditorPlaintext(m_holder.Puzzle, ToCodePageOrThrow(SourceREdit->toPlainText()));
}

void TAcn5MainForm::updateModifiedMark()
{
    if (ExitAct == nullptr) {
        return; // still being built
    }
    // The caption ends with the application's name, so the desktop adds nothing to it.
    setWindowTitle(hasUnsavedWork() ? QStringLiteral("*Tessarin 5") : QStringLiteral("Tessarin 5"));
}

void TAcn5MainForm::EncryptBtnClick()
{
    const QString text = SourceREdit->toPlainText();
    EncryptOptions options = optionsOfGroups();
    // Characters the code page cannot hold are refused here, as Encrypt's own refusal, before anything changes.
    std::string plain;
    try {
        readKeyBoxes(options);
        if (const auto refusal = EncryptRefusal(text.toUtf8().toStdString(), options)) {
            ShowError(m_ui, this, QString::fromUtf8(refusal->data(), qsizetype(refusal->size())));
            return;
        }
        plain = editorPlaintext();
    } catch (const TessarinError& e) {
        ShowError(m_ui, this, QString::fromUtf8(e.what()));
        return;
    }
    if (NeedsIntegrityAlert(m_holder.Puzzle, plain) &&
        !m_ui.dialogs->confirm(this, QString::fromUtf8(EncryptionAlertHeading.data()),
                               QString::fromUtf8(EncryptionAlertText.data()))) {
        return;
    }
    if (LeavesEveryLetterInPlace(m_holder, options) &&
        !m_ui.dialogs->confirm(this, QString::fromUtf8(EncryptionAlertHeading.data()),
                               QString::fromUtf8(IdentityAlphabetText.data()))) {
        return;
    }
    const std::string& ciphertext = EncryptPuzzle(m_holder, plain, options, m_rng);
    CryptREdit->setPlainText(fromBytes(ciphertext));
    m_panels[static_cast<std::size_t>(options.kind)]->setText(QStringLiteral("^"));
    SaveAct->setEnabled(true);
}

void TAcn5MainForm::CipherGroupClick()
{
    if (CipherGroup2->itemIndex() == 1) {
        CipherGroup1->setItemIndex(1);
    }
}

void TAcn5MainForm::DittoChkClick()
{
    PtAlphaKeyEd->setText(DittoChk->isChecked() ? KeywordEd->text() : QString());
}

void TAcn5MainForm::CipherAlphaActExecute()
{
    // The offset mode is the second CRADIOS character as a number; a bad one ends the command here.
    const std::string& cradios = m_holder.Puzzle.CRADIOS;
    const int offset = ParseIntegerValue(cradios.size() > 1 ? cradios.substr(1, 1) : std::string());
    TCipherAlphaForm form(m_holder, m_rng, this);
    form.setOffsetMode(offset == 1);
    if (form.exec() == QDialog::Accepted) {
        m_holder.AcceptAlphabet(form.alphabet());
    }
}

void TAcn5MainForm::PlaySqActExecute()
{
    TPlayfairSqForm form(m_holder, this);
    form.setKeyword(TrimControl(ToCodePageOrThrow(KeywordEd->text()))); // the keyword as typed, not as last stored
    if (form.exec() == QDialog::Accepted) {
        // The keyword box carries the square into the next encryption, which stores it in PLAYKEY.
        m_holder.AcceptSquare(form.square());
        // Typed over the keyword rather than set, so that Undo in the box brings the author's keyword back.
        KeywordEd->selectAll();
        KeywordEd->insert(fromBytes(m_holder.AcceptedSquare));
    }
}
