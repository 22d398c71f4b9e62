#include "AcnPrefUnit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "AcnPrefSwatch.h"
#include "QtColor.h"
#include "RadioTabFocus.h"
#include "SettingsStore.h"
#include "TessarinError.h"

namespace {

constexpr int kBorder = 16;
constexpr int kClientWidth = 373;
constexpr int kClientHeight = 339;

const QString kSampleText =
    QStringLiteral("Use Set Font to choose the font style for both plaintext and ciphertext. Pick a color below for "
                   "the plaintext window color.");

struct SwatchSpec
{
    const char* name;
    ColorValue color;
};

// Left to right: the system window colour, then pale cyan, green, yellow, pink and light grey.
constexpr SwatchSpec kSwatches[] = {
    {"Shape6", NamedColor::clWindow},    {"Shape1", RgbColor(236, 254, 254)}, {"Shape2", RgbColor(233, 250, 226)},
    {"Shape3", RgbColor(253, 254, 231)}, {"Shape4", RgbColor(253, 238, 240)}, {"Shape5", RgbColor(245, 245, 245)},
};

// Selects item index of an exclusive group, or no item for an index outside it.
void selectItem(QButtonGroup* group, int index)
{
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(group->id(button) == index);
    }
    group->setExclusive(true);
}

} // namespace

TAcnPrefForm::TAcnPrefForm(AcnProcs& holder, const SettingsStore& settings, UiServices ui, QSize mainWindowSize,
                           QWidget* parent)
    : QDialog(parent), m_holder(holder), m_settings(settings), m_ui(ui), m_mainWindowSize(mainWindowSize)
{
    m_holder.PrefsChanged = false;
    setObjectName(QStringLiteral("AcnPrefForm"));
    setWindowTitle(QStringLiteral("Tessarin 5 Preferences"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    // Only the tab bar is styled: a style sheet on the whole tab control would paint over the sample's colours.
    m_pages->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { width: 180px; }"));
    m_pages->addTab(buildGeneralPage(), QStringLiteral("General"));
    m_pages->addTab(buildViewPage(), QStringLiteral("View"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    layout->addWidget(m_pages, 1);
    layout->addWidget(buildButtonRow());
    // The design size, or more where larger system fonts need it.
    setFixedSize(QSize(kClientWidth + 2 * kBorder, kClientHeight + 2 * kBorder).expandedTo(sizeHint()));
    move(154, 113);

    const auto report = [this](const QString& message) { m_ui.dialogs->showError(this, message); };
    showValues(ReadAcnPrefs(m_settings, report));
    m_pages->setCurrentIndex(0);
}

QGroupBox* TAcnPrefForm::buildGroup(const QString& name, const QString& title, const QStringList& items,
                                    QButtonGroup*& group)
{
    auto* box = new QGroupBox(title);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], box);
        radio->setObjectName(name + QStringLiteral("Item%1").arg(i));
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    TabToCheckedButton(*group);
    layout->addStretch();
    return box;
}

QWidget* TAcnPrefForm::buildGeneralPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto* groups = new QHBoxLayout;
    groups->addWidget(buildGroup(QStringLiteral("PrefGroup1"), QStringLiteral("Alphabet"),
                                 {QStringLiteral("Similar"), QStringLiteral("Unique")}, m_group1));
    groups->addWidget(buildGroup(QStringLiteral("PrefGroup2"), QStringLiteral("Keying"),
                                 {QStringLiteral("Random"), QStringLiteral("Offset")}, m_group2));
    groups->addWidget(buildGroup(QStringLiteral("PrefGroup3"), QStringLiteral("Rail fence"),
                                 {QStringLiteral("2 Rails"), QStringLiteral("3 Rails"), QStringLiteral("4 Rails")},
                                 m_group3));
    auto* label = new QLabel(QStringLiteral("Quotation Tool"), page);
    m_quoteTool = new QLineEdit(page);
    m_quoteTool->setObjectName(QStringLiteral("QuoToolEd"));
    label->setBuddy(m_quoteTool);
    auto* browse = new QPushButton(QStringLiteral("Browse..."), page);
    browse->setObjectName(QStringLiteral("BrowseBtn"));
    connect(browse, &QPushButton::clicked, this, &TAcnPrefForm::BrowseBtnClick);
    auto* toolRow = new QHBoxLayout;
    toolRow->addWidget(m_quoteTool, 1);
    toolRow->addWidget(browse);
    m_sizeCheck = new QCheckBox(QStringLiteral("Remember current size"), page);
    m_sizeCheck->setObjectName(QStringLiteral("USizeChk"));

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(groups);
    layout->addSpacing(6);
    layout->addWidget(label);
    layout->addLayout(toolRow);
    layout->addSpacing(6);
    layout->addWidget(m_sizeCheck);
    layout->addStretch();
    return page;
}

QWidget* TAcnPrefForm::buildViewPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    m_sample = new QTextEdit(page);
    m_sample->setObjectName(QStringLiteral("RichEdit1"));
    m_sample->setReadOnly(true);
    m_sample->setFocusPolicy(Qt::NoFocus);
    m_sample->viewport()->installEventFilter(this);
    auto* fontBtn = new QPushButton(QStringLiteral("Set Font"), page);
    fontBtn->setObjectName(QStringLiteral("FontBtn"));
    connect(fontBtn, &QPushButton::clicked, this, &TAcnPrefForm::FontBtnClick);
    // The system's font dialog has no colour control here, so the font colour has a button of its own.
    auto* colorBtn = new QPushButton(QStringLiteral("Font C&olor..."), page);
    colorBtn->setObjectName(QStringLiteral("FontColorBtn"));
    connect(colorBtn, &QPushButton::clicked, this, &TAcnPrefForm::FontColorBtnClick);
    auto* swatches = new QHBoxLayout;
    for (const SwatchSpec& choice : kSwatches) {
        auto* swatch = new AcnPrefSwatch(choice.color, page);
        swatch->setObjectName(QString::fromUtf8(choice.name));
        connect(swatch, &AcnPrefSwatch::picked, this, [this](ColorValue color) {
            m_background = color;
            showSample();
        });
        swatches->addWidget(swatch);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_sample, 1);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(fontBtn);
    fontRow->addWidget(colorBtn);
    fontRow->addStretch();
    layout->addLayout(fontRow);
    layout->addLayout(swatches);
    return page;
}

QWidget* TAcnPrefForm::buildButtonRow()
{
    auto* row = new QWidget(this);
    auto* defaults = new QPushButton(QStringLiteral("&Defaults"), row);
    defaults->setObjectName(QStringLiteral("DefaultsBtn"));
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), row);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    m_saveBtn = new QPushButton(QStringLiteral("&Save"), row);
    m_saveBtn->setObjectName(QStringLiteral("SaveBtn"));
    m_saveBtn->setDefault(true);
    connect(defaults, &QPushButton::clicked, this, &TAcnPrefForm::DefaultsBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_saveBtn, &QPushButton::clicked, this, &TAcnPrefForm::SaveBtnClick);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->addWidget(defaults);
    layout->addStretch();
    layout->addWidget(cancel);
    layout->addWidget(m_saveBtn);
    return row;
}

void TAcnPrefForm::showValues(const AcnPrefValues& values)
{
    selectItem(m_group1, values.PrefRad1);
    selectItem(m_group2, values.PrefRad2);
    selectItem(m_group3, values.PrefRad3);
    m_quoteTool->setText(values.QuoteTool);
    m_sizeCheck->setChecked(false);
    m_background = values.WinColor;
    m_fontColor = values.FontColor;
    m_sampleFont = PrefFontOf(values.FontName, values.FontSize, values.FontStyle);
    showSample();
}

AcnPrefValues TAcnPrefForm::currentValues() const
{
    AcnPrefValues v;
    v.PrefRad1 = m_group1->checkedId();
    v.PrefRad2 = m_group2->checkedId();
    v.PrefRad3 = m_group3->checkedId();
    v.QuoteTool = m_quoteTool->text();
    v.RememberSize = m_sizeCheck->isChecked();
    v.WindowSize = m_mainWindowSize;
    v.WinColor = m_background;
    v.FontName = m_sampleFont.family();
    v.FontSize = m_sampleFont.pointSize() > 0 ? m_sampleFont.pointSize() : qRound(m_sampleFont.pointSizeF());
    v.FontColor = m_fontColor;
    v.FontStyle = PrefStyleBitsOf(m_sampleFont);
    return v;
}

void TAcnPrefForm::showSample()
{
    QPalette colours = m_sample->palette();
    const QColor background = ToQColor(m_background, palette());
    const QColor text = ToQColor(m_fontColor, palette());
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, background.isValid() ? background : palette().color(QPalette::Base));
        colours.setColor(group, QPalette::Text, text.isValid() ? text : palette().color(QPalette::Text));
    }
    m_sample->setPalette(colours);
    m_sample->setFont(m_sampleFont);
    m_sample->document()->setDefaultFont(m_sampleFont);
    m_sample->setPlainText(kSampleText);
}

void TAcnPrefForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_saveBtn->setFocus();
}

// A click into the read-only sample hands the focus to Save.
bool TAcnPrefForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_sample->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_saveBtn->setFocus();
    }
    return QDialog::eventFilter(watched, event);
}

// Qt's font dialog picks face, style and size; the font colour stays as it is.
void TAcnPrefForm::FontBtnClick()
{
    if (const std::optional<QFont> chosen = m_ui.dialogs->chooseFont(this, m_sampleFont)) {
        m_sampleFont = PrefFontOf(chosen->family(), chosen->pointSize(), PrefStyleBitsOf(*chosen));
        showSample();
    }
}

void TAcnPrefForm::FontColorBtnClick()
{
    const QColor current = ToQColor(m_fontColor, palette());
    if (const std::optional<QColor> chosen = m_ui.dialogs->chooseColor(this, current, QStringLiteral("Font Color"))) {
        m_fontColor = FromQColor(*chosen);
        showSample();
    }
}

void TAcnPrefForm::BrowseBtnClick()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Link Quotation Source");
#ifdef Q_OS_WIN
    request.filter = QStringLiteral("Reference Application (*.exe)");
    request.fileName = QStringLiteral("*.exe");
    request.defaultSuffix = QStringLiteral("exe");
#else
    request.filter = QStringLiteral("Reference Application (*)"); // programs here carry no extension
#endif
    const QFileInfo current(m_quoteTool->text());
    if (current.isAbsolute() && current.absoluteDir().exists()) {
        request.folder = current.absolutePath();
    }
    request.confirmOverwrite = false;
    const QString chosen = m_ui.dialogs->openFileName(this, request);
    if (!chosen.isEmpty()) {
        m_quoteTool->setText(chosen);
    }
}

void TAcnPrefForm::DefaultsBtnClick()
{
    showValues(DefaultAcnPrefs());
}

// Writes what differs. The flag is raised before the first write, so that the main window re-applies whatever
// reached the store even when a later write fails; the dialog then stays open.
void TAcnPrefForm::SaveBtnClick()
{
    m_holder.PrefsChanged = true;
    try {
        SaveAcnPrefs(m_settings, currentValues());
    } catch (const TessarinError& error) {
        m_ui.dialogs->showError(this, QString::fromUtf8(error.what()));
        return;
    }
    accept();
}
