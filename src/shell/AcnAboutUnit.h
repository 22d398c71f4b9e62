#pragma once

#include <QDialog>

/// The about box: the logo and the product name, the line "Cryptogram puzzles for Windows", the version line and
/// an OK button that closes it.
class TAcnAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAcnAboutForm(QWidget* parent = nullptr);
};
