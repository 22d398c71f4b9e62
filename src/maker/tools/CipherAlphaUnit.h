#pragma once

#include <string>

#include <QDialog>

#include "KeyBoxScene.h"

class AcnProcs;
class HorizontalUpDown;
class KeyPaintBox;
class QPushButton;
class QToolButton;
class Random;

/// The two rows of the Cipher Alphabet window for a paint box of the given width: A to Z above, the alphabet
/// below (a key shorter than 26 leaves boxes empty, a longer one is drawn as far as the boxes go), all in black.
KeyBoxScene CipherAlphaScene(const std::string& alphabet, const QFont& base, int width, const QPaintDevice* device);

/// "Cipher Alphabet": shows the puzzle's substitution alphabet under the plain one, lets the user draw a new
/// random alphabet ("Reset") or, for an offset alphabet, turn it one place at a time (the arrows, at most 104
/// net turns either way). The main window stores alphabet() after OK.
class TCipherAlphaForm : public QDialog
{
    Q_OBJECT

public:
    TCipherAlphaForm(const AcnProcs& holder, Random& rng, QWidget* parent = nullptr);

    /// Shows the arrows instead of "Reset" when the puzzle's alphabet was drawn as an offset.
    void setOffsetMode(bool offset);
    std::string alphabet() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SpeedButton1Click();
    void UpDown1Click(bool next);
    void turnByKey(bool next);

    const AcnProcs& m_holder;
    Random& m_rng;
    bool m_offsetMode = false;
    std::string m_alphabet;
    KeyPaintBox* m_paint;
    QToolButton* m_reset;
    HorizontalUpDown* m_upDown;
    QPushButton* m_accept;
    QPushButton* m_cancel;
};
