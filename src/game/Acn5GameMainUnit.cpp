#include "Acn5GameMainUnit.h"

#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ABCPaint.h"
#include "KindRatings.h"
#include "LetterCounts.h"
#include "PuzzlePaint.h"
#include "RailUnit.h"
#include "ToolUnit.h"

const QString TAcn5GameMainForm::WebsiteAddress = QStringLiteral("https://tessarin.example.org/");

namespace {

// The design client width is the board's; the letter counts stand beside it.
constexpr int ClientWidth = 760 + 96;
constexpr int ClientHeight = 540;

QIcon Picture(const QString& name)
{
    return QIcon(QStringLiteral(":/game/pictures/%1.svg").arg(name));
}

// The kind buttons in kind order: object name, caption (used in messages), hint, picture.
struct KindButton
{
    const char* name;
    const char* caption;
    const char* hint;
    const char* picture;
};
constexpr KindButton KindButtons[CipherKindCount] = {
    {"CipherBtn", "Substitution", "Substitution", "substitution"}, {"RailBtn", "Rail Fence", "Rail fence", "railfence"},
    {"PlayfairBtn", "Playfair", "Playfair", "playfair"},           {"QuagmireBtn", "Quagmire", "Quagmire", "quagmire"},
    {"VigenereBtn", "Vigenere", "Vigenere", "vigenere"},
};

// The tool bar's buttons fill its 38 pixels edge to edge: no frame, margin or gap around them, so that the
// 38-pixel buttons are not cut off at the bottom.
class ToolBarStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_ToolBarFrameWidth:
        case PM_ToolBarItemMargin:
        case PM_ToolBarItemSpacing:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

TAcn5GameMainForm::TAcn5GameMainForm(UiServices services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_currentFolder(QDir::currentPath())
{
    setObjectName(QStringLiteral("Acn5GameMainForm"));
    setWindowTitle(QStringLiteral("Tessarin 5 Game"));
    setWindowIcon(Picture(QStringLiteral("tessarin5game")));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &TAcn5GameMainForm::Timer1Timer);
    buildToolBar();
    buildMenus();
    buildCentre();
    buildStatusBar();
    m_ratings = new KindRatings(this);
    connect(m_ratings, &KindRatings::changed, this, &TAcn5GameMainForm::updateKindToolTips);
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* s = screen()) {
        move(s->availableGeometry().center() - rect().center());
    }
}

TAcn5GameMainForm::~TAcn5GameMainForm() = default;

TToolForm* TAcn5GameMainForm::toolWindow() const
{
    return m_tool.data();
}

QAction* TAcn5GameMainForm::makeAction(const char* name, const QString& text, const QString& picture)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    if (!picture.isEmpty()) {
        action->setIcon(Picture(picture));
    }
    return action;
}

void TAcn5GameMainForm::buildToolBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    auto* barStyle = new ToolBarStyle;
    barStyle->setParent(bar);
    bar->setStyle(barStyle);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setFixedHeight(38);
    addToolBar(Qt::TopToolBarArea, bar);
    auto addButton = [bar](QAction* action) {
        bar->addAction(action);
        QWidget* button = bar->widgetForAction(action);
        button->setObjectName(action->objectName() + QStringLiteral("Button"));
        button->setFixedSize(64, 38);
        button->setFocusPolicy(Qt::NoFocus);
    };
    for (int i = 0; i < CipherKindCount; ++i) {
        const KindButton& k = KindButtons[i];
        QAction* action = makeAction(k.name, QString::fromLatin1(k.caption), QString::fromLatin1(k.picture));
        action->setToolTip(QString::fromLatin1(k.hint));
        action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i)));
        connect(action, &QAction::triggered, this, [this, i] { CryptoSelectClick(KindFromIndex(i)); });
        m_kindActions[i] = action;
        addButton(action);
    }
    auto* separator = new QWidget(bar);
    separator->setFixedWidth(17);
    bar->addWidget(separator);
    m_undo = makeAction("UndoBtn", QStringLiteral("&Undo"), QStringLiteral("undo"));
    m_undo->setToolTip(QStringLiteral("Undo"));
    m_undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    connect(m_undo, &QAction::triggered, this, &TAcn5GameMainForm::UndoBtnClick);
    addButton(m_undo);
    m_redo = makeAction("RedoBtn", QStringLiteral("&Redo"), QStringLiteral("redo"));
    m_redo->setToolTip(QStringLiteral("Redo"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_redo, &QAction::triggered, this, &TAcn5GameMainForm::RedoBtnClick);
    addButton(m_redo);
    m_hint = makeAction("HintBtn", QStringLiteral("H&int"), QStringLiteral("hint"));
    m_hint->setToolTip(QStringLiteral("Hint: the next step, in words; press again to fill it in"));
    m_hint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(m_hint, &QAction::triggered, this, &TAcn5GameMainForm::HintBtnClick);
    addButton(m_hint);
    m_letter = makeAction("LetterBtn", QStringLiteral("Reveal &Letter"), QStringLiteral("letter"));
    m_letter->setToolTip(QStringLiteral("Reveal letter"));
    m_letter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_letter, &QAction::triggered, this, &TAcn5GameMainForm::LetterBtnClick);
    addButton(m_letter);
    QAction* reveal = makeAction("RevealBtn", QStringLiteral("Reveal puzzle"), QStringLiteral("reveal"));
    addButton(reveal);
    auto* revealButton = qobject_cast<QToolButton*>(bar->widgetForAction(reveal));
    connect(revealButton, &QToolButton::pressed, this, &TAcn5GameMainForm::RevealBtnMouseDown);
    connect(revealButton, &QToolButton::released, this, &TAcn5GameMainForm::RevealBtnMouseUp);
}

void TAcn5GameMainForm::buildMenus()
{
    buildPuzzleMenu();
    buildOptionsMenu();
    buildToolsMenu();
    buildHelpMenu();
}

void TAcn5GameMainForm::buildPuzzleMenu()
{
    QMenu* puzzleMenu = menuBar()->addMenu(QStringLiteral("&Puzzle"));
    puzzleMenu->setObjectName(QStringLiteral("PuzzleMenu"));
    QAction* open = makeAction("OpenPuzzle1", QStringLiteral("&Open Puzzle..."), QStringLiteral("open"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, &TAcn5GameMainForm::OpenPuzzle1Click);
    m_save = makeAction("Save1", QStringLiteral("&Save Puzzle"), QStringLiteral("save"));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(m_save, &QAction::triggered, this, &TAcn5GameMainForm::Save1Click);
    QAction* exitAction = makeAction("Exit1", QStringLiteral("E&xit"), QStringLiteral("exit"));
    exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exitAction, &QAction::triggered, this, &TAcn5GameMainForm::Exit1Click);
    puzzleMenu->addAction(open);
    puzzleMenu->addSeparator();
    puzzleMenu->addAction(m_save);
    puzzleMenu->addSeparator();
    puzzleMenu->addAction(exitAction);
}

void TAcn5GameMainForm::buildOptionsMenu()
{
    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("OptionsMenu"));
    options->addActions({m_undo, m_redo, m_hint, m_letter});
    m_revealAll = makeAction("RevealPuzzle1", QStringLiteral("Reveal &Puzzle (hold F8)"));
    m_revealAll->setEnabled(false); // a reminder: F8 on the board shows the answer while it is held
    options->addAction(m_revealAll);
    options->addSeparator();
    m_restart = makeAction("RestartPuzzle1", QStringLiteral("Re&start Puzzle"), QStringLiteral("restart"));
    m_restart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(m_restart, &QAction::triggered, this, &TAcn5GameMainForm::RestartPuzzle1Click);
    m_score = makeAction("ScorePuzzle1", QStringLiteral("S&core Puzzle..."));
    m_score->setShortcut(QKeySequence(Qt::Key_F9));
    connect(m_score, &QAction::triggered, this, &TAcn5GameMainForm::ScorePuzzle1Click);
    m_showKeys = makeAction("ShowKeys1", QStringLiteral("Show Keys..."));
    m_showKeys->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(m_showKeys, &QAction::triggered, this, &TAcn5GameMainForm::ShowKeys1Click);
    m_clockAction = makeAction("Clock1", QStringLiteral("&Timer On"), QStringLiteral("timer"));
    m_clockAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(m_clockAction, &QAction::triggered, this, &TAcn5GameMainForm::Clock1Click);
    options->addActions({m_restart, m_score, m_showKeys});
    options->addSeparator();
    options->addAction(m_clockAction);
    m_countsAction = makeAction("LetterCounts1", QStringLiteral("Letter Cou&nts"));
    m_countsAction->setCheckable(true);
    m_countsAction->setChecked(true);
    connect(m_countsAction, &QAction::toggled, this, [this](bool on) { m_counts->setVisible(on); });
    options->addAction(m_countsAction);
    for (QAction* a : {m_save, m_restart, m_score, m_showKeys}) {
        a->setEnabled(false);
    }
}

void TAcn5GameMainForm::buildToolsMenu()
{
    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("ToolsMenu"));
    const std::pair<const char*, const char*> toolItems[] = {{"CipherAlphabet1", "&Substitution Alphabet..."},
                                                             {"PlayfairSquare1", "&Playfair Square..."},
                                                             {"QuagmireTable1", "&Quagmire Table..."},
                                                             {"VigenereTable1", "&Vigenere Table..."}};
    const CipherKind toolKinds[] = {CipherKind::Cipher, CipherKind::Playfair, CipherKind::Quagmire,
                                    CipherKind::Vigenere};
    for (int i = 0; i < 4; ++i) {
        QAction* item = makeAction(toolItems[i].first, QString::fromLatin1(toolItems[i].second));
        item->setEnabled(false);
        connect(item, &QAction::triggered, this, &TAcn5GameMainForm::ToolMenuClick);
        m_toolActions[static_cast<int>(toolKinds[i])] = item;
        tools->addAction(item);
    }
    // The rail fence has no key table; its tool lays the letters out on rails.
    QAction* rails = makeAction("RailFenceRails1", QStringLiteral("&Rail Fence Rails..."));
    rails->setEnabled(false);
    connect(rails, &QAction::triggered, this, &TAcn5GameMainForm::RailsMenuClick);
    m_toolActions[static_cast<int>(CipherKind::Railfence)] = rails;
    tools->addAction(rails);
}

void TAcn5GameMainForm::buildHelpMenu()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    QAction* tessHelp = makeAction("TessHelp", QStringLiteral("Tessarin 5 &Help"), QStringLiteral("help"));
    tessHelp->setShortcut(QKeySequence(Qt::Key_F1));
    connect(tessHelp, &QAction::triggered, this, &TAcn5GameMainForm::TessHelpClick);
    QAction* website = makeAction("WebsiteItem", QStringLiteral("Dunmarrow &Website"));
    connect(website, &QAction::triggered, this, &TAcn5GameMainForm::WebsiteItemClick);
    QAction* about = makeAction("About1", QStringLiteral("&About..."));
    connect(about, &QAction::triggered, this, &TAcn5GameMainForm::About1Click);
    help->addActions({tessHelp, website});
    help->addSeparator();
    help->addAction(about);
}

void TAcn5GameMainForm::buildCentre()
{
    // The strip, the spacer and the board in a column; the letter counts stand at its right, full height.
    auto* centre = new QWidget(this);
    auto* row = new QHBoxLayout(centre);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel1 = new QFrame(centre);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    panel1->setFixedHeight(41);
    // The strip fills the panel inside its two-pixel bevel: 37 pixels high at the design size.
    auto* panelLayout = new QVBoxLayout(panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    m_strip = new ABCPaint(m_puzzle, panel1);
    panelLayout->addWidget(m_strip);
    auto* panel2 = new QWidget(centre);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFixedHeight(12);
    // The board scrolls vertically inside its area.
    m_board = new PuzzlePaint(m_puzzle);
    m_scroller = new BoardScroller(m_board, centre);
    m_counts = new LetterCountPaint(m_puzzle, centre);
    layout->addWidget(panel1);
    layout->addWidget(panel2);
    layout->addWidget(m_scroller, 1);
    // The hint on show, in words, under the board; hidden while there is none.
    m_hintLine = new QLabel(centre);
    m_hintLine->setObjectName(QStringLiteral("HintLine"));
    m_hintLine->setWordWrap(true);
    m_hintLine->setMargin(4);
    QFont hintFont = m_hintLine->font();
    hintFont.setPointSize(10);
    m_hintLine->setFont(hintFont);
    m_hintLine->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_hintLine->setStyleSheet(
        QStringLiteral("QLabel#HintLine { background: #fff3dc; color: #000; border: 1px solid #e08a00; }"));
    m_hintLine->hide();
    m_hintLine->installEventFilter(this);
    layout->addWidget(m_hintLine);
    row->addLayout(layout, 1);
    row->addWidget(m_counts);
    setCentralWidget(centre);
    connect(m_board, &PuzzlePaint::edited, this, &TAcn5GameMainForm::boardChanged);
    connect(m_board, &PuzzlePaint::revealHeld, this, [this](bool held) {
        if (held) {
            RevealBtnMouseDown();
        } else {
            RevealBtnMouseUp();
        }
    });
    connect(m_strip, &ABCPaint::picked, this, &TAcn5GameMainForm::boardChanged);
}

void TAcn5GameMainForm::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setMinimumHeight(19);
    const int widths[3] = {140, 520, 190};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        panel->setMinimumWidth(i == 1 ? 40 : widths[i]);
        panel->setMaximumWidth(widths[i]);
        bar->addWidget(panel, i == 1 ? 1 : 0);
        m_panels[i] = panel;
        if (i == 1) {
            // The hints used on the kind on the board stand before the clock.
            m_hintsPanel = new QLabel(bar);
            m_hintsPanel->setObjectName(QStringLiteral("HintsPanel"));
            m_hintsPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            m_hintsPanel->setAlignment(Qt::AlignCenter);
            m_hintsPanel->setFixedWidth(100);
            bar->addWidget(m_hintsPanel);
        }
    }
    // FormCreate: a notice naming the program until the first keys are shown.
    m_panels[1]->setText(QStringLiteral("Tessarin 5 Game Edition by Dunmarrow: open a puzzle to begin"));
    m_progBar = new QProgressBar(bar);
    m_progBar->setObjectName(QStringLiteral("ProgBar"));
    m_progBar->setRange(0, 100);
    m_progBar->setTextVisible(false);
    m_progBar->setFixedSize(100, 17);
    // At the right end of the bar, beside the clock rather than over it: while it shows, the keys panel makes room.
    bar->addPermanentWidget(m_progBar);
    m_progBar->hide();
}

bool TAcn5GameMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_hintLine && event->type() == QEvent::MouseButtonRelease) {
        HintLineClick();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TAcn5GameMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        // FormShow: the first size is the smallest; the clock and the board start afresh.
        m_shownOnce = true;
        setMinimumSize(size());
        m_clock.Reset();
        m_puzzle.ClearKind();
        m_board->refresh();
    }
}

void TAcn5GameMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_board->refresh();
    updateHintDisplay(); // the marked cells may now fit in the view together, or no longer
}

void TAcn5GameMainForm::setSaveAnimationTimes(int stepMs, int holdMs)
{
    m_stepMs = stepMs;
    m_holdMs = holdMs;
}

void TAcn5GameMainForm::setStatus(int panel, const QString& text)
{
    m_panels[panel]->setText(text);
}

void TAcn5GameMainForm::updateKindToolTips()
{
    for (int i = 0; i < CipherKindCount; ++i) {
        m_kindActions[i]->setToolTip(m_ratings->toolTip(KindFromIndex(i), QString::fromLatin1(KindButtons[i].hint)));
    }
}

bool TAcn5GameMainForm::guarded(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        m_services.dialogs->showError(this, QString::fromUtf8(e.what()));
    }
    return false;
}
