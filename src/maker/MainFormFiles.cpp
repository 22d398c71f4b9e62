// New, Open, the recent-puzzle entries, Revert to Saved, Save, Save As, the save question and the recent list.
#include "Acn5MainForm.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>

#include "AcnProcsUi.h"
#include "AcnProcsUnit.h"
#include "PuzzleFileIO.h"
#include "PuzzlePaths.h"
#include "PuzzleView.h"
#include "QtCodePage.h"
#include "RecentPuzzles.h"
#include "SettingNames.h"
#include "SettingsStore.h"
#include "TessarinError.h"

namespace {

const QString SaveChangesQuestion = QStringLiteral("Cryptogram has changed. Do you want to save the changes?");

} // namespace

Answer TAcn5MainForm::askSaveChangesQuestion()
{
    // "No" leaves the puzzle marked as changed: the command that asked clears the mark only once another puzzle
    // has really replaced it, so a cancelled Open or a recent puzzle that fails to load still asks at closing.
    m_ui.sounds->playQuestion();
    return m_ui.dialogs->askYesNoCancel(this, SaveChangesQuestion);
}

bool TAcn5MainForm::AskSaveChanges()
{
    const Answer answer = askSaveChangesQuestion();
    if (answer == Answer::Yes) {
        return SaveCurrentPuzzle();
    }
    return answer != Answer::Cancel;
}

bool TAcn5MainForm::SaveCurrentPuzzle()
{
    takeTypedText();
    if (!m_hasOwnFile) {
        // A puzzle that was never saved gets a name first: the default path may hold an earlier puzzle.
        return saveUnderNewName();
    }
    writePuzzleTo(QString::fromStdString(m_holder.Puzzle.FileName));
    return true;
}

void TAcn5MainForm::writePuzzleTo(const QString& path)
{
    PreparePuzzleFolderFor(path);
    SavePuzzleFile(m_holder.Puzzle, path);
    m_hasOwnFile = true;
    ShowProgress();
}

void TAcn5MainForm::SaveActExecute()
{
    SaveCurrentPuzzle();
}

void TAcn5MainForm::SaveAsActExecute()
{
    takeTypedText();
    saveUnderNewName();
}

bool TAcn5MainForm::saveUnderNewName()
{
    const QString current = QString::fromStdString(m_holder.Puzzle.FileName);
    PreparePuzzleFolderFor(current); // so that the dialog can open the maker's puzzle folder
    FileDialogRequest request;
    request.title = QStringLiteral("Save cryptogram as");
    request.folder = QFileInfo(current).absolutePath();
    request.fileName = QFileInfo(current).fileName();
    request.filter = PuzzleFileFilter;
    request.defaultSuffix = PuzzleFileSuffix;
    request.confirmOverwrite = true;
    const QString path = m_ui.dialogs->saveFileName(this, request);
    if (path.isEmpty()) {
        return false;
    }
    const std::string previous = m_holder.Puzzle.FileName;
    const bool hadOwnFile = m_hasOwnFile;
    m_holder.Puzzle.FileName = path.toStdString();
    try {
        writePuzzleTo(path);
    } catch (...) {
        // A file that could not be written does not become the puzzle's file.
        m_holder.Puzzle.FileName = previous;
        m_hasOwnFile = hadOwnFile;
        throw;
    }
    m_panels[6]->setText(PuzzleName(path));
    if (m_settings.ReadSetting(Setting::LastPuzzle, QString()) != path) {
        m_settings.WriteSetting(Setting::LastPuzzle, path);
    }
    return true;
}

void TAcn5MainForm::NewActExecute()
{
    if (hasUnsavedWork() && !AskSaveChanges()) {
        return;
    }
    m_holder.ClearPuzzle();
    m_holder.Puzzle.Changed = false;
    m_holder.Puzzle.FileName = DefaultPuzzlePath().toStdString();
    m_hasOwnFile = false;
    ShowPuzzle(true);
}

void TAcn5MainForm::OpenActExecute()
{
    if (hasUnsavedWork() && !AskSaveChanges()) {
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Open an existing cryptogram");
    request.folder = OpenDialogFolder(QDir::currentPath(), m_programFolder);
    request.filter = PuzzleFileFilter;
    request.defaultSuffix = PuzzleFileSuffix;
    const QString path = m_ui.dialogs->openFileName(this, request);
    if (path.isEmpty()) {
        return;
    }
    openPuzzle(path);
}

void TAcn5MainForm::HistoryPuzzleAct(int entry)
{
    if (hasUnsavedWork() && !AskSaveChanges()) {
        return;
    }
    const std::array<QString, 3> names = {Setting::History1, Setting::History2, Setting::History3};
    openPuzzle(m_settings.ReadSetting(names[static_cast<std::size_t>(entry)], QString()));
}

void TAcn5MainForm::openPuzzle(const QString& path)
{
    LoadPuzzleFile(m_holder.Puzzle, path);
    m_holder.Puzzle.FileName = path.toStdString();
    m_hasOwnFile = true;
    // Settings that cannot be written (a full disk) are reported, and the puzzle is shown all the same: a window
    // left showing the old puzzle over the new document would save a mix of both into the new file.
    try {
        RebuildHistoryMenu();
        if (m_settings.ReadSetting(Setting::LastPuzzle, QString()) != path) {
            m_settings.WriteSetting(Setting::LastPuzzle, path);
        }
    } catch (const TessarinError& e) {
        ReportError(m_ui, this, QString::fromUtf8(e.what()));
    }
    showLoadedPuzzle();
}

void TAcn5MainForm::showLoadedPuzzle()
{
    // The plaintext goes in first, so that a stored option the view cannot show still leaves the puzzle visible.
    SourceREdit->setPlainText(FromCodePage(m_holder.Puzzle.PLAIN));
    const CipherKind first = m_holder.FirstPresentKind();
    if (first != selectedKind()) {
        selectKind(first);
    } else {
        ShowPuzzle(true);
    }
}

void TAcn5MainForm::RevertActExecute()
{
    // A puzzle that was never saved has no file to go back to, even when one lies at the default path.
    const QString path = QString::fromStdString(m_holder.Puzzle.FileName);
    if (!m_hasOwnFile || !QFileInfo(path).isFile()) {
        return;
    }
    LoadPuzzleFile(m_holder.Puzzle, path);
    ShowPuzzle(true);
}

void TAcn5MainForm::RebuildHistoryMenu()
{
    const std::array<QString, 3> names = {Setting::History1, Setting::History2, Setting::History3};
    QStringList history;
    for (const QString& name : names) {
        history.append(m_settings.ReadSetting(name, QString()));
    }
    const QStringList list = RecentPuzzleList(m_settings.ReadSetting(Setting::LastPuzzle, QString()), history);
    HistorySep->setVisible(false);
    for (QAction* entry : m_historyActs) {
        entry->setVisible(false);
    }
    m_historyCount = 0;
    for (int n = 0; n < list.size(); ++n) {
        AddHistoryEntry(list[n]);
        m_settings.WriteSetting(names[static_cast<std::size_t>(n)], list[n]);
    }
}

void TAcn5MainForm::AddHistoryEntry(const QString& path)
{
    ++m_historyCount;
    QAction* entry = m_historyActs[static_cast<std::size_t>(m_historyCount - 1)];
    entry->setText(HistoryCaption(m_historyCount, path));
    entry->setVisible(true);
    if (m_historyCount == 1) {
        HistorySep->setVisible(true);
    }
}
