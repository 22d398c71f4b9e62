#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "AcnPrintUnit.h"
#include "ScriptedUi.h"
#include "SettingNames.h"
#include "SettingsStore.h"

class AcnPrintFormTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    AcnProcs m_holder;

    SettingsStore settings() const { return SettingsStore(m_dir.filePath(QStringLiteral("settings.conf"))); }

    template <class T> static T* child(QWidget& form, const char* name)
    {
        T* found = form.findChild<T*>(QString::fromLatin1(name));
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }

    static int pages(QWidget& form) { return child<QPrintPreviewWidget>(form, "PagePreview")->pageCount(); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        // Before anything asks for the printers: this program sees none, wherever it runs.
        qputenv("CUPS_SERVER", m_dir.filePath(QStringLiteral("no-print-server.sock")).toLocal8Bit());
        m_holder.Puzzle.FileName = m_dir.filePath(QStringLiteral("Short One.acnx")).toStdString();
        m_holder.Puzzle.PLAIN = "Attack at dawn";
        m_holder.Puzzle.CIPHER = "QZZQEA QZ RQVF";
        m_holder.Puzzle.CIPHKEY = "QWERTYUIOPASDFGHJKLZXCVBNM";
        m_holder.Puzzle.RAILFENCE = "ATCAADWTAKTN";
        m_holder.Puzzle.PLAYFAIR = "PLAYFAIRTEXT";
        m_holder.Puzzle.QUAGMIRE = "QUAGM";
        m_holder.Puzzle.VIGENERE = "VIGEN";
    }

    // The print system's server is one that does not exist (initTestCase), so this runs on a machine with printers
    // too; printing to a real queue is the CUPS test's.
    void printWithoutAPrinterSaysSo()
    {
        QVERIFY2(QPrinterInfo::availablePrinterNames().isEmpty(), "the print system still lists printers");
        ScriptedUi ui;
        const SettingsStore store = settings();
        TAcnPrintForm form(m_holder, store, ui.services(), CipherKind::Cipher);
        child<QPushButton>(form, "Button1")->click();
        const QStringList errors = ui.dialogs.texts(QStringLiteral("error"));
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().startsWith(QStringLiteral("No printer is installed.")));
    }

    void captionFollowsTheKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::newRow("cipher") << 0 << QStringLiteral("Print Cipher Cryptogram");
        QTest::newRow("railfence") << 1 << QStringLiteral("Print Railfence Cryptogram");
        QTest::newRow("playfair") << 2 << QStringLiteral("Print Playfair Cryptogram");
        QTest::newRow("quagmire") << 3 << QStringLiteral("Print Quagmire Cryptogram");
        QTest::newRow("vigenere") << 4 << QStringLiteral("Print Vigenere Cryptogram");
        QTest::newRow("none") << -1 << QStringLiteral("Print Cryptogram");
    }

    void captionFollowsTheKind()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        ScriptedUi ui;
        const SettingsStore store = settings();
        TAcnPrintForm form(m_holder, store, ui.services(), KindFromIndex(kind));
        QCOMPARE(form.windowTitle(), caption);
        QCOMPARE(pages(form), 1);
        QVERIFY(ui.dialogs.shown.isEmpty());
    }

    void opensWithoutSolutionAndThePageSwitcherHidden()
    {
        ScriptedUi ui;
        const SettingsStore store = settings();
        TAcnPrintForm form(m_holder, store, ui.services(), CipherKind::Cipher);
        QVERIFY(child<QRadioButton>(form, "RadioButton4")->isChecked());
        QVERIFY(child<QWidget>(form, "UpDown1")->isHidden());
        QVERIFY(child<QLabel>(form, "Pimg")->isHidden());
        QVERIFY(form.width() >= 652 && form.height() >= 576);
        const QString printer = child<QLabel>(form, "PrnLbl")->text();
        QCOMPARE(printer == QStringLiteral("No printer is installed."),
                 QPrinterInfo::availablePrinterNames().isEmpty());
    }

    void theSeparatePageOptionMakesTwoPagesAndShowsTheSwitcher()
    {
        ScriptedUi ui;
        const SettingsStore store = settings();
        TAcnPrintForm form(m_holder, store, ui.services(), CipherKind::Quagmire);
        form.show();
        child<QRadioButton>(form, "NewPgBtn")->click();
        QCOMPARE(pages(form), 2);
        QVERIFY(child<QWidget>(form, "UpDown1")->isVisible());
        auto* preview = child<QPrintPreviewWidget>(form, "PagePreview");
        QTest::mouseClick(child<QWidget>(form, "UpDown1Last"), Qt::LeftButton);
        QCOMPARE(preview->currentPage(), 2);
        QTest::mouseClick(child<QWidget>(form, "UpDown1First"), Qt::LeftButton);
        QCOMPARE(preview->currentPage(), 1);
        child<QRadioButton>(form, "SamePgBtn")->click();
        QCOMPARE(pages(form), 1);
        QVERIFY(child<QWidget>(form, "UpDown1")->isHidden());
        QCOMPARE(form.solutionOption(), SolutionOption::SamePage);
    }

    // At the size it opens with, no control lies over the preview or beyond the window, each option shows its whole
    // text, and the preview zooms and pages.
    void nothingOverlapsAndThePreviewZoomsAndPages()
    {
        ScriptedUi ui;
        const SettingsStore store = settings();
        AcnProcs holder = m_holder;
        for (int i = 0; i < 200; ++i) {
            holder.Puzzle.CIPHER += " QZZQEA QZ RQVF";
        }
        TAcnPrintForm form(holder, store, ui.services(), CipherKind::Cipher);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* preview = child<QPrintPreviewWidget>(form, "PagePreview");
        const QRect previewArea(preview->mapTo(&form, QPoint(0, 0)), preview->size());
        for (QWidget* control : form.findChild<QWidget*>(QStringLiteral("Panel1"))->findChildren<QWidget*>()) {
            if (!control->isVisible()) {
                continue;
            }
            const QRect area(control->mapTo(&form, QPoint(0, 0)), control->size());
            QVERIFY2(!area.intersects(previewArea), qPrintable(control->objectName()));
            QVERIFY2(form.rect().contains(area), qPrintable(control->objectName()));
            if (auto* option = qobject_cast<QRadioButton*>(control)) {
                QVERIFY2(option->width() >= option->sizeHint().width(), qPrintable(option->text()));
            }
        }
        QVERIFY(pages(form) > 1);
        QVERIFY(child<QWidget>(form, "UpDown1")->isVisible());
        QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitInView);
        child<QAction>(form, "ZoomInAct")->trigger();
        QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::CustomZoom);
        const qreal zoomed = preview->zoomFactor();
        child<QAction>(form, "ZoomOutAct")->trigger();
        QVERIFY(preview->zoomFactor() < zoomed);
        child<QAction>(form, "FitWidthAct")->trigger();
        QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitToWidth);
        child<QAction>(form, "NextPageAct")->trigger();
        QCOMPARE(preview->currentPage(), 2);
        QVERIFY(child<QLabel>(form, "PageLbl")->text().contains(QStringLiteral("Page 2 of ")));
    }

    void printPdfAsksForTheFileAndWritesIt()
    {
        ScriptedUi ui;
        const SettingsStore store = settings();
        TAcnPrintForm form(m_holder, store, ui.services(), CipherKind::Cipher);
        form.setOutputPause(0);
        const QString path = m_dir.filePath(QStringLiteral("out.pdf"));
        ui.dialogs.fileAnswers.push_back(path);
        child<QPushButton>(form, "PrintPDFBtn")->click();
        QCOMPARE(ui.dialogs.texts(QStringLiteral("save")),
                 QStringList{QStringLiteral("Print Cipher Cryptogram to PDF")});
        const FileDialogRequest request = ui.dialogs.shown.first().request;
        QCOMPARE(request.fileName, QStringLiteral("Short One.pdf"));
        QVERIFY(request.filter.contains(QStringLiteral("Adobe Acrobat Document")));
        QVERIFY(request.filter.contains(QStringLiteral("*.pdf")));
        QCOMPARE(request.defaultSuffix, QStringLiteral("pdf"));
        QVERIFY(request.confirmOverwrite);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(ui.dialogs.texts(QStringLiteral("error")).isEmpty());
        QVERIFY(child<QLabel>(form, "Pimg")->isHidden());
    }

    void enterPressesTheFocusedButtonAndNoOther()
    {
        ScriptedUi ui;
        const SettingsStore store = settings();
        TAcnPrintForm form(m_holder, store, ui.services(), CipherKind::Cipher);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* same = child<QRadioButton>(form, "SamePgBtn");
        same->setFocus();
        QTest::keyClick(same, Qt::Key_Return); // on an option, Enter prints nothing
        QVERIFY(form.isVisible());
        QVERIFY(ui.dialogs.shown.isEmpty());
        auto* close = child<QPushButton>(form, "CancelBtn");
        close->setFocus();
        QTest::keyClick(close, Qt::Key_Return);
        QTRY_VERIFY(!form.isVisible());
    }

    // Tab enters the solution options on the checked one, where the arrow keys choose.
    void tabLandsOnTheCheckedOptionAndArrowsChoose()
    {
        ScriptedUi ui;
        const SettingsStore store = settings();
        TAcnPrintForm form(m_holder, store, ui.services(), CipherKind::Cipher);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        child<QPrintPreviewWidget>(form, "PagePreview")->setFocus();
        for (int i = 0; i < 10 && qobject_cast<QRadioButton*>(form.focusWidget()) == nullptr; ++i) {
            QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(form.focusWidget(), child<QRadioButton>(form, "RadioButton4"));
        QTest::keyClick(form.focusWidget(), Qt::Key_Up);
        QVERIFY(child<QRadioButton>(form, "NewPgBtn")->isChecked());
        QCOMPARE(pages(form), 2);
    }

    void cancellingTheSaveDialogWritesNothing()
    {
        ScriptedUi ui;
        const SettingsStore store = settings();
        const QTemporaryDir folder; // the puzzle's folder, where the dialog offers "Short One.pdf"
        AcnProcs holder = m_holder;
        holder.Puzzle.FileName = QDir(folder.path()).filePath(QStringLiteral("Short One.acnx")).toStdString();
        TAcnPrintForm form(holder, store, ui.services(), CipherKind::Cipher);
        form.setOutputPause(0);
        child<QPushButton>(form, "PrintPDFBtn")->click();
        QCOMPARE(ui.dialogs.shown.first().request.folder, folder.path());
        QCOMPARE(ui.dialogs.texts(QStringLiteral("save")).size(), 1);
        QVERIFY(ui.dialogs.texts(QStringLiteral("error")).isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{});
        QCOMPARE(QDir::current().entryList({QStringLiteral("*.pdf")}), QStringList{});
    }

    void aPdfThatCannotBeWrittenIsReportedAndNothingIsWritten()
    {
        ScriptedUi ui;
        const SettingsStore store = settings();
        TAcnPrintForm form(m_holder, store, ui.services(), CipherKind::Cipher);
        form.setOutputPause(0);
        const QString path = m_dir.filePath(QStringLiteral("missing folder/out.pdf"));
        ui.dialogs.fileAnswers.push_back(path);
        child<QPushButton>(form, "PrintPDFBtn")->click();
        QCOMPARE(ui.dialogs.texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("Folder not found: ") + QFileInfo(path).absolutePath()});
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(child<QLabel>(form, "Pimg")->isHidden());
    }

    void theFontButtonStoresTheChosenFontAndKeepsTheColour()
    {
        ScriptedUi ui;
        const SettingsStore store = settings();
        store.WriteSetting(Setting::PrintFontColor, QStringLiteral("clNavy"));
        TAcnPrintForm form(m_holder, store, ui.services(), CipherKind::Cipher);
        QFont chosen(QStringLiteral("DejaVu Serif"), 16);
        chosen.setBold(true);
        chosen.setItalic(true);
        ui.dialogs.fontAnswers.push_back(chosen);
        child<QPushButton>(form, "FontBtn")->click();
        QCOMPARE(store.ReadSetting(Setting::PrintFontName, QString()), QStringLiteral("DejaVu Serif"));
        QCOMPARE(store.ReadSetting(Setting::PrintFontSize, 0), 16);
        QCOMPARE(store.ReadSetting(Setting::PrintFontStyle, 0), 3);
        QCOMPARE(store.ReadSetting(Setting::PrintFontColor, QString()), QStringLiteral("clNavy"));

        child<QPushButton>(form, "FontBtn")->click(); // cancelled: nothing changes
        QCOMPARE(store.ReadSetting(Setting::PrintFontSize, 0), 16);
        QCOMPARE(ui.dialogs.texts(QStringLiteral("font")).size(), 2);
    }

    void aBrokenStoredFontIsReportedInsteadOfPrinting()
    {
        ScriptedUi ui;
        const SettingsStore store(m_dir.filePath(QStringLiteral("broken.conf")));
        store.WriteSetting(Setting::PrintFontSize, QStringLiteral("large"));
        TAcnPrintForm form(m_holder, store, ui.services(), CipherKind::Cipher);
        QVERIFY(!ui.dialogs.texts(QStringLiteral("error")).isEmpty());
        QVERIFY(ui.dialogs.texts(QStringLiteral("error")).first().contains(QStringLiteral("PrintFontSize")));
    }
};

QTEST_MAIN(AcnPrintFormTest)
#include "AcnPrintFormTest.moc"
