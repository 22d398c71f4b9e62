// The main window's file commands: Open, Save, Exit and closing, the choice of a kind, the save animation.
#include "Acn5GameMainUnit.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTimer>

#include "ABCPaint.h"
#include "GameFile.h"
#include "KindRatings.h"
#include "PuzzlePaint.h"
#include "RailUnit.h"
#include "ToolUnit.h"

namespace {
const QString ShowKeysCaption = QStringLiteral("S&how Keys...");

QString KindCaption(CipherKind kind)
{
    static const char* const captions[CipherKindCount] = {"Substitution", "Rail Fence", "Playfair", "Quagmire",
                                                          "Vigenere"};
    return kind == CipherKind::None ? QString() : QString::fromLatin1(captions[static_cast<int>(kind)]);
}
} // namespace

bool TAcn5GameMainForm::querySaveSolutions()
{
    return QuerySaveSolutions(
        m_puzzle,
        [this] {
            switch (m_services.dialogs->askYesNoCancel(this, QString::fromLatin1(SaveSolutionsQuestion))) {
            case Answer::Yes:
                return SaveAnswer::Yes;
            case Answer::No:
                return SaveAnswer::No;
            case Answer::Cancel:
                break;
            }
            return SaveAnswer::Cancel;
        },
        [this] { SaveGamePuzzleWithProgress(); });
}

void TAcn5GameMainForm::OpenPuzzle1Click()
{
    guarded([this] {
        if (m_puzzle.IsOpen() && !querySaveSolutions()) {
            return;
        }
        FileDialogRequest request;
        request.title = QStringLiteral("Open a Tessarin cryptogram to solve");
        request.folder =
            OpenStartFolder(m_currentFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        request.filter = QStringLiteral("Tessarin Cryptogram (*.acnx)");
        request.defaultSuffix = QStringLiteral("acnx");
        const QString path = m_services.dialogs->openFileName(this, request);
        if (path.isEmpty()) {
            return;
        }
        // As the system's dialog does, the chosen file's folder is where the next Open looks.
        m_currentFolder = QFileInfo(path).absolutePath();
        openPuzzleFile(path);
    });
}

void TAcn5GameMainForm::openPuzzleFile(const QString& path)
{
    if (guarded([&] { LoadGamePuzzle(m_puzzle, path); })) {
        afterOpen(path);
    }
}

void TAcn5GameMainForm::afterOpen(const QString& path)
{
    m_board->setInputEnabled(true);
    m_strip->setInputEnabled(true);
    m_puzzle.FileName = QFileInfo(path).absoluteFilePath().toStdString();
    m_showKeys->setText(ShowKeysCaption);
    for (QAction* a : {m_save, m_restart, m_score, m_showKeys}) {
        a->setEnabled(true);
    }
    setWindowTitle(GameCaption(path));
    m_ratings->rate(m_puzzle);
    const CipherKind first = m_puzzle.FirstPresentKind();
    if (first != CipherKind::None) {
        CryptoSelectClick(first);
        m_board->setFocus();
        return;
    }
    // No solution line holds anything: no kind, a blank board, nothing in the kind and key panels.
    closeKindWindows();
    m_puzzle.ClearKind();
    setStatus(0, {});
    setStatus(1, {});
    clearStoppedClock();
    repaintBoth();
    updateSolvedKinds(false);
    m_services.dialogs->showInformation(
        this, QStringLiteral("The puzzle \"%1\" has no cryptograms.").arg(QFileInfo(path).fileName()));
}

void TAcn5GameMainForm::closeKindWindows()
{
    for (QAction* tool : m_toolActions) {
        if (tool != nullptr) {
            tool->setEnabled(false);
        }
    }
    // Both show the keys or the letters of the board being left; another puzzle's keys would mislead.
    if (m_tool) {
        m_tool->close();
    }
    if (m_rails) {
        m_rails->close();
    }
}

void TAcn5GameMainForm::CryptoSelectClick(CipherKind kind)
{
    closeKindWindows();
    const bool cryptogram = m_puzzle.ChooseKind(kind);
    if (cryptogram && m_toolActions[static_cast<int>(kind)] != nullptr) {
        m_toolActions[static_cast<int>(kind)]->setEnabled(true);
    }
    repaintBoth();
    updateSolvedKinds(false);
    if (cryptogram) {
        setStatus(0, KindCaption(kind).toUpper());
    } else {
        setStatus(0, {});
        m_services.dialogs->showInformation(this,
                                            QStringLiteral("Puzzle contains no %1 encryption.").arg(KindCaption(kind)));
    }
    setStatus(1, {});
    clearStoppedClock();
    m_showKeys->setText(ShowKeysCaption);
}

void TAcn5GameMainForm::Save1Click()
{
    guarded([this] { SaveGamePuzzleWithProgress(); });
}

void TAcn5GameMainForm::SaveGamePuzzleWithProgress()
{
    if (!m_puzzle.IsOpen()) {
        return;
    }
    SaveGamePuzzle(m_puzzle);
    ShowSaveProgress();
}

void TAcn5GameMainForm::Exit1Click()
{
    m_puzzle.StoreBoard();
    close();
}

void TAcn5GameMainForm::closeEvent(QCloseEvent* event)
{
    bool goOn = false;
    if (!guarded([&] { goOn = querySaveSolutions(); })) {
        goOn = false; // a save that failed keeps the window open, so no work is lost
    }
    if (goOn) {
        m_ratings->cancel();
        closeKindWindows();
        event->accept();
    } else {
        event->ignore();
    }
}

void TAcn5GameMainForm::ShowSaveProgress()
{
    m_progBar->setValue(0);
    m_progBar->show();
    for (int i = 0; i < 10; ++i) {
        WaitMilliseconds(m_stepMs);
        m_progBar->setValue(qMin(100, m_progBar->value() + 10));
    }
    WaitMilliseconds(m_holdMs);
    m_progBar->hide();
}

void TAcn5GameMainForm::WaitMilliseconds(int ms)
{
    // Window events go on being handled during the wait, so the solver can keep working.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
