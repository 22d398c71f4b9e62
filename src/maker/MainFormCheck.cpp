// The background check of the cryptograms: started after every command that leaves a kind's cryptogram changed,
// shown in status panel 5 (a busy bar while it runs, then the difficulty and a warning sign), and the Check Puzzle
// window with the whole report.
#include "Acn5MainForm.h"

#include <thread>

#include <QAction>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include "AcnProcsUnit.h"
#include "CheckPuzzleForm.h"
#include "PuzzleChecks.h"

namespace {

QToolButton* panelButton(const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setCursor(Qt::PointingHandCursor);
    // As tall as the panel's own text, so that the status bar keeps its height and the texts stay on one line.
    button->setStyleSheet(QStringLiteral("QToolButton { padding: 0px 2px; margin: 0px; }"));
    button->setFixedHeight(parent->fontMetrics().height());
    return button;
}

} // namespace

void TAcn5MainForm::buildCheckPanel()
{
    m_checks = new PuzzleChecks(this);
    m_checks->setObjectName(QStringLiteral("PuzzleChecks"));
    // The solver leaves one core to the window, so that typing and menus stay quick while it works.
    RatingOptions options;
    const unsigned cores = std::thread::hardware_concurrency();
    options.threads = cores > 1 ? cores - 1 : 1;
    m_checks->setOptions(options);
    connect(m_checks, &PuzzleChecks::changed, this, &TAcn5MainForm::showCheck);
    m_checkTimer = new QTimer(this);
    m_checkTimer->setInterval(500);
    connect(m_checkTimer, &QTimer::timeout, this, &TAcn5MainForm::showCheck);
    // The status bar follows the selected tab, whichever way it is selected.
    connect(TabSet1, &QTabBar::currentChanged, this, &TAcn5MainForm::refreshChecks);
    // Panel 5 keeps its own (empty) text; the check's controls sit on it.
    QLabel* panel = m_panels[5];
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(4);
    CheckBusy = new QProgressBar(panel);
    CheckBusy->setObjectName(QStringLiteral("CheckBusy"));
    CheckBusy->setRange(0, 0); // no end known: the bar runs to and fro while the check works
    CheckBusy->setTextVisible(false);
    CheckBusy->setFixedSize(32, 10);
    CheckBtn = panelButton(QStringLiteral("CheckBtn"), panel);
    CheckWarnBtn = panelButton(QStringLiteral("CheckWarnBtn"), panel);
    CheckWarnBtn->setToolButtonStyle(Qt::ToolButtonIconOnly);
    CheckWarnBtn->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    CheckWarnBtn->setIconSize(QSize(14, 14));
    layout->addWidget(CheckBusy);
    layout->addWidget(CheckBtn);
    layout->addWidget(CheckWarnBtn);
    layout->addStretch();
    for (QToolButton* button : {CheckBtn, CheckWarnBtn}) {
        connect(button, &QToolButton::clicked, this, [this] { CheckPuzzleAct->trigger(); });
    }
    showCheck();
}

void TAcn5MainForm::setRatingEngine(const RatingEngine* engine)
{
    m_checks->setEngine(engine);
}

void TAcn5MainForm::refreshChecks()
{
    if (m_checks == nullptr || TabSet1 == nullptr) {
        return; // still being built
    }
    m_checks->setProgramFolder(QFile::encodeName(m_programFolder).toStdString());
    m_checks->Update(m_holder.Puzzle, selectedKind());
    showCheck();
}

void TAcn5MainForm::showCheck()
{
    if (CheckPuzzleAct == nullptr) {
        return; // still being built
    }
    CheckView view;
    view.kind = selectedKind();
    view.status = m_checks->StatusOf(view.kind);
    view.rating = m_checks->RatingOf(view.kind);
    view.modelError = m_checks->ModelError();
    view.progress = m_checks->ProgressOf(view.kind);
    view.seconds = m_checks->SecondsOf(view.kind);
    const QString text = CheckStatusText(view);
    const QString warnings = CheckWarningsTip(view);
    const bool running = view.status == PuzzleChecks::Status::Running;
    CheckBusy->setVisible(running);
    // The bar runs to and fro until the solver reports its share of the time bound, then fills with it.
    CheckBusy->setRange(0, view.progress >= 0.01 ? 100 : 0);
    CheckBusy->setValue(qRound(100 * view.progress));
    if (running != m_checkTimer->isActive()) {
        running ? m_checkTimer->start() : m_checkTimer->stop();
    }
    CheckBtn->setVisible(!text.isEmpty());
    CheckBtn->setText(text);
    CheckBtn->setToolTip(view.status == PuzzleChecks::Status::NoModel
                             ? view.modelError
                             : QStringLiteral("The check of this cryptogram: click for the whole report (%1)")
                                   .arg(CheckPuzzleAct->shortcut().toString(QKeySequence::NativeText)));
    CheckWarnBtn->setVisible(!warnings.isEmpty());
    CheckWarnBtn->setToolTip(warnings);
    if (m_checkForm != nullptr) {
        m_checkForm->showReport(view);
    }
}

void TAcn5MainForm::CheckPuzzleActExecute()
{
    if (m_checkForm == nullptr) {
        m_checkForm = new TCheckPuzzleForm(this);
        m_checkForm->setAttribute(Qt::WA_DeleteOnClose);
    }
    showCheck();
    m_checkForm->show();
    m_checkForm->raise();
    m_checkForm->activateWindow();
}
