#pragma once

#include <string>

#include <QDialog>

#include "KeyBoxScene.h"

class AcnProcs;
class KeyPaintBox;
class QPushButton;
class QToolButton;

/// The 5 x 5 boxes of the Playfair Square window for a paint box of the given width, the square read row by row.
KeyBoxScene PlayfairSquareScene(const std::string& square, const QFont& base, int width, const QPaintDevice* device);

/// "Playfair Square": shows the square built from PLAYKEY as stored and moves its 25 letters one place back or
/// forward in reading order. The main window stores square() in PLAYKEY after OK.
class TPlayfairSqForm : public QDialog
{
    Q_OBJECT

public:
    TPlayfairSqForm(const AcnProcs& holder, QWidget* parent = nullptr);

    std::string square() const;
    /// Shows the square of keyword instead of the one of PLAYKEY as stored (the keyword as typed in the main window).
    void setKeyword(const std::string& keyword);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ToolButton1Click();
    void ToolButton2Click();
    QWidget* makeToolBar();

    std::string m_square;
    KeyPaintBox* m_paint;
    QPushButton* m_accept;
    QPushButton* m_cancel;
};
