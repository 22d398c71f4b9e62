#include "UpperCaseEdit.h"

#include "CodePage.h"
#include "QtCodePage.h"

UpperCaseEdit::UpperCaseEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = upperCased(text);
        if (upper != text) {
            const int cursor = cursorPosition();
            setText(upper);
            setCursorPosition(qMin(cursor, int(upper.size())));
        }
    });
}

QString UpperCaseEdit::upperCased(const QString& text)
{
    const CodePageConversion bytes = ToCodePage(text);
    return bytes.ok() ? FromCodePage(UpperCaseText(bytes.text)) : text.toUpper();
}
