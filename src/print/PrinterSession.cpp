#include "PrinterSession.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {
// Owns the session printer and is a child of the application, so the printer goes before the application does.
class PrinterHolder : public QObject
{
public:
    explicit PrinterHolder(QObject* parent) : QObject(parent), printer(QPrinter::HighResolution)
    {
        printer.setDocName(QStringLiteral("<document>"));
        printer.setCopyCount(1);
        printer.setCollateCopies(false);
        printer.setPageOrder(QPrinter::FirstPageFirst);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Portrait);
        FitPrintableMargins(printer);
    }

    QPrinter printer;
};
} // namespace

QPrinter& SessionPrinter()
{
    static QPointer<PrinterHolder> holder;
    if (holder.isNull()) {
        holder = new PrinterHolder(QCoreApplication::instance());
    }
    return holder->printer;
}

bool HasPrinter(const QPrinter& printer)
{
    return !printer.printerName().isEmpty() && printer.outputFormat() == QPrinter::NativeFormat;
}

void FitPrintableMargins(QPrinter& printer)
{
    if (HasPrinter(printer)) {
        printer.setFullPage(false);
        printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
    } else {
        printer.setFullPage(true);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    }
}

bool RunPrinterSetup(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) {
            ok->setText(QStringLiteral("OK"));
        }
    }
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    FitPrintableMargins(printer);
    return true;
}
