#pragma once

#include <QDialog>

#include "KeyBoxScene.h"

/// The Vigenere tableau for a paint box of the given width: the header row of plaintext letters in blue, a gap
/// of one box, then the 26 rows in black, row k the alphabet turned left by k - 1.
KeyBoxScene VigenereTableScene(const QFont& base, int width, const QPaintDevice* device);

/// The row letters A to Z in blue, one box each, level with the tableau's rows; tableWidth is the width of the
/// tableau's paint box, which sets the box size of both.
KeyBoxScene VigenereSideScene(const QFont& base, int tableWidth, const QPaintDevice* device);

class AcnProcs;

/// "Vigenere Table": the tableau with its header and row letters. It reads no document field.
class TVigenTableForm : public QDialog
{
    Q_OBJECT

public:
    TVigenTableForm(const AcnProcs& holder, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
