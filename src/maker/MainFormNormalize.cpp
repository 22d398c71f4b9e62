// Normalize Source and Patristocrat.
#include "Acn5MainForm.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include "AcnProcsUi.h"
#include "AcnProcsUnit.h"
#include "Normalize.h"
#include "QtCodePage.h"

void TAcn5MainForm::DistillActExecute()
{
    if (SourceREdit->toPlainText().isEmpty()) {
        return;
    }
    const std::string normalized = NormalizeLines(editorLinesAsLaidOut());
    // The normalized text is unsaved work until it is saved: with the editor now showing what the document holds,
    // nothing else would tell that it differs from the file (or that a new puzzle's text was never saved).
    PuzzleDocument& doc = m_holder.Puzzle;
    doc.Changed = doc.Changed || normalized != doc.PLAIN;
    doc.PLAIN = normalized;
    // One edit of the editor's text, so that Undo brings the author's lines back.
    QTextCursor cursor(SourceREdit->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(FromCodePage(normalized));
    if (m_ui.dialogs->confirm(this, QString::fromUtf8(PlaintextChangedHeading.data()),
                              QString::fromUtf8(PlaintextChangedText.data()))) {
        SaveCurrentPuzzle();
    }
}

std::vector<std::string> TAcn5MainForm::editorLinesAsLaidOut() const
{
    // The lines as the editor lays them out: with word wrap a paragraph gives several lines. Each paragraph is laid
    // out afresh at the editor's width, because the editor itself lays out only what is visible. Every line is
    // converted first, so a character the code page cannot hold refuses the command before anything changes.
    std::vector<std::string> lines;
    const QTextDocument* document = SourceREdit->document();
    const qreal width = SourceREdit->viewport()->width() - 2 * document->documentMargin();
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (block == document->lastBlock() && text.isEmpty() && block != document->begin()) {
            break; // a trailing empty line does not count
        }
        if (width <= 0 || SourceREdit->lineWrapMode() == QPlainTextEdit::NoWrap) {
            // A line break typed with Shift+Enter stays inside the paragraph as a line separator; it ends a line.
            for (const QString& part : text.split(QChar::LineSeparator)) {
                lines.push_back(ToCodePageOrThrow(part));
            }
            continue;
        }
        QTextLayout layout(text, SourceREdit->font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
        }
        layout.endLayout();
        if (layout.lineCount() == 0) {
            lines.emplace_back();
        }
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            // A line separator (Shift+Enter) ends its line as laid out; it is no character of the text.
            QString piece = text.mid(line.textStart(), line.textLength());
            lines.push_back(ToCodePageOrThrow(piece.replace(QChar::LineSeparator, QLatin1Char(' '))));
        }
    }
    return lines;
}

void TAcn5MainForm::PatristActExecute()
{
    if (CryptREdit->toPlainText().isEmpty()) {
        return;
    }
    PuzzleDocument& doc = m_holder.Puzzle;
    // A cryptogram of digits and signs alone would be regrouped into nothing, and lost.
    const std::string regrouped = PatristocratText(doc.CIPHER);
    if (regrouped.empty()) {
        ShowError(m_ui, this, QString::fromUtf8(NoLettersToRegroupText.data()));
        return;
    }
    if (HasSelfLetter(doc.CIPHKEY) && !m_ui.dialogs->confirm(this, QStringLiteral("Encryption Alert"),
                                                             QString::fromUtf8(SelfLetterAlertText.data()))) {
        return;
    }
    doc.CIPHER = regrouped;
    CryptREdit->setPlainText(FromCodePage(doc.CIPHER));
    doc.Changed = true;
}
