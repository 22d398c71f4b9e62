#pragma once

#include <functional>

#include <QMainWindow>
#include <QPointer>

#include "GameClock.h"
#include "GamePuzzle.h"
#include "UiServices.h"

class ABCPaint;
class BoardScroller;
class KindRatings;
class LetterCountPaint;
class PuzzlePaint;
class QAction;
class QLabel;
class QProgressBar;
class QTimer;
class TRailForm;
class TToolForm;

/// The game's main window: tool bar with the kind buttons, alphabet strip, board, status bar and menus.
/// Commands live in the files that own them: file commands (Acn5GameFileCommands.cpp) and solving commands
/// (Acn5GameSolveCommands.cpp).
class TAcn5GameMainForm : public QMainWindow
{
    Q_OBJECT
public:
    /// The maker's web site, opened from the Help menu.
    static const QString WebsiteAddress;

    explicit TAcn5GameMainForm(UiServices services, QWidget* parent = nullptr);
    ~TAcn5GameMainForm() override;

    GamePuzzle& puzzle() { return m_puzzle; }
    const GameClock& clock() const { return m_clock; }
    PuzzlePaint* board() const { return m_board; }
    ABCPaint* strip() const { return m_strip; }
    /// The open tool window, or nullptr (ToolWindowOpen).
    TToolForm* toolWindow() const;
    /// The open rail fence window, or nullptr.
    TRailForm* railWindow() const;
    BoardScroller* scroller() const { return m_scroller; }
    LetterCountPaint* letterCounts() const { return m_counts; }
    /// The difficulty of each kind for the kind buttons' tooltips; the program points it at its language model.
    KindRatings* ratings() const { return m_ratings; }

    /// Opens a puzzle file as Open does after its dialog (steps 5 to 10); errors reach the error report.
    void openPuzzleFile(const QString& path);

    /// The save animation's waits, in milliseconds (25 and 750); tests shorten them.
    void setSaveAnimationTimes(int stepMs, int holdMs);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (Acn5GameMainUnit.cpp).
    void buildToolBar();
    void buildMenus();
    void buildPuzzleMenu();
    void buildOptionsMenu();
    void buildToolsMenu();
    void buildHelpMenu();
    void buildCentre();
    void buildStatusBar();
    QAction* makeAction(const char* name, const QString& text, const QString& picture = {});

    // File commands and kinds (Acn5GameFileCommands.cpp).
    void OpenPuzzle1Click();
    void Save1Click();
    void Exit1Click();
    void CryptoSelectClick(CipherKind kind);
    /// The tool and rail fence windows close and the Tools items are disabled: the board leaves its kind.
    void closeKindWindows();
    bool querySaveSolutions();
    void SaveGamePuzzleWithProgress();
    void ShowSaveProgress();
    void WaitMilliseconds(int ms);
    void afterOpen(const QString& path);

    // Solving commands, keys, timer, tools and help (Acn5GameSolveCommands.cpp).
    void UndoBtnClick();
    void RedoBtnClick();
    void RailsMenuClick();
    /// After every change of the board or the selection: repaint, scroll the selection into view, update Undo and
    /// Redo, and notice a finished puzzle (congratulation, timer stopped, kind marked solved).
    void boardChanged();
    /// Marks the kind buttons of solved kinds; with announce, a kind that became solved is congratulated.
    void updateSolvedKinds(bool announce);
    void stopClockForFinish();
    /// A clock stopped by a finish shows the time taken on that board only: when another board is put up (another
    /// kind or file) the panel is emptied, as it is whenever the clock is off. A running clock goes on counting.
    void clearStoppedClock();
    /// Stops the clock and congratulates the solver, with the hints used on the kind.
    void congratulate();
    void LetterBtnClick();
    /// Hint: shows the next hint in the line under the board and marks its cells; pressed again, fills them in.
    void HintBtnClick();
    /// The hint line, the marked cells and the hint count follow the hint on show and the board.
    void updateHintDisplay();
    /// A click on the hint line brings the next of its marked cells into view, when they do not fit in it together.
    void HintLineClick();
    /// The kind buttons' tooltips follow the ratings.
    void updateKindToolTips();
    void RevealBtnMouseDown();
    void RevealBtnMouseUp();
    void RestartPuzzle1Click();
    void ScorePuzzle1Click();
    void ShowKeys1Click();
    void Clock1Click();
    void Timer1Timer();
    void ToolMenuClick();
    void TessHelpClick();
    void WebsiteItemClick();
    void About1Click();
    void repaintBoth();
    void setStatus(int panel, const QString& text);

    /// Runs a command; a failure it does not handle itself reaches the error report.
    bool guarded(const std::function<void()>& command);

    UiServices m_services;
    GamePuzzle m_puzzle;
    GameClock m_clock;
    PuzzlePaint* m_board = nullptr;
    BoardScroller* m_scroller = nullptr;
    LetterCountPaint* m_counts = nullptr;
    QPointer<TRailForm> m_rails;
    bool m_solved[CipherKindCount] = {};
    ABCPaint* m_strip = nullptr;
    QLabel* m_panels[3] = {nullptr, nullptr, nullptr};
    QLabel* m_hintsPanel = nullptr;
    QLabel* m_hintLine = nullptr;
    KindRatings* m_ratings = nullptr;
    QProgressBar* m_progBar = nullptr;
    QTimer* m_timer1 = nullptr;
    QPointer<TToolForm> m_tool;
    QString m_currentFolder;
    int m_stepMs = 25;
    int m_holdMs = 750;
    bool m_shownOnce = false;
    QAction* m_kindActions[CipherKindCount] = {};
    QAction* m_toolActions[CipherKindCount] = {};
    QAction* m_save = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_letter = nullptr;
    QAction* m_hint = nullptr;
    QAction* m_revealAll = nullptr;
    QAction* m_countsAction = nullptr;
    QAction* m_restart = nullptr;
    QAction* m_score = nullptr;
    QAction* m_showKeys = nullptr;
    QAction* m_clockAction = nullptr;
};
