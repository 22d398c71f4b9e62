#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "KeyBoxScene.h"

class AcnProcs;
class KeyPaintBox;
struct PuzzleDocument;

/// What the keyword table window reads from the document once, when it is created.
struct KeyTableKeys
{
    std::string PlainKey;     ///< QUAGKEY, or the standard alphabet when it is empty
    std::string CipherKey;    ///< QUAGCKEY, or the standard alphabet when it is empty
    std::string IndicatorKey; ///< before the first "@" of QUAGINDI; seven copies of CipherKey's first letter if empty
    int Column = 1;           ///< the (at most two) characters after the first "@"; 1 without an "@"
    std::string QUAGKEY;      ///< as stored: its letters are red in the key row
    std::string QUAGCKEY;     ///< as stored: its letters are red in the cipher rows
    /// Set when the column text is not a number: the conversion error, to be shown; Column is then 0, which draws
    /// the rows as for column 1, marks no column and puts the caret left of the boxes.
    std::optional<std::string> ColumnError;
};

/// Reads the keys; never throws (see ColumnError).
KeyTableKeys ReadKeyTableKeys(const PuzzleDocument& puzzle);

/// The key row and one cipher row per indicator character, built as the Quagmire encoder builds its table.
std::vector<std::string> BuildKeyTableRows(const KeyTableKeys& keys);

/// The table's boxes for a paint box of the given width: the key row, a gap of one box, the cipher rows; red
/// letters for keyword letters and the indicator column, black for the rest; then the blue caret under the
/// column, two pixels below the last row.
KeyBoxScene KeyTableScene(const KeyTableKeys& keys, const QFont& base, int width, const QPaintDevice* device);

/// "Quagmire Keyword Table": draws the puzzle's Quagmire table. Changes nothing in the document.
/// A column that is not a number leaves columnError() set, for the caller to report before showing the window.
class TKeyTableForm : public QDialog
{
    Q_OBJECT

public:
    TKeyTableForm(const AcnProcs& holder, QWidget* parent = nullptr);
    /// Draws the table of puzzle's keys.
    TKeyTableForm(const PuzzleDocument& puzzle, QWidget* parent = nullptr);
    const std::optional<std::string>& columnError() const { return m_keys.ColumnError; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// Sizes the paint box to the table and places it in its view; returns the view's geometry.
    QRect placePaintBox();

    KeyTableKeys m_keys;
    KeyPaintBox* m_paint;
};
