#pragma once

#include <QString>

#include "UiServices.h"

class QWidget;

/// The maker's own error report: the error sound starts, then the error box (stop icon, the message, one OK
/// button) is shown; returns when the box is dismissed. The box does not wait for the sound.
void ShowError(const UiServices& ui, QWidget* parent, const QString& message);

/// The program's general error report for an error that ended a command: the error box without a sound.
void ReportError(const UiServices& ui, QWidget* parent, const QString& message);

/// Waits ms milliseconds while window events keep being processed, so other commands can run inside the wait.
void PauseFor(int ms);
