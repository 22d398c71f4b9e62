#include "UpperCaseEdit.h"

#include <QKeyEvent>

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

void UpperCaseEdit::keyPressEvent(QKeyEvent* event)
{
    // A typed letter arrives as its capital, an ordinary edit that Undo takes back; setting the text afterwards,
    // as for pasted or dropped text, would wipe the box's undo history with every letter typed.
    const QString upper = upperCased(event->text());
    if (event->text().isEmpty() || upper == event->text()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent capital(event->type(), event->key(), event->modifiers(), upper, event->isAutoRepeat(),
                      static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&capital);
    event->setAccepted(capital.isAccepted());
}

QString UpperCaseEdit::upperCased(const QString& text)
{
    const CodePageConversion bytes = ToCodePage(text);
    return bytes.ok() ? FromCodePage(UpperCaseText(bytes.text)) : text.toUpper();
}
