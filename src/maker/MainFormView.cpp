// The tab selection, ShowPuzzle, the kind entries of the Options menu, the clipboard commands and ShowProgress.
#include "Acn5MainForm.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "AcnPrefValues.h"
#include "AcnProcsUi.h"
#include "AcnProcsUnit.h"
#include "PuzzleView.h"
#include "QtCodePage.h"
#include "RadioGroup.h"
#include "TessarinError.h"

namespace {

const QString NothingToCopyMessage =
    QStringLiteral("Nothing to copy! You must enter a message into the plaintext window and generate a new "
                   "cryptogram, or open an existing cryptogram.");

} // namespace

void TAcn5MainForm::TabSet1Click()
{
    for (QAction* act : {CipherAlphaAct, PlaySqAct, KeyTableAct, VigTableAct}) {
        act->setEnabled(false);
    }
    const CipherKind kind = selectedKind();
    const std::array<QAction*, CipherKindCount> tools = {CipherAlphaAct, nullptr, PlaySqAct, KeyTableAct, VigTableAct};
    for (QAction* act : m_kindActs) {
        act->setChecked(false);
    }
    if (kind != CipherKind::None) {
        const auto index = static_cast<std::size_t>(kind);
        if (tools[index] != nullptr) {
            tools[index]->setEnabled(true);
        }
        m_kindActs[index]->setChecked(true);
    }
    PatristAct->setEnabled(CipherAlphaAct->isEnabled());
    ExportCipherWebAct->setEnabled(CipherAlphaAct->isEnabled());
    resetOptionControls();
    CryptREdit->clear();
    ShowPuzzle(false);
}

void TAcn5MainForm::resetOptionControls()
{
    for (RadioGroup* group : {CipherGroup1, CipherGroup2, RailGroup3}) {
        group->setItemIndex(-1);
        group->setEnabled(false);
    }
    for (QLabel* l : {Label1, Label2, Label3, Label4}) {
        l->setEnabled(false);
    }
    for (QLineEdit* edit : {KeywordEd, PtAlphaKeyEd, IndiKeyEd}) {
        edit->clear();
        edit->setEnabled(false);
    }
    DittoChk->setChecked(false);
    DittoChk->setEnabled(false);
    ColEd->setText(QStringLiteral("1"));
    ColEd->setEnabled(false);
    UpDown1->setEnabled(false);
}

void TAcn5MainForm::enableKindControls(CipherKind kind)
{
    switch (kind) {
    case CipherKind::Cipher:
        CipherGroup1->setEnabled(true);
        CipherGroup2->setEnabled(true);
        break;
    case CipherKind::Railfence:
        RailGroup3->setEnabled(true);
        break;
    case CipherKind::Quagmire:
        for (QWidget* w : std::initializer_list<QWidget*>{Label2, Label3, Label4, DittoChk, PtAlphaKeyEd, IndiKeyEd,
                                                          ColEd, UpDown1}) {
            w->setEnabled(true);
        }
        [[fallthrough]];
    case CipherKind::Playfair:
    case CipherKind::Vigenere:
        Label1->setEnabled(true);
        KeywordEd->setEnabled(true);
        break;
    case CipherKind::None:
        break;
    }
}

void TAcn5MainForm::ShowPuzzle(bool withPlain)
{
    const PuzzleDocument& doc = m_holder.Puzzle;
    m_panels[6]->setText(PuzzleName(QString::fromStdString(doc.FileName)));
    SaveAct->setEnabled(true);
    if (withPlain) {
        SourceREdit->setPlainText(FromCodePage(doc.PLAIN));
    }
    showMarks();
    const CipherKind kind = selectedKind();
    if (kind == CipherKind::None) {
        return;
    }
    KindView view = ViewOfKind(doc, kind);
    if (kind == CipherKind::Playfair) {
        // A square accepted in the Playfair Square window stays in the keyword box until it is encrypted.
        view.keyword = m_holder.SquareKeyToEdit();
    }
    const PreferredOptions preferred = PreferredOptionItems(m_settings);
    ApplyPreferredItems(view, doc, {preferred.similarUnique, preferred.randomOffset, preferred.rails});
    enableKindControls(kind);
    switch (kind) {
    case CipherKind::Cipher:
        CipherGroup1->setItemIndex(view.cipherGroup1);
        CipherGroup2->setItemIndex(view.cipherGroup2);
        break;
    case CipherKind::Railfence:
        RailGroup3->setItemIndex(view.railGroup3);
        break;
    case CipherKind::Quagmire:
        PtAlphaKeyEd->setText(FromCodePage(view.cipherTableKey));
        IndiKeyEd->setText(FromCodePage(view.indicatorKey));
        ColEd->setText(FromCodePage(view.column));
        [[fallthrough]];
    default:
        KeywordEd->setText(FromCodePage(view.keyword));
        break;
    }
    CryptREdit->setPlainText(FromCodePage(view.ciphertext));
    if (view.error) {
        throw TessarinError(*view.error);
    }
}

void TAcn5MainForm::showMarks()
{
    const auto marks = CiphertextMarks(m_holder.Puzzle);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        m_panels[i]->setText(marks[i] ? QStringLiteral("^") : QString());
    }
}

void TAcn5MainForm::CryptoMenuAct(int tag)
{
    selectKind(KindFromIndex(tag - 100));
    // The entry stays checked even when its tab was already selected.
    m_kindActs[static_cast<std::size_t>(tag - 100)]->setChecked(true);
}

void TAcn5MainForm::CopyClipActExecute()
{
    copyToClipboard(CryptREdit->toPlainText());
}

void TAcn5MainForm::SolClipActExecute()
{
    copyToClipboard(SourceREdit->toPlainText());
}

void TAcn5MainForm::copyToClipboard(const QString& text)
{
    if (text.isEmpty() || selectedKind() == CipherKind::None) {
        ShowError(m_ui, this, NothingToCopyMessage);
        return;
    }
    m_ui.clipboard->setText(text);
    ShowProgress();
}

void TAcn5MainForm::ShowProgress()
{
    ProgBar->setValue(0);
    ProgBar->show();
    for (int i = 0; i < 10; ++i) {
        m_pause(25);
        ProgBar->setValue(ProgBar->value() + 10);
    }
    m_pause(750);
    ProgBar->hide();
}
