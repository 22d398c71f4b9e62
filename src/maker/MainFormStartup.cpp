// Start-up and shut-down of the main window: creation, the first show, the view settings, resizing and closing.
#include "Acn5MainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>

#include "AcnProcsUi.h"
#include "AcnProcsUnit.h"
#include "MakerHelpWindow.h"
#include "PuzzleFileIO.h"
#include "PuzzlePaths.h"
#include "QtCodePage.h"
#include "SettingNames.h"
#include "SettingsStore.h"
#include "TessarinError.h"
#include "ViewSettings.h"

namespace {

// The designed client area, also the smallest size the window can be given.
constexpr QSize DesignedSize(772, 552);

} // namespace

void TAcn5MainForm::FormCreate()
{
    setMinimumSize(DesignedSize);
    resize(DesignedSize);
}

void TAcn5MainForm::FormShow(const QStringList& arguments)
{
    runGuarded([this] { ApplyViewSettings(); });
    if (const QScreen* screen = this->screen()) {
        const QSize frame = frameGeometry().size();
        move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    updateStatusPanel5();
    SourceREdit->setFocus(Qt::OtherFocusReason);
    runGuarded([this] { RebuildHistoryMenu(); });
    if (!arguments.isEmpty()) {
        const QString path = arguments.first();
        try {
            LoadPuzzleFile(m_holder.Puzzle, path);
            m_holder.Puzzle.FileName = path.toStdString();
            m_hasOwnFile = true;
            // The plaintext goes in first: a stored option that cannot be shown is reported once and the puzzle
            // stays visible.
            SourceREdit->setPlainText(FromCodePage(m_holder.Puzzle.PLAIN));
            runGuarded([this] {
                selectFirstTab();
                showLoadedPuzzle();
            });
            return;
        } catch (const TessarinError& e) {
            // A file that cannot be read is reported; the maker then starts with a new puzzle.
            ReportError(m_ui, this, QString::fromUtf8(e.what()));
        }
    }
    m_holder.ClearPuzzle();
    m_holder.Puzzle.FileName = DefaultPuzzlePath().toStdString();
    runGuarded([this] { selectFirstTab(); });
}

void TAcn5MainForm::selectFirstTab()
{
    // Tab 0 is selected and the tab selection runs even when tab 0 already was the selected one.
    m_programTabChange = true;
    TabSet1->setCurrentIndex(0);
    m_programTabChange = false;
    TabSet1Click();
}

void TAcn5MainForm::ApplyViewSettings()
{
    const ViewSettings view = ReadViewSettings(m_settings, palette());
    // A size remembered on a larger screen is limited to this one, and the window is kept on the screen.
    QSize size(view.width, view.height);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        const QSize frame = frameGeometry().size() - this->size();
        size = FitToScreen(size, minimumSize(), area.size() - frame);
        resize(size);
        QRect placed = frameGeometry();
        placed.moveRight(qMin(placed.right(), area.right()));
        placed.moveBottom(qMin(placed.bottom(), area.bottom()));
        placed.moveLeft(qMax(placed.left(), area.left()));
        placed.moveTop(qMax(placed.top(), area.top()));
        move(placed.topLeft());
    } else {
        resize(size);
    }
    QPalette editorPalette = SourceREdit->palette();
    editorPalette.setColor(QPalette::Base, view.background);
    editorPalette.setColor(QPalette::Text, view.textColor);
    SourceREdit->setPalette(editorPalette);
    SourceREdit->setFont(view.font);
    QPalette viewPalette = CryptREdit->palette();
    viewPalette.setColor(QPalette::Text, view.textColor);
    CryptREdit->setPalette(viewPalette);
    CryptREdit->setFont(view.font);
    if (!view.errors.isEmpty()) {
        throw TessarinError(view.errors.join(u'\n').toStdString());
    }
}

void TAcn5MainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TAcn5MainForm::FormResize()
{
    // Every resize puts the splitter back to the middle of the text area.
    const int available = Splitter1->height() - Splitter1->handleWidth();
    if (available > 0) {
        Splitter1->setSizes({available / 2, available - available / 2});
    }
    updateStatusPanel5();
}

void TAcn5MainForm::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    runGuarded([this, &mayClose] { mayClose = FormCloseQuery() && FormClose(); });
    if (mayClose) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool TAcn5MainForm::FormCloseQuery()
{
    if (!hasUnsavedWork()) {
        return true;
    }
    const Answer answer = askSaveChangesQuestion();
    if (answer != Answer::Cancel) {
        m_holder.Puzzle.Changed = answer == Answer::Yes; // FormClose saves, typed text included; No drops it
    }
    return answer != Answer::Cancel;
}

bool TAcn5MainForm::FormClose()
{
    // A failing save throws, and a cancelled name dialog returns false: the window then stays open with the puzzle
    // still marked as changed.
    if (m_holder.Puzzle.Changed && !SaveCurrentPuzzle()) {
        return false;
    }
    if (m_help) {
        m_help->close();
    }
    return true;
}

void TAcn5MainForm::ExitActExecute()
{
    close();
}
