#pragma once

#include <QDialog>
#include <QString>

#include "PuzzleChecks.h"

class QTextBrowser;

/// What the status bar and the Check Puzzle window show of one kind's check.
struct CheckView
{
    CipherKind kind = CipherKind::None;
    PuzzleChecks::Status status = PuzzleChecks::Status::None;
    const PuzzleRating* rating = nullptr; ///< set when status is Rated
    QString modelError;                   ///< set when status is NoModel
    double progress = 0;                  ///< while Running: the share of the solver's time bound used
    double seconds = 0;                   ///< while Running: how long the check has run
};

/// The short text of the status bar: "Checking...", "Difficulty: Hard 47", or "No tessarin5-english.model".
QString CheckStatusText(const CheckView& view);
/// The tool tip of the warning sign: each warning on a line of its own (empty without warnings).
QString CheckWarningsTip(const CheckView& view);
/// The whole report of the check as the Check Puzzle window shows it (HTML): the difficulty with the reasons it
/// rests on, the solver's outcome, and each warning with what to do about it.
QString CheckReportHtml(const CheckView& view);

/// Check Puzzle: the report of the selected kind's check. It stays open beside the main window, which hands it the
/// report again whenever the check or the selected kind changes.
class TCheckPuzzleForm : public QDialog
{
    Q_OBJECT
public:
    explicit TCheckPuzzleForm(QWidget* parent = nullptr);

    void showReport(const CheckView& view);
    /// The report as plain text.
    QString reportText() const;

private:
    QTextBrowser* m_report = nullptr;
    QString m_html;                       // the report shown
    CipherKind m_kind = CipherKind::None; // the kind it is of
};
