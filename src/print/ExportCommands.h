#pragma once

#include "AcnProcsUnit.h"
#include "UiServices.h"

class QWidget;
class SettingsStore;

// The maker's three export commands. Each works from the document and the selected kind, asks for the file with a
// save dialog that suggests the puzzle's name, writes it whole through QSaveFile, and reports any failure through
// ui.dialogs->showError.

/// A UTF-8 text file: the title, the ciphertext as the print dialog breaks it and, after a question, the key lines
/// and the plaintext.
void ExportTextFile(QWidget* parent, const AcnProcs& holder, CipherKind kind, const SettingsStore& settings,
                    UiServices ui);
/// An RTF document with the content of the printed page in the print font; after a question, the key and the
/// solution, on a new page when a second question asks for it.
void ExportRtfFile(QWidget* parent, const AcnProcs& holder, CipherKind kind, const SettingsStore& settings,
                   UiServices ui);
/// A self-contained web page in which the substitution cryptogram can be solved in a browser.
void ExportCipherToWeb(QWidget* parent, const AcnProcs& holder, CipherKind kind, const SettingsStore& settings,
                       UiServices ui);
