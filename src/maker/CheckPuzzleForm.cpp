#include "CheckPuzzleForm.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtMath>

#include "QtCodePage.h"

namespace {

QString kindTitle(CipherKind kind)
{
    switch (kind) {
    case CipherKind::Cipher:
        return QStringLiteral("Substitution (cipher tab)");
    case CipherKind::Railfence:
        return QStringLiteral("Rail fence (railfence tab)");
    case CipherKind::Playfair:
        return QStringLiteral("Playfair (playfair tab)");
    case CipherKind::Quagmire:
        return QStringLiteral("Quagmire (quagmire tab)");
    case CipherKind::Vigenere:
        return QStringLiteral("Vigen\u00e8re (vigenere tab)");
    case CipherKind::None:
        break;
    }
    return QStringLiteral("No tab selected");
}

QString escaped(const std::string& codePageText)
{
    return FromCodePage(codePageText).toHtmlEscaped();
}

QString stepOf(const PuzzleRating& rating)
{
    const std::string_view name = DifficultyStepName(rating.step);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QString ratedReport(const PuzzleRating& rating)
{
    QString html = QStringLiteral("<p><b>Difficulty: %1</b> (%2 of 100 points; every 20 points is a step from Easy "
                                  "to Extreme)</p><h3>What it rests on</h3><table cellspacing=\"0\" cellpadding=\"2\">")
                       .arg(stepOf(rating))
                       .arg(rating.number);
    for (const RatingReason& reason : rating.reasons) {
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\" style=\"padding-left: 16px\">%2</td></tr>")
                    .arg(escaped(reason.text),
                         reason.points > 0 ? QStringLiteral("+%1").arg(reason.points) : QString::number(reason.points));
    }
    html += QStringLiteral("</table>");
    if (rating.solved) {
        html += QStringLiteral("<p>The solver broke it in %1 s.</p>").arg(rating.seconds, 0, 'f', 1);
    } else if (!rating.solverPlaintext.empty()) {
        html += QStringLiteral("<p>The solver did not break it in %1 s. Its best reading:</p><p style=\"white-space: "
                               "pre-wrap; font-family: monospace\">%2</p>")
                    .arg(rating.seconds, 0, 'f', 1)
                    .arg(escaped(rating.solverPlaintext));
    }
    html += QStringLiteral("<h3>Warnings</h3>");
    if (rating.warnings.empty()) {
        html += QStringLiteral("<p>None.</p>");
    }
    for (const RatingWarning& warning : rating.warnings) {
        html +=
            QStringLiteral("<p><b>%1</b><br>What to do: %2</p>").arg(escaped(warning.text), escaped(warning.advice));
    }
    return html;
}

} // namespace

QString CheckStatusText(const CheckView& view)
{
    switch (view.status) {
    case PuzzleChecks::Status::Running:
        return QStringLiteral("Checking\u2026");
    case PuzzleChecks::Status::Rated:
        return QStringLiteral("Difficulty: %1 %2").arg(stepOf(*view.rating)).arg(view.rating->number);
    case PuzzleChecks::Status::NoModel:
        return QStringLiteral("No %1").arg(QString::fromStdString(LanguageModel::FileBeside({}).filename().string()));
    case PuzzleChecks::Status::None:
        break;
    }
    return {};
}

QString CheckWarningsTip(const CheckView& view)
{
    QStringList lines;
    if (view.status == PuzzleChecks::Status::Rated) {
        for (const RatingWarning& warning : view.rating->warnings) {
            lines.append(FromCodePage(warning.text));
        }
    }
    return lines.join(u'\n');
}

QString CheckReportHtml(const CheckView& view)
{
    QString html = QStringLiteral("<h2>%1</h2>").arg(kindTitle(view.kind));
    switch (view.status) {
    case PuzzleChecks::Status::None:
        html += view.kind == CipherKind::None
                    ? QStringLiteral("<p>Select a tab to see the check of its cryptogram.</p>")
                    : QStringLiteral("<p>This kind has no cryptogram yet. Encrypt a text and it is checked at "
                                     "once.</p>");
        break;
    case PuzzleChecks::Status::Running:
        html += QStringLiteral("<p>The check of this cryptogram is still running (%1 s so far%2). The report "
                               "appears here as soon as it ends.</p>")
                    .arg(qFloor(view.seconds))
                    .arg(view.progress >= 0.01 ? QStringLiteral("; the solver has used %1 % of its time at most")
                                                     .arg(qRound(100 * view.progress))
                                               : QString());
        break;
    case PuzzleChecks::Status::NoModel:
        html += QStringLiteral("<p>The cryptogram cannot be checked: %1.</p><p>The checks need the language model "
                               "file that is installed beside the program.</p>")
                    .arg(view.modelError.toHtmlEscaped());
        break;
    case PuzzleChecks::Status::Rated:
        html += ratedReport(*view.rating);
        break;
    }
    return html;
}

TCheckPuzzleForm::TCheckPuzzleForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CheckPuzzleForm"));
    setWindowTitle(QStringLiteral("Check Puzzle"));
    auto* layout = new QVBoxLayout(this);
    m_report = new QTextBrowser(this);
    m_report->setObjectName(QStringLiteral("CheckReport"));
    m_report->setOpenLinks(false);
    layout->addWidget(m_report);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 500);
}

void TCheckPuzzleForm::showReport(const CheckView& view)
{
    // The report is shown again after every command of the maker and every second of a running check; an author
    // reading far down a long report keeps the place unless the report is of another kind.
    const QString html = CheckReportHtml(view);
    if (html == m_html) {
        return;
    }
    QScrollBar* scroll = m_report->verticalScrollBar();
    const int place = view.kind == m_kind ? scroll->value() : 0;
    m_html = html;
    m_kind = view.kind;
    m_report->setHtml(html);
    scroll->setValue(place);
}

QString TCheckPuzzleForm::reportText() const
{
    return m_report->toPlainText();
}
