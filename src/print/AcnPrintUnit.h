#pragma once

#include <QDialog>
#include <QPrinter>

#include "AcnProcsUnit.h"
#include "ComposePages.h"
#include "UiServices.h"

class QLabel;
class QPrintPreviewWidget;
class QPushButton;
class QRadioButton;
class SettingsStore;

/// The print dialog: a preview of one cryptogram of the puzzle (zoomed and paged in its bar), printed on the session
/// printer (SessionPrinter, shared with Printer Setup) or written into a PDF file, with or without its key and
/// solution.
class TAcnPrintForm : public QDialog
{
    Q_OBJECT

public:
    TAcnPrintForm(AcnProcs& holder, const SettingsStore& settings, UiServices ui, CipherKind kind,
                  QWidget* parent = nullptr);

    /// The wait after printing or writing a PDF, while the printer picture shows (2000 ms).
    void setOutputPause(int milliseconds) { m_outputPause = milliseconds; }
    /// The chosen solution option.
    SolutionOption solutionOption() const;
    /// The caption of a kind ("Print Cipher Cryptogram", ...; "Print Cryptogram" for none).
    static QString CaptionOf(CipherKind kind);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    QWidget* buildPreviewBar();
    QWidget* buildPanel();
    void preparePrinter();
    void showPrinterName();
    void showPageNumber();
    void setupBtnClick();
    void refreshPreview();
    void paintPages(QPrinter* printer);
    void optionChanged();
    void fontBtnClick();
    void printPdfBtnClick();
    void printBtnClick();
    void showPage(int page);
    void showFirstPage();
    void showLastPage();
    void outputStarted();
    void outputFinished();
    PrintFont printFont() const;

    AcnProcs& m_holder;
    const SettingsStore& m_settings;
    UiServices m_ui;
    CipherKind m_kind;
    int m_outputPause = 2000;
    bool m_printing = false;
    bool m_hasPrinter = false;
    QPrinter& m_printer;
    QPrintPreviewWidget* m_preview = nullptr;
    QRadioButton* m_radioNone = nullptr;
    QRadioButton* m_radioSame = nullptr;
    QRadioButton* m_radioNew = nullptr;
    QWidget* m_upDown = nullptr;
    QLabel* m_printerLabel = nullptr;
    QLabel* m_printerPicture = nullptr;
    QLabel* m_pageLabel = nullptr;
};
