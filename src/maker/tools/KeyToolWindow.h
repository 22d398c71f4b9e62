#pragma once

#include <QString>

class QDialog;
class QPushButton;
class QWidget;

// The frame shared by the four key windows: a tool-window frame, a border of 12 pixels, the button-face colour,
// Tahoma at 8 points, and a place at the top left corner of the screen.

inline constexpr int KeyWindowBorder = 12;
inline constexpr int KeyButtonWidth = 75;
inline constexpr int KeyButtonHeight = 25;

/// Caption, frame, font and colour of a key window.
void SetUpKeyToolWindow(QDialog& window, const QString& caption);

/// A 75 x 25 push button at (left, top) of the window's inner area (inside the border).
QPushButton* MakeKeyButton(QDialog& window, const QString& name, const QString& caption, int left, int top);

/// Places a window that has a parent over the parent's window, kept on the screen; one without a parent goes to the
/// top left corner of the screen it is on. The keyboard focus starts on its OK button ("AcceptBtn") when it has one.
void MoveToScreenTopLeft(QWidget& window);
