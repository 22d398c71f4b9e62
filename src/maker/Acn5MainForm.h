#pragma once

#include <array>
#include <functional>

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include "EncryptionDriver.h"
#include "PuzzleDocument.h"
#include "UiServices.h"

class AcnProcs;
class PuzzleChecks;
struct RatingEngine;
class TCheckPuzzleForm;
class QAction;
class QActionGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QSplitter;
class QTabBar;
class QTimer;
class QToolBar;
class QToolButton;
class Random;
class RadioGroup;
class SettingsStore;
class TMakerHelpForm;

/// The maker's main window: the plaintext editor, the ciphertext view with the tab strip of the five kinds, the
/// option frames, the menu bar and tool bar driven by one action list, and the seven-panel status bar.
/// Its commands are split by group: layout and actions (Acn5MainForm.cpp, MainFormActions.cpp), encryption
/// (MainFormEncrypt.cpp), view and clipboard (MainFormView.cpp), normalization and Patristocrat
/// (MainFormNormalize.cpp), file commands and the recent list (MainFormFiles.cpp), start-up and shut-down
/// (MainFormStartup.cpp), the commands that open other windows or programs (MainFormCommands.cpp), and the
/// background check of the cryptograms with Check Puzzle (MainFormCheck.cpp).
class TAcn5MainForm : public QMainWindow
{
    Q_OBJECT
public:
    TAcn5MainForm(AcnProcs& holder, const SettingsStore& settings, UiServices ui, Random& rng,
                  QWidget* parent = nullptr);
    ~TAcn5MainForm() override;

    /// Start-up once the window is shown: view settings, recent list, and a new puzzle or the file of the first
    /// command-line argument (arguments: the program's arguments without the program name).
    void FormShow(const QStringList& arguments);
    void ApplyViewSettings();
    /// Fills the controls, the view and the status bar from the document; withPlain also sets the editor.
    void ShowPuzzle(bool withPlain);
    void ShowProgress();
    /// Takes the typed text into the document and writes it to its file; a puzzle that has no file of its own yet
    /// is named in the Save As dialog first. False when the user cancelled that dialog.
    bool SaveCurrentPuzzle();
    bool AskSaveChanges();
    /// True when the puzzle is changed or the editor or a key box holds text that its file does not.
    bool hasUnsavedWork() const;
    void RebuildHistoryMenu();

    /// The selected tab's kind (None when no tab is selected).
    CipherKind selectedKind() const;
    /// Selects a tab from the program; the tab selection runs only when the index really changes.
    void selectKind(CipherKind kind);

    /// Where the game program and the help collection are looked up (the program's folder by default).
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    /// Replaces the waits of the progress animation (tests record them instead of waiting).
    void setPauseFunction(std::function<void(int)> pause) { m_pause = std::move(pause); }
    /// Replaces the solver and language model of the background checks (engine must outlive the window).
    void setRatingEngine(const RatingEngine* engine);
    /// Replaces the system's printer dialog of Printer Setup.
    void setPrinterSetup(std::function<void(QWidget*)> setup) { m_printerSetup = std::move(setup); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout (Acn5MainForm.cpp).
    void buildLayout();
    QWidget* buildTextPanel();
    QWidget* buildOptionFrames();
    QFrame* buildFrame1();
    QFrame* buildFrame2();
    QFrame* buildFrame3();
    void buildStatusBar();
    QLineEdit* upperCaseEdit(const QString& name, int maxLength = 0);
    void interceptShortcuts(QWidget* widget);
    void updateStatusPanel5();

    // Actions, menus and tool bar (MainFormActions.cpp).
    QAction* addAction(const QString& name, const QString& caption, const QString& category,
                       void (TAcn5MainForm::*handler)());
    void buildActions();
    void buildPuzzleActions();
    void buildOptionActions();
    void buildSpecialActions();
    void buildToolActions();
    void buildMenus();
    void buildToolBar();
    QToolButton* toolButton(const QString& name, QAction* action, const QString& hint);
    void runGuarded(const std::function<void()>& command);

    // Encryption (MainFormEncrypt.cpp).
    void EncryptBtnClick();
    /// The selected kind and the radio groups; the key boxes are left empty.
    EncryptOptions optionsOfGroups() const;
    /// The key boxes in the code page; throws for a character it cannot hold.
    void readKeyBoxes(EncryptOptions& options) const;
    /// Stores the editor's text and the key boxes in the document (without encrypting).
    void takeTypedText();
    /// The editor's text in the code page, with the document's no-break spaces (EditorPlaintext); throws for a
    /// character the code page cannot hold.
    std::string editorPlaintext() const;
    /// Shows an asterisk in the caption while there is unsaved work.
    void updateModifiedMark();
    void CipherGroupClick();
    void DittoChkClick();
    void CipherAlphaActExecute();
    void PlaySqActExecute();

    // View and clipboard (MainFormView.cpp).
    void TabSet1Click();
    void resetOptionControls();
    void enableKindControls(CipherKind kind);
    void showMarks();
    void CryptoMenuAct(int tag);
    void CopyClipActExecute();
    void SolClipActExecute();
    void copyToClipboard(const QString& text);

    // Normalize Source and Patristocrat (MainFormNormalize.cpp).
    void DistillActExecute();
    void PatristActExecute();
    std::vector<std::string> editorLinesAsLaidOut() const;

    // File commands and recent puzzles (MainFormFiles.cpp).
    void NewActExecute();
    void OpenActExecute();
    void HistoryPuzzleAct(int entry);
    void RevertActExecute();
    void SaveActExecute();
    void SaveAsActExecute();
    /// Asks for a file name (suggesting the current one) and saves there. False when cancelled.
    bool saveUnderNewName();
    void writePuzzleTo(const QString& path);
    void openPuzzle(const QString& path);
    void AddHistoryEntry(const QString& path);
    void showLoadedPuzzle();

    // The background check of the cryptograms and Check Puzzle (MainFormCheck.cpp).
    void buildCheckPanel();
    /// Brings the checks in line with the puzzle after a command: a changed cryptogram is checked again.
    void refreshChecks();
    /// Shows the selected kind's check in the status bar and in the Check Puzzle window.
    void showCheck();
    void CheckPuzzleActExecute();

    // Start-up and shut-down (MainFormStartup.cpp).
    void FormCreate();
    void selectFirstTab();
    void FormResize();
    bool FormCloseQuery();
    /// The save question with its sound; No clears Changed. Saving on Yes is the caller's.
    Answer askSaveChangesQuestion();
    bool FormClose();

    // Commands that open other windows or programs (MainFormCommands.cpp).
    void PrintActExecute();
    void PrintSetupActExecute();
    void PrefersActExecute();
    void DistributeActExecute();
    void KeyTableActExecute();
    void VigTableActExecute();
    void QuoteActExecute();
    void LaunchGameEdition();
    void ContentsActExecute();
    void KeywordActExecute();
    void AboutActExecute();
    void ExpTextActExecute();
    void ExpRTFActExecute();
    void ExportCipherWebActExecute();
    void ExitActExecute();
    TMakerHelpForm* helpForm();
    QString gameProgramPath() const;

    AcnProcs& m_holder;
    const SettingsStore& m_settings;
    UiServices m_ui;
    Random& m_rng;
    QString m_programFolder;
    std::function<void(int)> m_pause;
    std::function<void(QWidget*)> m_printerSetup;
    QPointer<TMakerHelpForm> m_help;
    PuzzleChecks* m_checks = nullptr;
    QTimer* m_checkTimer = nullptr; // shows the running check's progress
    QPointer<TCheckPuzzleForm> m_checkForm;
    int m_historyCount = 0;
    bool m_programTabChange = false;
    /// Set once the puzzle was loaded from or saved to FileName; a puzzle without one is named at its first save.
    bool m_hasOwnFile = false;

    // Controls, named as the layout names them.
    QPlainTextEdit* SourceREdit = nullptr;
    QPlainTextEdit* CryptREdit = nullptr;
    QSplitter* Splitter1 = nullptr;
    QTabBar* TabSet1 = nullptr;
    QFrame* Panel1 = nullptr;
    RadioGroup* CipherGroup1 = nullptr;
    RadioGroup* CipherGroup2 = nullptr;
    RadioGroup* RailGroup3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* KeywordEd = nullptr;
    QLineEdit* PtAlphaKeyEd = nullptr;
    QLineEdit* IndiKeyEd = nullptr;
    QLineEdit* ColEd = nullptr;
    QWidget* UpDown1 = nullptr;
    QCheckBox* DittoChk = nullptr;
    QProgressBar* ProgBar = nullptr;
    QProgressBar* CheckBusy = nullptr;
    QToolButton* CheckBtn = nullptr;
    QToolButton* CheckWarnBtn = nullptr;
    QToolBar* ToolBar1 = nullptr;
    std::array<QLabel*, 7> m_panels{};

    // Actions.
    QAction* NewAct = nullptr;
    QAction* OpenAct = nullptr;
    QAction* EncryptAct = nullptr;
    QAction* SaveAct = nullptr;
    QAction* SaveAsAct = nullptr;
    QAction* PrintAct = nullptr;
    QAction* PrintSetupAct = nullptr;
    QAction* HistorySep = nullptr;
    std::array<QAction*, 3> m_historyActs{};
    QAction* ExitAct = nullptr;
    QAction* RevertAct = nullptr;
    QAction* DistillAct = nullptr;
    QAction* PatristAct = nullptr;
    std::array<QAction*, CipherKindCount> m_kindActs{};
    QActionGroup* m_kindGroup = nullptr;
    QAction* PrefersAct = nullptr;
    QAction* CopyClipAct = nullptr;
    QAction* SolClipAct = nullptr;
    QAction* ExpTextAct = nullptr;
    QAction* ExpRTFAct = nullptr;
    QAction* ExportCipherWebAct = nullptr;
    QAction* DistributeAct = nullptr;
    QAction* QuoteAct = nullptr;
    QAction* CipherAlphaAct = nullptr;
    QAction* PlaySqAct = nullptr;
    QAction* KeyTableAct = nullptr;
    QAction* VigTableAct = nullptr;
    QAction* LaunchGameAct = nullptr;
    QAction* CheckPuzzleAct = nullptr;
    QAction* ContentsAct = nullptr;
    QAction* KeywordAct = nullptr;
    QAction* AboutAct = nullptr;
};
