#pragma once

#include <QDialog>

#include "GamePuzzle.h"

class QPlainTextEdit;
class QSpinBox;

/// The rail fence worked by hand: the ciphertext's letters laid out in zigzag over the number of rails the solver
/// chooses, with the reading along the zigzag; "Read into Board" writes that reading into the board. It does not
/// block the main window.
class TRailForm : public QDialog
{
    Q_OBJECT
public:
    TRailForm(const GamePuzzle& puzzle, QWidget* parent);

    int rails() const;
    void setRails(int rails);
    QPlainTextEdit* memo() const { return m_memo; }

Q_SIGNALS:
    /// The solver asked to write the reading for rails into the board.
    void readIntoBoard(int rails);

private:
    void showLayout();

    const GamePuzzle& m_puzzle;
    QSpinBox* m_rails = nullptr;
    QPlainTextEdit* m_memo = nullptr;
};

/// Places a tool window beside the main window's board: right of the main window where the screen has room, else
/// left of it, else over the lower right of the board; never over the menu bar.
void PlaceBesideBoard(QWidget* tool, const QWidget* mainWindow, const QWidget* board);
