#pragma once

#include <QLineEdit>

/// A one-line edit that turns typed and pasted letters into capitals as they arrive, the keyword boxes' way.
class UpperCaseEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit UpperCaseEdit(QWidget* parent = nullptr);

    /// Upper-cases text as the code page does where it can hold the text, else by Unicode's rules.
    static QString upperCased(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
