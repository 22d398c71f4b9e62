#pragma once

class QPrinter;
class QWidget;

/// The maker's one printer for the whole session: Printer Setup and the print dialog share it, so that the printer,
/// paper, copies and page range chosen in either are the ones the next job uses. Made on first use (Letter,
/// portrait, one copy, the job name "<document>") and released with the application.
QPrinter& SessionPrinter();

/// True when printer is a real printer of the system (not a file target).
bool HasPrinter(const QPrinter& printer);

/// Sets the page margins to the printer's unprintable margins for the paper chosen; without a printer the page
/// has no margins.
void FitPrintableMargins(QPrinter& printer);

/// Printer Setup: the system's printer dialog on printer, titled "Printer Setup", its accepting button "OK"
/// (nothing prints from it). Returns true when the user accepted; the margins then follow the chosen printer.
bool RunPrinterSetup(QWidget* parent, QPrinter& printer);
