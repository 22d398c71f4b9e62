// The action list of the main window, its menu bar and its tool bar.
#include "Acn5MainForm.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>

#include "AcnProcsUi.h"
#include "MakerIcons.h"
#include "TessarinError.h"

QAction* TAcn5MainForm::addAction(const QString& name, const QString& caption, const QString& category,
                                  void (TAcn5MainForm::*handler)())
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setProperty("category", category);
    action->setShortcutContext(Qt::WindowShortcut);
    if (handler != nullptr) {
        connect(action, &QAction::triggered, this,
                [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    }
    QMainWindow::addAction(action);
    return action;
}

void TAcn5MainForm::runGuarded(const std::function<void()>& command)
{
    // The one place where an error that ended a command reaches the user: the stop box with its message.
    try {
        command();
    } catch (const TessarinError& e) {
        ReportError(m_ui, this, QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        ReportError(m_ui, this, QString::fromUtf8(e.what()));
    }
    updateModifiedMark();
    refreshChecks();
}

void TAcn5MainForm::buildActions()
{
    buildPuzzleActions();
    buildOptionActions();
    buildSpecialActions();
    buildToolActions();
}

void TAcn5MainForm::buildPuzzleActions()
{
    const QString puzzle = QStringLiteral("Puzzle");
    NewAct = addAction(QStringLiteral("NewAct"), QStringLiteral("&New Cryptogram..."), puzzle,
                       &TAcn5MainForm::NewActExecute);
    OpenAct = addAction(QStringLiteral("OpenAct"), QStringLiteral("&Open Cryptogram..."), puzzle,
                        &TAcn5MainForm::OpenActExecute);
    OpenAct->setIcon(MakerIcon(QStringLiteral("open")));
    EncryptAct =
        addAction(QStringLiteral("EncryptAct"), QStringLiteral("En&crypt!"), puzzle, &TAcn5MainForm::EncryptBtnClick);
    EncryptAct->setIcon(MakerIcon(QStringLiteral("encrypt")));
    SaveAct = addAction(QStringLiteral("SaveAct"), QStringLiteral("S&ave"), puzzle, &TAcn5MainForm::SaveActExecute);
    SaveAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAct->setIcon(MakerIcon(QStringLiteral("save")));
    SaveAct->setEnabled(false);
    SaveAsAct =
        addAction(QStringLiteral("SaveAsAct"), QStringLiteral("&Save As..."), puzzle, &TAcn5MainForm::SaveAsActExecute);
    PrintAct =
        addAction(QStringLiteral("PrintAct"), QStringLiteral("&Print..."), puzzle, &TAcn5MainForm::PrintActExecute);
    PrintAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    PrintAct->setIcon(MakerIcon(QStringLiteral("print")));
    PrintSetupAct = addAction(QStringLiteral("PrintSetupAct"), QStringLiteral("P&rinter Setup..."), puzzle,
                              &TAcn5MainForm::PrintSetupActExecute);
    for (int i = 0; i < 3; ++i) {
        QAction* entry = addAction(QStringLiteral("History%1Act").arg(i + 1),
                                   QStringLiteral("&%1 Puzzle %1").arg(i + 1), puzzle, nullptr);
        connect(entry, &QAction::triggered, this, [this, i] { runGuarded([this, i] { HistoryPuzzleAct(i); }); });
        entry->setVisible(false);
        m_historyActs[static_cast<std::size_t>(i)] = entry;
    }
    ExitAct = addAction(QStringLiteral("ExitAct"), QStringLiteral("&Exit"), puzzle, &TAcn5MainForm::ExitActExecute);
    ExitAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
}

void TAcn5MainForm::buildOptionActions()
{
    const QString options = QStringLiteral("Options");
    RevertAct = addAction(QStringLiteral("RevertAct"), QStringLiteral("&Revert to Saved"), options,
                          &TAcn5MainForm::RevertActExecute);
    DistillAct = addAction(QStringLiteral("DistillAct"), QStringLiteral("&Normalize Source"), options,
                           &TAcn5MainForm::DistillActExecute);
    PatristAct = addAction(QStringLiteral("PatristAct"), QStringLiteral("P&atristocrat"), options,
                           &TAcn5MainForm::PatristActExecute);
    m_kindGroup = new QActionGroup(this);
    m_kindGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const std::array<std::pair<const char*, const char*>, CipherKindCount> kinds = {{{"CipherAct", "&Cipher"},
                                                                                     {"RailFAct", "Ra&ilfence"},
                                                                                     {"PlayAct", "P&layfair"},
                                                                                     {"QuagAct", "&Quagmire"},
                                                                                     {"VigenereAct", "&Vigenere"}}};
    for (int i = 0; i < CipherKindCount; ++i) {
        const auto& [name, caption] = kinds[static_cast<std::size_t>(i)];
        QAction* act = addAction(QString::fromLatin1(name), QString::fromLatin1(caption), options, nullptr);
        act->setCheckable(true);
        act->setProperty("tag", 100 + i);
        m_kindGroup->addAction(act);
        connect(act, &QAction::triggered, this, [this, i] { runGuarded([this, i] { CryptoMenuAct(100 + i); }); });
        m_kindActs[static_cast<std::size_t>(i)] = act;
    }
    PrefersAct = addAction(QStringLiteral("PrefersAct"), QStringLiteral("&Preferences..."), options,
                           &TAcn5MainForm::PrefersActExecute);
    PrefersAct->setIcon(MakerIcon(QStringLiteral("preferences")));
}

void TAcn5MainForm::buildSpecialActions()
{
    const QString special = QStringLiteral("Special");
    CopyClipAct = addAction(QStringLiteral("CopyClipAct"), QStringLiteral("&Puzzle to Clipboard"), special,
                            &TAcn5MainForm::CopyClipActExecute);
    SolClipAct = addAction(QStringLiteral("SolClipAct"), QStringLiteral("&Solution to Clipboard"), special,
                           &TAcn5MainForm::SolClipActExecute);
    ExpTextAct = addAction(QStringLiteral("ExpTextAct"), QStringLiteral("Exp&ort Text File..."), special,
                           &TAcn5MainForm::ExpTextActExecute);
    ExpRTFAct = addAction(QStringLiteral("ExpRTFAct"), QStringLiteral("E&xport RTF File..."), special,
                          &TAcn5MainForm::ExpRTFActExecute);
    ExportCipherWebAct = addAction(QStringLiteral("ExportCipherWebAct"), QStringLiteral("&Export Cipher to Web"),
                                   special, &TAcn5MainForm::ExportCipherWebActExecute);
    DistributeAct = addAction(QStringLiteral("DistributeAct"), QStringLiteral("&Distribute Puzzles..."), special,
                              &TAcn5MainForm::DistributeActExecute);
}

void TAcn5MainForm::buildToolActions()
{
    const QString tools = QStringLiteral("Tools");
    QuoteAct =
        addAction(QStringLiteral("QuoteAct"), QStringLiteral("Q&uotations..."), tools, &TAcn5MainForm::QuoteActExecute);
    QuoteAct->setIcon(MakerIcon(QStringLiteral("quotations")));
    CipherAlphaAct = addAction(QStringLiteral("CipherAlphaAct"), QStringLiteral("C&ipher Alphabet..."), tools,
                               &TAcn5MainForm::CipherAlphaActExecute);
    PlaySqAct = addAction(QStringLiteral("PlaySqAct"), QStringLiteral("&Playfair Square..."), tools,
                          &TAcn5MainForm::PlaySqActExecute);
    KeyTableAct = addAction(QStringLiteral("KeyTableAct"), QStringLiteral("&Quagmire Table..."), tools,
                            &TAcn5MainForm::KeyTableActExecute);
    VigTableAct = addAction(QStringLiteral("VigTableAct"), QStringLiteral("&Vigenere Table..."), tools,
                            &TAcn5MainForm::VigTableActExecute);
    CheckPuzzleAct = addAction(QStringLiteral("CheckPuzzleAct"), QStringLiteral("C&heck Puzzle..."), tools,
                               &TAcn5MainForm::CheckPuzzleActExecute);
    CheckPuzzleAct->setShortcut(QKeySequence(Qt::Key_F7));
    LaunchGameAct = addAction(QStringLiteral("LaunchGameAct"), QStringLiteral("&Game Edition..."), tools,
                              &TAcn5MainForm::LaunchGameEdition);
    LaunchGameAct->setIcon(MakerIcon(QStringLiteral("game")));
    const QString help = QStringLiteral("Help");
    ContentsAct =
        addAction(QStringLiteral("ContentsAct"), QStringLiteral("&Contents"), help, &TAcn5MainForm::ContentsActExecute);
    ContentsAct->setIcon(MakerIcon(QStringLiteral("help")));
    ContentsAct->setShortcut(QKeySequence::HelpContents); // F1, where a person looks for the help
    KeywordAct = addAction(QStringLiteral("KeywordAct"), QStringLiteral("&Keyword Index"), help,
                           &TAcn5MainForm::KeywordActExecute);
    AboutAct =
        addAction(QStringLiteral("AboutAct"), QStringLiteral("&About..."), help, &TAcn5MainForm::AboutActExecute);
    for (QAction* act : {CipherAlphaAct, PlaySqAct, KeyTableAct, VigTableAct, PatristAct, ExportCipherWebAct}) {
        act->setEnabled(false);
    }
}

void TAcn5MainForm::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("ActionMainMenuBar1"));
    QMenu* puzzle = bar->addMenu(QStringLiteral("&Puzzle"));
    puzzle->setObjectName(QStringLiteral("PuzzleMenu"));
    puzzle->addActions({NewAct, OpenAct});
    puzzle->addSeparator();
    puzzle->addAction(EncryptAct);
    puzzle->addSeparator();
    puzzle->addActions({SaveAct, SaveAsAct});
    puzzle->addSeparator();
    puzzle->addActions({PrintAct, PrintSetupAct});
    HistorySep = puzzle->addSeparator();
    HistorySep->setObjectName(QStringLiteral("HistorySep"));
    HistorySep->setVisible(false);
    for (QAction* entry : m_historyActs) {
        puzzle->addAction(entry);
    }
    puzzle->addSeparator();
    puzzle->addAction(ExitAct);

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("OptionsMenu"));
    options->addAction(RevertAct);
    options->addSeparator();
    options->addActions({DistillAct, PatristAct});
    options->addSeparator();
    for (QAction* act : m_kindActs) {
        options->addAction(act);
    }
    options->addSeparator();
    options->addAction(PrefersAct);

    QMenu* special = bar->addMenu(QStringLiteral("&Special"));
    special->setObjectName(QStringLiteral("SpecialMenu"));
    special->addActions({CopyClipAct, SolClipAct});
    special->addSeparator();
    special->addActions({ExpTextAct, ExpRTFAct});
    special->addSeparator();
    special->addAction(ExportCipherWebAct);
    special->addSeparator();
    special->addAction(DistributeAct);

    QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("ToolsMenu"));
    tools->addAction(QuoteAct);
    tools->addSeparator();
    tools->addActions({CipherAlphaAct, PlaySqAct, KeyTableAct, VigTableAct});
    tools->addSeparator();
    tools->addAction(CheckPuzzleAct);
    tools->addSeparator();
    tools->addAction(LaunchGameAct);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    help->addActions({ContentsAct, KeywordAct});
    help->addSeparator();
    help->addAction(AboutAct);
    // The corner keeps its room while the bar is hidden: a corner widget that appears later is not laid out again,
    // and the menu bar would cut it at the window's edge.
    auto* corner = new QWidget(bar);
    corner->setObjectName(QStringLiteral("ProgBarCorner"));
    auto* cornerLayout = new QHBoxLayout(corner);
    cornerLayout->setContentsMargins(0, 0, 4, 0);
    QSizePolicy keepRoom = ProgBar->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    ProgBar->setSizePolicy(keepRoom);
    cornerLayout->addWidget(ProgBar);
    bar->setCornerWidget(corner, Qt::TopRightCorner);
}

QToolButton* TAcn5MainForm::toolButton(const QString& name, QAction* action, const QString& hint)
{
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(name);
    action->setToolTip(hint);
    button->setDefaultAction(action);
    button->setToolTip(hint);
    button->setFixedSize(42, 42);
    button->setIconSize(QSize(32, 32));
    button->setAutoRaise(true);
    ToolBar1->addWidget(button);
    return button;
}

void TAcn5MainForm::buildToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("Tools"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFixedHeight(50);
    ToolBar1->setIconSize(QSize(32, 32));
    toolButton(QStringLiteral("OpenBtn"), OpenAct, QStringLiteral("Open a cryptogram"));
    ToolBar1->addSeparator();
    toolButton(QStringLiteral("EncryptBtn"), EncryptAct, QStringLiteral("Encrypt!"));
    ToolBar1->addSeparator();
    toolButton(QStringLiteral("SaveBtn"), SaveAct, QStringLiteral("Save"));
    toolButton(QStringLiteral("PrintBtn"), PrintAct, QStringLiteral("Print"));
    ToolBar1->addSeparator();
    toolButton(QStringLiteral("PreferenceBtn"), PrefersAct, QStringLiteral("Set preferences"));
    toolButton(QStringLiteral("SourceRefBtn"), QuoteAct, QStringLiteral("Quotations resource..."));
    ToolBar1->addSeparator();
    toolButton(QStringLiteral("GameEdBtn"), LaunchGameAct, QStringLiteral("Play the Game edition"));
    ToolBar1->addSeparator();
    // The help button has no action of its own: a click runs the Contents command.
    auto* help = new QToolButton(ToolBar1);
    help->setObjectName(QStringLiteral("HelpBtn"));
    help->setIcon(MakerIcon(QStringLiteral("help")));
    help->setToolTip(QStringLiteral("Help contents"));
    help->setFixedSize(42, 42);
    help->setIconSize(QSize(32, 32));
    help->setAutoRaise(true);
    connect(help, &QToolButton::clicked, this, [this] { runGuarded([this] { ContentsActExecute(); }); });
    ToolBar1->addWidget(help);
}
