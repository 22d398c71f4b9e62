#include <QBuffer>
#include <QPageLayout>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "PdfCanvas.h"
#include "PrinterCanvas.h"

// The two Qt canvases: their page geometry and their units. Text measured on the printer (twips) and in the PDF
// (tenths of a millimetre) must agree once the units are taken into account.
class CanvasTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void preparePdfPrinter(QPrinter& printer, const QString& name)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath(name));
        printer.setPageSize(QPageSize(QPageSize::Letter));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void thePrinterPageIsLetterInTwipsWithItsMargins()
    {
        QPrinter printer(QPrinter::HighResolution);
        preparePdfPrinter(printer, QStringLiteral("margins.pdf"));
        printer.setFullPage(false);
        printer.setPageMargins(QMarginsF(36, 18, 27, 9), QPageLayout::Point);
        const PageGeometry page = PrinterCanvas::PageOf(printer);
        QCOMPARE(page.width, 12240);
        QCOMPARE(page.height, 15840);
        QCOMPARE(page.marginLeft, 720);
        QCOMPARE(page.marginTop, 360);
        QCOMPARE(page.marginRight, 540);
        QCOMPARE(page.marginBottom, 180);
        QVERIFY(page.originAtPrintableArea);
        printer.setFullPage(true);
        QCOMPARE(PrinterCanvas::PageOf(printer).marginLeft, 0);
        QCOMPARE(PdfCanvas::Page().width, 2159);
        QCOMPARE(PdfCanvas::Page().height, 2794);
    }

    void textMeasuresAgreeAcrossUnits_data()
    {
        QTest::addColumn<int>("resolution");
        QTest::newRow("high resolution printer") << 1200;
        QTest::newRow("screen resolution printer") << 96;
    }

    void textMeasuresAgreeAcrossUnits()
    {
        QFETCH(int, resolution);
        const PrintFont font{"DejaVu Sans", 12, 0, 0};
        const std::string text = "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG";

        QPrinter printer;
        preparePdfPrinter(printer, QStringLiteral("measure.pdf"));
        printer.setResolution(resolution);
        PrinterCanvas twips(&printer, false);
        twips.beginDocument();
        twips.setFont(font);
        const int widthTwips = twips.textWidth(text);
        const int heightTwips = twips.textHeight("H");
        twips.endDocument();

        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        PdfCanvas tenths(&buffer, QStringLiteral("measure"));
        tenths.beginDocument();
        tenths.setFont(font);
        const int widthTenths = tenths.textWidth(text);
        const int heightTenths = tenths.textHeight("H");
        tenths.endDocument();

        // 12 points are 240 twips or 42.3 tenths of a millimetre; a line is somewhat higher than the size.
        QVERIFY2(heightTwips >= 240 && heightTwips <= 360, qPrintable(QString::number(heightTwips)));
        QVERIFY2(heightTenths >= 42 && heightTenths <= 64, qPrintable(QString::number(heightTenths)));
        const double ratio = static_cast<double>(widthTwips) / widthTenths;
        QVERIFY2(qAbs(ratio - 1440.0 / 254.0) < 0.06 * 1440.0 / 254.0, qPrintable(QString::number(ratio)));
        QVERIFY(buffer.data().startsWith("%PDF-"));
    }
};

QTEST_MAIN(CanvasTest)
#include "CanvasTest.moc"
