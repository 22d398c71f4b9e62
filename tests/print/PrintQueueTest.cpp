#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "AcnPrintUnit.h"
#include "PrinterSession.h"
#include "ScriptedUi.h"
#include "SettingsStore.h"

// Prints through the print dialog to a real CUPS queue (tests/support/with-cups.sh provides it) and reads the job's
// PDF back.
class PrintQueueTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // The text lines of a PDF, in reading order.
    static QStringList pdfLines(const QString& pdf)
    {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        pdftotext.waitForFinished(30000);
        QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        text.remove(QChar(0x0C));
        QStringList lines = text.split(QLatin1Char('\n'));
        lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
        return lines;
    }

    // The queue turns the page into PostScript and back: its PDF keeps the glyphs but gives them codes of its own
    // (Type 3 fonts). A line is then known by its shape: the same characters wherever the text repeats one, and
    // different ones elsewhere, through one mapping for all lines of the same font.
    static bool sameShape(const QStringList& got, const QStringList& expected)
    {
        QHash<QChar, QChar> forward;
        QHash<QChar, QChar> backward;
        if (got.size() != expected.size()) {
            return false;
        }
        for (qsizetype i = 0; i < got.size(); ++i) {
            const QList<uint> a = got[i].trimmed().toUcs4();
            const QString& b = expected[i];
            if (a.size() != b.size()) {
                return false;
            }
            for (qsizetype k = 0; k < b.size(); ++k) {
                const QChar from = b[k];
                const QChar to = a[k] > 0xFFFF ? QChar(0xFFFD) : QChar(static_cast<char16_t>(a[k]));
                if (forward.value(from, to) != to || backward.value(to, from) != from) {
                    return false;
                }
                forward.insert(from, to);
                backward.insert(to, from);
            }
        }
        return true;
    }

    static QStringList jobFiles(const QString& folder)
    {
        return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        QVERIFY2(!qEnvironmentVariableIsEmpty("TESSARIN_CUPS_OUT"), "run this test through tests/support/with-cups.sh");
    }

    void printReachesTheQueueWithTheComposedPage()
    {
        AcnProcs holder;
        holder.Puzzle.FileName = m_dir.filePath(QStringLiteral("Queue Test.acnx")).toStdString();
        holder.Puzzle.PLAIN = "Attack at dawn";
        holder.Puzzle.VIGENERE = "LXFOP VEFRN HR";
        holder.Puzzle.VIGENKEY = "LEMON";
        ScriptedUi ui;
        const SettingsStore settings(m_dir.filePath(QStringLiteral("settings.conf")));
        TAcnPrintForm form(holder, settings, ui.services(), CipherKind::Vigenere);
        form.setOutputPause(0);
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("PrnLbl"))->text(), QStringLiteral("TessarinPDF"));
        form.findChild<QRadioButton*>(QStringLiteral("SamePgBtn"))->click();

        const QString out = qEnvironmentVariable("TESSARIN_CUPS_OUT");
        const qsizetype before = jobFiles(out).size();
        form.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        QVERIFY2(ui.dialogs.texts(QStringLiteral("error")).isEmpty(),
                 qPrintable(ui.dialogs.texts(QStringLiteral("error")).join(QLatin1Char('\n'))));
        QTRY_VERIFY_WITH_TIMEOUT(jobFiles(out).size() > before, 60000);
        const QString pdf = out + QLatin1Char('/') + jobFiles(out).last();
        // The queue writes the file while the job runs: wait until all five lines are there.
        QStringList lines;
        QTRY_VERIFY_WITH_TIMEOUT((lines = pdfLines(pdf)).size() >= 5, 30000);
        QCOMPARE(lines.size(), 5);
        // Title and heading are bold, the other lines regular: one glyph mapping each.
        QVERIFY2(sameShape({lines[1], lines[3], lines[4]},
                           {QStringLiteral("LXFOP VEFRN HR"), QStringLiteral("Vigenere Keyword: LEMON"),
                            QStringLiteral("Attack at dawn")}),
                 qPrintable(lines.join(QLatin1Char('\n'))));
        QVERIFY2(sameShape({lines[2]}, {QStringLiteral("Solution")}), qPrintable(lines[2]));
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
        pdfinfo.waitForFinished(30000);
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        QVERIFY2(info.contains(QStringLiteral("(letter)")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    }

    // Printer Setup chooses the second queue (as a user would, in the system's printer dialog); the print dialog then
    // names it and its job goes there, not to the default queue.
    void aQueueChosenInPrinterSetupReceivesTheJob()
    {
        QString okText;
        QTimer::singleShot(200, [&okText] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
                if (const int index = box->findText(QStringLiteral("TessarinPDF2")); index >= 0) {
                    box->setCurrentIndex(index);
                }
            }
            okText = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
            dialog->accept();
        });
        QVERIFY(RunPrinterSetup(nullptr, SessionPrinter()));
        QCOMPARE(okText, QStringLiteral("OK"));

        AcnProcs holder;
        holder.Puzzle.PLAIN = "Second queue";
        holder.Puzzle.VIGENERE = "DIQBRH UYIYT";
        ScriptedUi ui;
        const SettingsStore settings(m_dir.filePath(QStringLiteral("settings2.conf")));
        TAcnPrintForm form(holder, settings, ui.services(), CipherKind::Vigenere);
        form.setOutputPause(0);
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("PrnLbl"))->text(), QStringLiteral("TessarinPDF2"));
        const QString first = qEnvironmentVariable("TESSARIN_CUPS_OUT");
        const QString second = qEnvironmentVariable("TESSARIN_CUPS_OUT2");
        const qsizetype firstBefore = jobFiles(first).size();
        form.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        QVERIFY(ui.dialogs.texts(QStringLiteral("error")).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(jobFiles(second).size() == 1, 60000);
        QCOMPARE(jobFiles(first).size(), firstBefore);
    }
};

QTEST_MAIN(PrintQueueTest)
#include "PrintQueueTest.moc"
