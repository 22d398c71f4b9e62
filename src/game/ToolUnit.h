#pragma once

#include <functional>

#include <QDialog>

#include "ToolTexts.h"

class Dialogs;
class QLabel;
class QPlainTextEdit;
class QPushButton;

/// The tool window: the keys of the kind on the board as text (substitution alphabet, Playfair square, Quagmire
/// table or Vigenere table). It does not block the main window, shows only what it was given and changes nothing.
class TToolForm : public QDialog
{
    Q_OBJECT
public:
    TToolForm(ToolKeys keys, Dialogs* dialogs, QWidget* parent);

    QPlainTextEdit* memo() const { return m_memo; }

    /// Where the window goes when it is first shown (the main window places it beside its board); without one it
    /// goes to the screen's top left corner.
    void setPlacement(std::function<void(QWidget*)> place) { m_place = std::move(place); }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showContent(const ToolContent& content);
    void placeControls();
    void moveToScreenCorner();

    ToolKeys m_keys;
    Dialogs* m_dialogs;
    QPlainTextEdit* m_memo = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_ok = nullptr;
    int m_memoHeight = 150;
    int m_memoWidth = 0;
    bool m_built = false;
    std::function<void(QWidget*)> m_place;
};
