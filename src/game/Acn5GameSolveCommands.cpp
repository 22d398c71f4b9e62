// The main window's solving commands: Undo, the reveals, Restart, Score, the keys, the clock, tools and help.
#include "Acn5GameMainUnit.h"

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QUrl>

#include "ABCPaint.h"
#include "GameTexts.h"
#include "HelpUnit.h"
#include "PuzzlePaint.h"
#include "QtCodePage.h"
#include "SolvingCommands.h"
#include "ToolUnit.h"

namespace {
const QString HideKeysCaption = QStringLiteral("&Hide Keys...");
const QString ShowKeysCaption = QStringLiteral("S&how Keys...");
} // namespace

void TAcn5GameMainForm::repaintBoth()
{
    m_board->refresh();
    m_strip->update();
}

void TAcn5GameMainForm::UndoBtnClick()
{
    if (UndoCell(m_puzzle)) {
        repaintBoth();
    }
}

void TAcn5GameMainForm::LetterBtnClick()
{
    if (RevealLetter(m_puzzle)) {
        m_board->refresh();
    }
}

void TAcn5GameMainForm::RevealBtnMouseDown()
{
    if (!m_puzzle.IsOpen() || m_puzzle.GameKind == CipherKind::None) {
        return;
    }
    m_board->setReveal(true, RevealText(m_puzzle, m_puzzle.GameKind).value_or(std::string()));
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
    repaintBoth();
}

void TAcn5GameMainForm::ScorePuzzle1Click()
{
    const std::optional<std::string> answer = AnswerText(m_puzzle, m_puzzle.GameKind);
    if (!answer) {
        return;
    }
    std::vector<std::size_t> wrong = WrongCells(m_puzzle.BoardText, *answer);
    if (wrong.empty()) {
        m_board->refresh();
        m_services.dialogs->showInformation(
            this, QStringLiteral("Congratulations! Cryptogram has been correctly deciphered."));
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
        m_clockAction->setText(QStringLiteral("Timer Off"));
    } else {
        m_timer1->stop();
        setStatus(2, {});
        m_clockAction->setText(QStringLiteral("Timer On"));
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
    m_tool->show();
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
