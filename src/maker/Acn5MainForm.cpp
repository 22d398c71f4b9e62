#include "Acn5MainForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "AcnProcsUi.h"
#include "AcnProcsUnit.h"
#include "ColumnSpin.h"
#include "MakerHelpWindow.h"
#include "RadioGroup.h"
#include "UpperCaseEdit.h"

namespace {

// The tab strip holds a sixth, hidden tab that stands for "no tab selected".
constexpr int NoTabIndex = CipherKindCount;
constexpr std::array<int, CipherKindCount> MarkPanelWidths = {68, 68, 65, 68, 68};

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QFrame* frame(const QString& name, QWidget* parent)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    return f;
}

} // namespace

TAcn5MainForm::TAcn5MainForm(AcnProcs& holder, const SettingsStore& settings, UiServices ui, Random& rng,
                             QWidget* parent)
    : QMainWindow(parent), m_holder(holder), m_settings(settings), m_ui(ui), m_rng(rng),
      m_programFolder(QCoreApplication::applicationDirPath()), m_pause(&PauseFor)
{
    setObjectName(QStringLiteral("Acn5MainForm"));
    setWindowTitle(QStringLiteral("Tessarin 5"));
    buildLayout();
    buildActions();
    buildMenus();
    buildToolBar();
    FormCreate();
}

TAcn5MainForm::~TAcn5MainForm()
{
    // The text boxes go after this window's own part: they must no longer report their changes to it.
    for (QObject* box : std::initializer_list<QObject*>{SourceREdit, KeywordEd, PtAlphaKeyEd, IndiKeyEd, ColEd}) {
        disconnect(box, nullptr, this, nullptr);
    }
    // The help window is a top-level window of its own; it goes with the main window.
    delete m_help.data();
}

void TAcn5MainForm::buildLayout()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(buildTextPanel(), 1);
    layout->addWidget(buildOptionFrames(), 0, Qt::AlignTop | Qt::AlignRight);
    setCentralWidget(central);
    buildStatusBar();
    ProgBar = new QProgressBar(this);
    ProgBar->setObjectName(QStringLiteral("ProgBar"));
    ProgBar->setRange(0, 100);
    ProgBar->setFixedSize(150, 17);
    ProgBar->setTextVisible(false);
    ProgBar->hide();
}

QWidget* TAcn5MainForm::buildTextPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Splitter1 = new QSplitter(Qt::Vertical, Panel1);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(6);
    Splitter1->setChildrenCollapsible(false);
    SourceREdit = new QPlainTextEdit(Splitter1);
    SourceREdit->setObjectName(QStringLiteral("SourceREdit"));
    SourceREdit->document()->setDocumentMargin(8);
    SourceREdit->setTabChangesFocus(true); // a quotation holds no tabs; Tab moves on to the options
    CryptREdit = new QPlainTextEdit(Splitter1);
    CryptREdit->setObjectName(QStringLiteral("CryptREdit"));
    CryptREdit->document()->setDocumentMargin(8);
    CryptREdit->setReadOnly(true);
    CryptREdit->viewport()->setCursor(Qt::ArrowCursor);
    CryptREdit->viewport()->installEventFilter(this);
    interceptShortcuts(SourceREdit);
    connect(SourceREdit, &QPlainTextEdit::textChanged, this, &TAcn5MainForm::updateModifiedMark);
    interceptShortcuts(CryptREdit);
    layout->addWidget(Splitter1, 1);
    TabSet1 = new QTabBar(Panel1);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setDrawBase(false);
    TabSet1->setExpanding(false);
    for (const char* caption :
         {" cipher     ", " railfence     ", " playfair     ", " quagmire     ", " vigenere     "}) {
        TabSet1->addTab(QString::fromLatin1(caption));
    }
    TabSet1->addTab(QString());
    TabSet1->setTabVisible(NoTabIndex, false);
    // The selected tab is coloured like an active caption: a gradient of the highlight colour.
    const QColor caption = palette().color(QPalette::Active, QPalette::Highlight);
    TabSet1->setStyleSheet(QStringLiteral("QTabBar::tab:selected { color: palette(highlighted-text); background: "
                                          "qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:1 %2); }")
                               .arg(caption.darker(115).name(), caption.lighter(135).name()));
    connect(TabSet1, &QTabBar::currentChanged, this, [this](int) {
        if (!m_programTabChange) {
            runGuarded([this] { TabSet1Click(); });
        }
    });
    layout->addWidget(TabSet1);
    return Panel1;
}

QWidget* TAcn5MainForm::buildOptionFrames()
{
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("OptionFrames"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildFrame1());
    layout->addWidget(buildFrame2());
    layout->addWidget(buildFrame3());
    layout->addStretch();
    column->setFixedWidth(250);
    return column;
}

QFrame* TAcn5MainForm::buildFrame1()
{
    QFrame* bevel = frame(QStringLiteral("Bevel1"), this);
    auto* layout = new QHBoxLayout(bevel);
    auto* substitution = new QVBoxLayout;
    CipherGroup1 =
        new RadioGroup(QStringLiteral("CipherGroup1"), {QStringLiteral("Similar"), QStringLiteral("Unique")}, bevel);
    CipherGroup2 =
        new RadioGroup(QStringLiteral("CipherGroup2"), {QStringLiteral("Random"), QStringLiteral("Offset")}, bevel);
    substitution->addWidget(CipherGroup1);
    substitution->addWidget(CipherGroup2);
    layout->addLayout(substitution);
    auto* divider = new QFrame(bevel);
    divider->setObjectName(QStringLiteral("Bevel4"));
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    layout->addWidget(divider);
    RailGroup3 =
        new RadioGroup(QStringLiteral("RailGroup3"),
                       {QStringLiteral("2 Rails"), QStringLiteral("3 Rails"), QStringLiteral("4 Rails")}, bevel);
    layout->addWidget(RailGroup3, 0, Qt::AlignTop);
    connect(CipherGroup1, &RadioGroup::clicked, this, [this] { runGuarded([this] { CipherGroupClick(); }); });
    connect(CipherGroup2, &RadioGroup::clicked, this, [this] { runGuarded([this] { CipherGroupClick(); }); });
    return bevel;
}

QFrame* TAcn5MainForm::buildFrame2()
{
    QFrame* bevel = frame(QStringLiteral("Bevel2"), this);
    auto* layout = new QVBoxLayout(bevel);
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Plaintext keyword"), bevel);
    KeywordEd = upperCaseEdit(QStringLiteral("KeywordEd"));
    layout->addWidget(Label1);
    layout->addWidget(KeywordEd);
    return bevel;
}

QFrame* TAcn5MainForm::buildFrame3()
{
    QFrame* bevel = frame(QStringLiteral("Bevel3"), this);
    auto* layout = new QVBoxLayout(bevel);
    auto* keyRow = new QHBoxLayout;
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Cipher table key"), bevel);
    DittoChk = new QCheckBox(QStringLiteral("Same as keyword"), bevel);
    DittoChk->setObjectName(QStringLiteral("DittoChk"));
    keyRow->addWidget(Label2);
    keyRow->addStretch();
    keyRow->addWidget(DittoChk);
    layout->addLayout(keyRow);
    PtAlphaKeyEd = upperCaseEdit(QStringLiteral("PtAlphaKeyEd"));
    layout->addWidget(PtAlphaKeyEd);
    auto* indicatorRow = new QGridLayout;
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("Indicator key"), bevel);
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("Column"), bevel);
    IndiKeyEd = upperCaseEdit(QStringLiteral("IndiKeyEd"), 7);
    ColEd = new QLineEdit(QStringLiteral("1"), bevel);
    ColEd->setObjectName(QStringLiteral("ColEd"));
    ColEd->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), ColEd));
    ColEd->setFixedWidth(36);
    connect(ColEd, &QLineEdit::textChanged, this, &TAcn5MainForm::updateModifiedMark);
    interceptShortcuts(ColEd);
    UpDown1 = new ColumnSpin(ColEd, 1, 26, bevel);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    auto* columnRow = new QHBoxLayout;
    columnRow->setSpacing(0);
    columnRow->addWidget(ColEd);
    columnRow->addWidget(UpDown1);
    columnRow->addStretch();
    indicatorRow->addWidget(Label3, 0, 0);
    indicatorRow->addWidget(Label4, 0, 1);
    indicatorRow->addWidget(IndiKeyEd, 1, 0);
    indicatorRow->addLayout(columnRow, 1, 1);
    layout->addLayout(indicatorRow);
    connect(DittoChk, &QCheckBox::clicked, this, [this] { runGuarded([this] { DittoChkClick(); }); });
    return bevel;
}

QLineEdit* TAcn5MainForm::upperCaseEdit(const QString& name, int maxLength)
{
    QLineEdit* edit = new UpperCaseEdit(this);
    edit->setObjectName(name);
    if (maxLength > 0) {
        edit->setMaxLength(maxLength);
    }
    interceptShortcuts(edit);
    connect(edit, &QLineEdit::textChanged, this, &TAcn5MainForm::updateModifiedMark);
    return edit;
}

void TAcn5MainForm::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i < MarkPanelWidths.size()) {
            panel->setFixedWidth(MarkPanelWidths[i]);
            panel->setAlignment(Qt::AlignCenter);
        }
        bar->addWidget(panel, i + 1 == m_panels.size() ? 1 : 0);
        m_panels[i] = panel;
    }
    buildCheckPanel();
}

void TAcn5MainForm::updateStatusPanel5()
{
    // Measured where the panel really starts: the status bar puts margins and gaps between its panels.
    if (QLayout* bar = statusBar()->layout()) {
        bar->activate();
    }
    const int start = m_panels[5]->mapTo(this, QPoint(0, 0)).x();
    const int left = CipherGroup1->mapTo(this, QPoint(0, 0)).x();
    m_panels[5]->setFixedWidth(qMax(0, left - start));
}

void TAcn5MainForm::interceptShortcuts(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool TAcn5MainForm::eventFilter(QObject* watched, QEvent* event)
{
    // The window's shortcuts come before the focused control's own keys: Ctrl+X closes the window even inside
    // the plaintext editor, which would otherwise take it as Cut.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (QKeySequence(key->keyCombination()) == ExitAct->shortcut()) {
            event->ignore();
            return true;
        }
    }
    if (watched == CryptREdit->viewport() && event->type() == QEvent::MouseButtonPress) {
        SourceREdit->setFocus(Qt::MouseFocusReason);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

CipherKind TAcn5MainForm::selectedKind() const
{
    return KindFromIndex(TabSet1->currentIndex());
}

void TAcn5MainForm::selectKind(CipherKind kind)
{
    const int index = kind == CipherKind::None ? NoTabIndex : static_cast<int>(kind);
    if (TabSet1->currentIndex() != index) {
        m_programTabChange = true;
        TabSet1->setCurrentIndex(index);
        m_programTabChange = false;
        TabSet1Click();
    }
}
