// The main window's solving commands: Undo, hints, the reveals, Restart, Score, the keys, the clock, tools and help.
#include "Acn5GameMainUnit.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QTimer>
#include <QUrl>

#include "ABCPaint.h"
#include "GameHints.h"
#include "GameTexts.h"
#include "HelpUnit.h"
#include "LetterCounts.h"
#include "PuzzlePaint.h"
#include "QtCodePage.h"
#include "RailUnit.h"
#include "SolvingCommands.h"
#include "ToolUnit.h"

namespace {
const QString HideKeysCaption = QStringLiteral("&Hide Keys...");
const QString ShowKeysCaption = QStringLiteral("S&how Keys...");

QIcon KindPicture(const QString& name)
{
    return QIcon(QStringLiteral(":/game/pictures/%1.svg").arg(name));
}

// The kind's picture with a green tick in its lower right corner: the kind is solved.
QIcon SolvedPicture(const QString& name)
{
    QPixmap pixmap = KindPicture(name).pixmap(32, 32);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QRectF(17, 17, 15, 15));
    painter.setPen(QPen(QColor(0, 150, 0), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(20, 24.5), QPointF(23.5, 28), QPointF(29, 20.5)}));
    painter.end();
    return QIcon(pixmap);
}

const char* const KindPictures[CipherKindCount] = {"substitution", "railfence", "playfair", "quagmire", "vigenere"};
} // namespace

void TAcn5GameMainForm::repaintBoth()
{
    m_board->refresh();
    m_strip->update();
    m_counts->refresh();
    updateHintDisplay();
}

void TAcn5GameMainForm::updateHintDisplay()
{
    const SolveHint* hint = ShownHint(m_puzzle);
    m_hintLine->setText(hint != nullptr ? QString::fromStdString(HintLineText(*hint)) : QString());
    m_hintLine->setVisible(hint != nullptr);
    m_hintsPanel->setText(QString::fromStdString(HintCountText(m_puzzle)));
    m_hintLine->unsetCursor();
    if (hint == nullptr) {
        return;
    }
    // The board's view takes its height with the hint line under it; then it is known whether the marked cells can
    // be seen together, or must be looked at in turn from a click on the line.
    centralWidget()->layout()->activate();
    if (m_scroller->cellsOutgrowView(HintPositions(m_puzzle))) {
        m_hintLine->setText(m_hintLine->text() + QStringLiteral("  Click here to see the other marked cells."));
        m_hintLine->setCursor(Qt::PointingHandCursor);
    }
}

void TAcn5GameMainForm::HintBtnClick()
{
    if (PressHint(m_puzzle) != HintPress::Nothing) {
        boardChanged();
        m_scroller->showCells(HintPositions(m_puzzle));
    }
}

void TAcn5GameMainForm::HintLineClick()
{
    m_scroller->showCells(HintPositions(m_puzzle), true);
}

void TAcn5GameMainForm::boardChanged()
{
    repaintBoth();
    m_scroller->showSelection();
    updateSolvedKinds(true);
}

void TAcn5GameMainForm::updateSolvedKinds(bool announce)
{
    bool finished = false;
    for (int i = 0; i < CipherKindCount; ++i) {
        const CipherKind kind = KindFromIndex(i);
        const bool solved = m_puzzle.IsOpen() && m_puzzle.KindSolved(kind);
        if (solved != m_solved[i]) {
            const QString picture = QString::fromLatin1(KindPictures[i]);
            m_kindActions[i]->setIcon(solved ? SolvedPicture(picture) : KindPicture(picture));
            finished = finished || (solved && kind == m_puzzle.GameKind);
        }
        m_solved[i] = solved;
    }
    if (announce && finished) {
        congratulate();
    }
}

void TAcn5GameMainForm::congratulate()
{
    stopClockForFinish();
    const int hints = m_puzzle.HintsUsed[static_cast<std::size_t>(m_puzzle.GameKind)];
    m_services.dialogs->showInformation(this, QString::fromStdString(CongratulationText(hints)));
}

void TAcn5GameMainForm::stopClockForFinish()
{
    // The clock stops and keeps showing the time the solver took.
    if (m_timer1->isActive()) {
        m_timer1->stop();
        m_clockAction->setText(QStringLiteral("&Timer On"));
    }
}

void TAcn5GameMainForm::clearStoppedClock()
{
    if (!m_timer1->isActive()) {
        setStatus(2, {});
    }
}

void TAcn5GameMainForm::UndoBtnClick()
{
    if (UndoStep(m_puzzle)) {
        boardChanged();
    }
}

void TAcn5GameMainForm::RedoBtnClick()
{
    if (RedoStep(m_puzzle)) {
        boardChanged();
    }
}

void TAcn5GameMainForm::LetterBtnClick()
{
    if (RevealLetter(m_puzzle)) {
        boardChanged();
    }
}

void TAcn5GameMainForm::RevealBtnMouseDown()
{
    if (!m_puzzle.IsOpen() || m_puzzle.GameKind == CipherKind::None) {
        return;
    }
    m_board->setReveal(true, RevealText(m_puzzle));
}

void TAcn5GameMainForm::RevealBtnMouseUp()
{
    if (m_board->revealing()) {
        m_board->setReveal(false);
    }
}

void TAcn5GameMainForm::RestartPuzzle1Click()
{
    RestartBoard(m_puzzle);
    boardChanged();
}

void TAcn5GameMainForm::ScorePuzzle1Click()
{
    if (m_puzzle.GameKind == CipherKind::None) {
        return;
    }
    std::vector<std::size_t> wrong = WrongCells(m_puzzle);
    if (wrong.empty()) {
        m_board->refresh();
        if (m_puzzle.KindSolved(m_puzzle.GameKind)) {
            congratulate();
        }
        return;
    }
    m_board->showScoreMarks(std::move(wrong));
}

void TAcn5GameMainForm::ShowKeys1Click()
{
    if (m_showKeys->text() == HideKeysCaption) {
        setStatus(1, {});
        m_showKeys->setText(ShowKeysCaption);
        return;
    }
    setStatus(1, FromCodePage(KeyText(m_puzzle)));
    m_showKeys->setText(HideKeysCaption);
}

void TAcn5GameMainForm::Clock1Click()
{
    if (!m_timer1->isActive()) {
        m_clock.Reset();
        setStatus(2, QString::fromStdString(m_clock.Text()));
        m_timer1->start();
        m_clockAction->setText(QStringLiteral("&Timer Off"));
    } else {
        m_timer1->stop();
        setStatus(2, {});
        m_clockAction->setText(QStringLiteral("&Timer On"));
    }
}

void TAcn5GameMainForm::Timer1Timer()
{
    m_clock.Tick();
    setStatus(2, QString::fromStdString(m_clock.Text()));
}

void TAcn5GameMainForm::ToolMenuClick()
{
    if (m_tool) {
        delete m_tool.data();
    }
    ToolKeys keys{m_puzzle.GameKind, m_puzzle.CIPHKEY,  m_puzzle.PLAYKEY, m_puzzle.QUAGKEY,
                  m_puzzle.QUAGCKEY, m_puzzle.QUAGINDI, m_puzzle.VIGENKEY};
    m_tool = new TToolForm(std::move(keys), m_services.dialogs, this);
    m_tool->setPlacement([this](QWidget* tool) { PlaceBesideBoard(tool, this, m_scroller); });
    m_tool->show();
    // A tool window is not given the focus on its own: the keys went on reaching the board.
    m_tool->activateWindow();
}

TRailForm* TAcn5GameMainForm::railWindow() const
{
    return m_rails.data();
}

void TAcn5GameMainForm::RailsMenuClick()
{
    if (m_rails) {
        delete m_rails.data();
    }
    m_rails = new TRailForm(m_puzzle, this);
    connect(m_rails, &TRailForm::readIntoBoard, this, [this](int rails) {
        if (ReadRailsIntoBoard(m_puzzle, rails)) {
            boardChanged();
        }
    });
    m_rails->show();
    PlaceBesideBoard(m_rails, this, m_scroller);
    m_rails->activateWindow();
}

void TAcn5GameMainForm::TessHelpClick()
{
    THelpForm help(this);
    help.exec();
}

void TAcn5GameMainForm::WebsiteItemClick()
{
    m_services.shell->open(QUrl(WebsiteAddress));
}

void TAcn5GameMainForm::About1Click()
{
    m_services.dialogs->showInformation(
        this, QStringLiteral("About Tessarin Game Edition\n\n"
                             "Tessarin 5 Game Edition, version 5.0, by Dunmarrow.\n"
                             "Solve the cryptograms of Tessarin puzzle files and save your progress in them.\n\n"
                             "This program is free to copy and to pass on, unchanged and free of charge, "
                             "together with Tessarin puzzle files."));
}
