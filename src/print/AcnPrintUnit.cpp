#include "AcnPrintUnit.h"

#include <QButtonGroup>
#include <QEventLoop>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "PageText.h"
#include "PdfOutput.h"
#include "PrintFontSettings.h"
#include "PrinterCanvas.h"
#include "PrinterSession.h"
#include "RadioTabFocus.h"
#include "SettingNames.h"
#include "SettingsStore.h"
#include "TessarinError.h"

namespace {
constexpr int ClientWidth = 652;
constexpr int ClientHeight = 576;
constexpr int PreviewWidth = 448;

const QString NoPrinterText = QStringLiteral("No printer is installed.");
const QString NoPrinterMessage =
    QStringLiteral("No printer is installed. Install a printer, or use \"Print PDF...\" to write the pages into a "
                   "PDF file.");

// Waits while window events keep being processed, so the dialog stays usable.
void pauseFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

QRadioButton* radio(const QString& name, const QString& caption)
{
    auto* button = new QRadioButton(caption);
    button->setObjectName(name);
    return button;
}

QPushButton* button(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

// The PDF name suggested for a puzzle: its file name without folder, with ".pdf" for its extension.
QString suggestedPdfName(const std::string& fileName)
{
    const QFileInfo info(QString::fromStdString(fileName));
    const QString base = info.completeBaseName();
    return (base.isEmpty() ? QStringLiteral("Untitled") : base) + QStringLiteral(".pdf");
}
} // namespace

TAcnPrintForm::TAcnPrintForm(AcnProcs& holder, const SettingsStore& settings, UiServices ui, CipherKind kind,
                             QWidget* parent)
    : QDialog(parent), m_holder(holder), m_settings(settings), m_ui(ui), m_kind(kind), m_printer(SessionPrinter())
{
    setObjectName(QStringLiteral("AcnPrintForm"));
    setWindowTitle(QStringLiteral("Print Cryptogram"));
    setWindowFlags(windowFlags() | Qt::Tool);
    preparePrinter();
    buildControls();
    // The design size, grown where the texts of this system's fonts need more room; the preview takes what the
    // panel leaves.
    resize(QSize(ClientWidth, ClientHeight).expandedTo(sizeHint()));
    m_radioNone->setChecked(true);
    m_upDown->setVisible(false);
    showPrinterName();
    refreshPreview();
}

QString TAcnPrintForm::CaptionOf(CipherKind kind)
{
    switch (kind) {
    case CipherKind::Cipher:
        return QStringLiteral("Print Cipher Cryptogram");
    case CipherKind::Railfence:
        return QStringLiteral("Print Railfence Cryptogram");
    case CipherKind::Playfair:
        return QStringLiteral("Print Playfair Cryptogram");
    case CipherKind::Quagmire:
        return QStringLiteral("Print Quagmire Cryptogram");
    case CipherKind::Vigenere:
        return QStringLiteral("Print Vigenere Cryptogram");
    case CipherKind::None:
        break;
    }
    return QStringLiteral("Print Cryptogram");
}

// The session printer keeps the printer, paper, copies and page range chosen; its margins follow the printer.
void TAcnPrintForm::preparePrinter()
{
    m_hasPrinter = HasPrinter(m_printer);
    FitPrintableMargins(m_printer);
}

void TAcnPrintForm::showPrinterName()
{
    m_printerLabel->setText(m_hasPrinter ? m_printer.printerName() : NoPrinterText);
}

void TAcnPrintForm::buildControls()
{
    m_preview = new QPrintPreviewWidget(&m_printer, this);
    m_preview->setObjectName(QStringLiteral("PagePreview"));
    m_preview->setMinimumWidth(PreviewWidth);
    m_preview->fitInView();
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &TAcnPrintForm::paintPages);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &TAcnPrintForm::showPageNumber);

    // The preview's bar spans the dialog, so that all its commands have room beside each other.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(buildPreviewBar());
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_preview, 1);
    layout->addWidget(buildPanel());
    rows->addLayout(layout, 1);
}

// Zoom (fit page, fit width, in, out) and paging of the preview.
QWidget* TAcnPrintForm::buildPreviewBar()
{
    auto* bar = new QToolBar;
    bar->setObjectName(QStringLiteral("PreviewBar"));
    bar->setIconSize(QSize(16, 16));
    const auto add = [this, bar](const QString& name, const QString& icon, const QString& text, auto slot) {
        QAction* action = bar->addAction(QIcon::fromTheme(icon), text, this, slot);
        action->setObjectName(name);
        action->setToolTip(text);
        return action;
    };
    add(QStringLiteral("FitPageAct"), QStringLiteral("zoom-fit-best"), QStringLiteral("Fit Page"),
        [this] { m_preview->fitInView(); });
    add(QStringLiteral("FitWidthAct"), QStringLiteral("zoom-fit-width"), QStringLiteral("Fit Width"),
        [this] { m_preview->fitToWidth(); });
    add(QStringLiteral("ZoomInAct"), QStringLiteral("zoom-in"), QStringLiteral("Zoom In"),
        [this] { m_preview->zoomIn(); });
    add(QStringLiteral("ZoomOutAct"), QStringLiteral("zoom-out"), QStringLiteral("Zoom Out"),
        [this] { m_preview->zoomOut(); });
    bar->addSeparator();
    add(QStringLiteral("PrevPageAct"), QStringLiteral("go-previous"), QStringLiteral("Previous Page"),
        [this] { showPage(m_preview->currentPage() - 1); });
    m_pageLabel = new QLabel;
    m_pageLabel->setObjectName(QStringLiteral("PageLbl"));
    bar->addWidget(m_pageLabel);
    add(QStringLiteral("NextPageAct"), QStringLiteral("go-next"), QStringLiteral("Next Page"),
        [this] { showPage(m_preview->currentPage() + 1); });
    return bar;
}

void TAcnPrintForm::showPageNumber()
{
    m_pageLabel->setText(QStringLiteral(" Page %1 of %2 ").arg(m_preview->currentPage()).arg(m_preview->pageCount()));
}

QWidget* TAcnPrintForm::buildPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* column = new QVBoxLayout(panel);

    m_radioSame = radio(QStringLiteral("SamePgBtn"), QStringLiteral("Key and solution on same page."));
    m_radioNew = radio(QStringLiteral("NewPgBtn"), QStringLiteral("Key and solution on separate page."));
    m_radioNone = radio(QStringLiteral("RadioButton4"), QStringLiteral("Don't print key and solution."));
    auto* group = new QButtonGroup(panel);
    for (QRadioButton* r : {m_radioSame, m_radioNew, m_radioNone}) {
        group->addButton(r);
        column->addWidget(r);
        connect(r, &QRadioButton::clicked, this, &TAcnPrintForm::optionChanged);
    }
    TabToCheckedButton(*group);

    m_upDown = new QWidget;
    m_upDown->setObjectName(QStringLiteral("UpDown1"));
    auto* arrows = new QHBoxLayout(m_upDown);
    arrows->setContentsMargins(0, 0, 0, 0);
    auto* first = new QToolButton;
    first->setObjectName(QStringLiteral("UpDown1First"));
    first->setArrowType(Qt::LeftArrow);
    first->setToolTip(QStringLiteral("First page"));
    auto* last = new QToolButton;
    last->setObjectName(QStringLiteral("UpDown1Last"));
    last->setArrowType(Qt::RightArrow);
    last->setToolTip(QStringLiteral("Last page"));
    connect(first, &QToolButton::clicked, this, &TAcnPrintForm::showFirstPage);
    connect(last, &QToolButton::clicked, this, &TAcnPrintForm::showLastPage);
    arrows->addWidget(first);
    arrows->addWidget(last);
    arrows->addStretch();
    column->addWidget(m_upDown);
    column->addStretch();

    m_printerPicture = new QLabel;
    m_printerPicture->setObjectName(QStringLiteral("Pimg"));
    m_printerPicture->setPixmap(
        QIcon::fromTheme(QStringLiteral("printer"), QIcon(QStringLiteral(":/print/printer.png"))).pixmap(32, 32));
    m_printerPicture->setVisible(false);
    column->addWidget(m_printerPicture);

    m_printerLabel = new QLabel;
    m_printerLabel->setObjectName(QStringLiteral("PrnLbl"));
    m_printerLabel->setWordWrap(true);
    column->addWidget(m_printerLabel);

    auto* setupBtn = button(QStringLiteral("SetupBtn"), QStringLiteral("Printer Setup..."));
    connect(setupBtn, &QPushButton::clicked, this, &TAcnPrintForm::setupBtnClick);
    setupBtn->setAutoDefault(false);
    column->addWidget(setupBtn);

    auto* fontBtn = button(QStringLiteral("FontBtn"), QStringLiteral("Font..."));
    auto* pdfBtn = button(QStringLiteral("PrintPDFBtn"), QStringLiteral("Print PDF..."));
    auto* printBtn = button(QStringLiteral("Button1"), QStringLiteral("Print"));
    auto* closeBtn = button(QStringLiteral("CancelBtn"), QStringLiteral("Close"));
    connect(fontBtn, &QPushButton::clicked, this, &TAcnPrintForm::fontBtnClick);
    connect(pdfBtn, &QPushButton::clicked, this, &TAcnPrintForm::printPdfBtnClick);
    connect(printBtn, &QPushButton::clicked, this, &TAcnPrintForm::printBtnClick);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* b : {fontBtn, pdfBtn, printBtn, closeBtn}) {
        b->setAutoDefault(false);
        column->addWidget(b);
    }
    return panel;
}

// The buttons are no default buttons, so that Enter on the solution options prints nothing by surprise; Enter on a
// button that has the focus presses it, as in every other dialog.
void TAcnPrintForm::keyPressEvent(QKeyEvent* event)
{
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (focused != nullptr && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        focused->animateClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

SolutionOption TAcnPrintForm::solutionOption() const
{
    if (m_radioSame->isChecked()) {
        return SolutionOption::SamePage;
    }
    return m_radioNew->isChecked() ? SolutionOption::NewPage : SolutionOption::None;
}

PrintFont TAcnPrintForm::printFont() const
{
    return ReadPrintFont(m_settings);
}

void TAcnPrintForm::refreshPreview()
{
    setWindowTitle(CaptionOf(m_kind));
    m_preview->updatePreview();
    showFirstPage();
    // The first and last page arrows serve any text of more than one page.
    m_upDown->setVisible(m_preview->pageCount() > 1);
    showPageNumber();
}

// Draws the pages for the preview or, while printing, for the printer. The preview shows the margins.
void TAcnPrintForm::paintPages(QPrinter* printer)
{
    try {
        PrinterCanvas canvas(printer, !m_printing);
        if (m_kind == CipherKind::None) {
            canvas.beginDocument();
            canvas.endDocument();
            return;
        }
        ComposePages(canvas, m_holder.Puzzle, m_kind, solutionOption(), printFont());
    } catch (const TessarinError& error) {
        m_ui.dialogs->showError(this, QString::fromUtf8(error.what()));
    }
}

void TAcnPrintForm::optionChanged()
{
    refreshPreview();
}

void TAcnPrintForm::setupBtnClick()
{
    if (!RunPrinterSetup(this, m_printer)) {
        return;
    }
    preparePrinter();
    showPrinterName();
    refreshPreview();
}

void TAcnPrintForm::fontBtnClick()
{
    try {
        const std::optional<QFont> chosen = m_ui.dialogs->chooseFont(this, ToQFont(printFont()));
        if (!chosen) {
            return;
        }
        // The font dialog has no colour: the stored colour stays as it is.
        const QString color = m_settings.ReadSetting(Setting::PrintFontColor, SettingDefault::PrintFontColor);
        WritePrintFont(m_settings, *chosen, color);
        refreshPreview();
    } catch (const TessarinError& error) {
        m_ui.dialogs->showError(this, QString::fromUtf8(error.what()));
    }
}

void TAcnPrintForm::printPdfBtnClick()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Print ") + windowTitle().mid(6, 30) + QStringLiteral(" to PDF");
    request.fileName = suggestedPdfName(m_holder.Puzzle.FileName);
    const QFileInfo puzzle(QString::fromStdString(m_holder.Puzzle.FileName));
    request.folder = m_holder.Puzzle.FileName.empty() ? QString() : puzzle.absolutePath();
    request.filter = QStringLiteral("Adobe Acrobat Document (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.confirmOverwrite = true;
    const QString path = m_ui.dialogs->saveFileName(this, request);
    if (path.isEmpty() || m_kind == CipherKind::None) {
        return;
    }
    try {
        const PrintFont font = printFont();
        outputStarted();
        WritePuzzlePdf(path, m_holder.Puzzle, m_kind, solutionOption(), font);
        outputFinished();
    } catch (const TessarinError& error) {
        m_printerPicture->setVisible(false);
        m_ui.dialogs->showError(this, QString::fromUtf8(error.what()));
    }
}

void TAcnPrintForm::printBtnClick()
{
    if (!m_hasPrinter) {
        m_ui.dialogs->showError(this, NoPrinterMessage);
        return;
    }
    outputStarted();
    m_printing = true;
    m_preview->print();
    m_printing = false;
    outputFinished();
}

void TAcnPrintForm::showPage(int page)
{
    m_preview->setCurrentPage(page);
    showPageNumber();
}

void TAcnPrintForm::showFirstPage()
{
    showPage(1);
}

void TAcnPrintForm::showLastPage()
{
    showPage(m_preview->pageCount());
}

void TAcnPrintForm::outputStarted()
{
    m_printerPicture->setVisible(true);
}

void TAcnPrintForm::outputFinished()
{
    pauseFor(m_outputPause);
    m_printerPicture->setVisible(false);
}
