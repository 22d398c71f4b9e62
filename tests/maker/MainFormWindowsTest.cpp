// The commands that open the other windows of the maker: the key tool windows with their hand-offs, the
// preferences with the view settings applied again, the table windows, distribution, about and help.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "../print/RecordingCanvas.h"
#include "CipherAlphaUnit.h"
#include "ComposePages.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "MainFormFixture.h"
#include "PlayfairSqUnit.h"
#include "SettingNames.h"

namespace {

// Answers the next modal dialog: clicks its button of that name if it has one, then accepts or rejects it if it is
// still open.
void answerNextDialog(const QString& buttonName, bool accept = true)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, buttonName, accept] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (auto* button = dialog->findChild<QAbstractButton*>(buttonName); button != nullptr) {
            button->click();
        }
        if (dialog->isVisible()) {
            accept ? dialog->accept() : dialog->reject();
        }
    });
    timer->start(10);
}

} // namespace

class MainFormWindowsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void acceptedCipherAlphabetIsUsedByTheNextEncryptionOnly();
    void cancelledCipherAlphabetChangesNothing();
    void badOffsetDigitIsReportedAndNoWindowIsShown();
    void acceptedPlayfairSquareBecomesTheKeyword();
    void playfairWindowOpensOverTheMainWindowWithTheTypedKeyword();
    void preferencesSavedApplyTheViewSettingsAgain();
    void preferencesCancelledApplyNothing();
    void tableWindowsAndAboutBoxOpenAndClose();
    void distributionConfirmedShowsTheProgress();
    void helpContentsAndKeywordIndexOpenTheHelpWindow();
    void printAndExportsWorkOnTheSelectedKind();
};

namespace {
// The key a composed page prints for the puzzle's substitution: the second row of letters of its key table.
std::string printedCipherKey(const PuzzleDocument& doc)
{
    RecordingCanvas canvas({2000, 3000, 0, 0, 0, 0, false});
    ComposePages(canvas, doc, CipherKind::Cipher, SolutionOption::SamePage, PrintFont{});
    std::string letters;
    for (const RecordingCanvas::Text& t : canvas.texts) {
        letters += t.text.size() == 1 ? t.text : std::string();
    }
    return letters.size() == 52 ? letters.substr(26) : letters;
}
} // namespace

void MainFormWindowsTest::acceptedCipherAlphabetIsUsedByTheNextEncryptionOnly()
{
    MainFormFixture f;
    f.start();
    f.source()->setPlainText(QStringLiteral("alphabet hand-off"));
    f.trigger(QStringLiteral("EncryptAct"));
    const std::string first = f.holder.Puzzle.CIPHKEY;
    answerNextDialog(QStringLiteral("SpeedButton1")); // Reset draws a new alphabet, OK takes it
    f.trigger(QStringLiteral("CipherAlphaAct"));
    QVERIFY(f.holder.UseEditedAlphabet);
    const std::string edited = f.holder.AcceptedAlphabet;
    QCOMPARE(edited.size(), std::size_t(26));
    QVERIFY(edited != first);
    // Until the next encryption the page, the file and the window keep to the key that made the ciphertext; the
    // window opened again shows the accepted alphabet.
    QCOMPARE(f.holder.Puzzle.CIPHKEY, first);
    QCOMPARE(printedCipherKey(f.holder.Puzzle), first);
    QCOMPARE(DecryptCipher(f.holder.Puzzle.CIPHER, printedCipherKey(f.holder.Puzzle)),
             std::string("ALPHABET HAND-OFF"));
    Random rng(1);
    QCOMPARE(TCipherAlphaForm(f.holder, rng).alphabet(), edited);
    f.trigger(QStringLiteral("EncryptAct"));
    QCOMPARE(f.holder.Puzzle.CIPHKEY, edited);
    QCOMPARE(printedCipherKey(f.holder.Puzzle), edited);
    QVERIFY(!f.holder.UseEditedAlphabet);
    f.trigger(QStringLiteral("EncryptAct"));
    QVERIFY(f.holder.Puzzle.CIPHKEY != edited);
}

void MainFormWindowsTest::cancelledCipherAlphabetChangesNothing()
{
    MainFormFixture f;
    f.start();
    f.source()->setPlainText(QStringLiteral("alphabet"));
    f.trigger(QStringLiteral("EncryptAct"));
    const PuzzleDocument before = f.holder.Puzzle;
    answerNextDialog(QString(), false);
    f.trigger(QStringLiteral("CipherAlphaAct"));
    QVERIFY(f.holder.Puzzle == before);
    QVERIFY(!f.holder.UseEditedAlphabet);
}

void MainFormWindowsTest::badOffsetDigitIsReportedAndNoWindowIsShown()
{
    MainFormFixture f;
    f.start();
    f.holder.Puzzle.CRADIOS = "1?";
    f.trigger(QStringLiteral("CipherAlphaAct")); // a shown window would wait here, as nothing answers it
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("'?' is not a valid integer value")});
}

void MainFormWindowsTest::acceptedPlayfairSquareBecomesTheKeyword()
{
    MainFormFixture f;
    f.start();
    f.window->selectKind(CipherKind::Playfair);
    f.find<QLineEdit>(QStringLiteral("KeywordEd"))->setText(QStringLiteral("MONARCHY"));
    f.source()->setPlainText(QStringLiteral("playfair square"));
    f.trigger(QStringLiteral("EncryptAct"));
    answerNextDialog(QString());
    f.trigger(QStringLiteral("PlaySqAct"));
    QVERIFY(f.holder.UseEditedSquare);
    QCOMPARE(f.holder.Puzzle.PLAYKEY, std::string("MONARCHY")); // the key of the ciphertext until it is encrypted
    QCOMPARE(f.holder.AcceptedSquare.size(), std::size_t(25));
    f.selectTab(CipherKind::Cipher);
    f.selectTab(CipherKind::Playfair);
    QCOMPARE(f.find<QLineEdit>(QStringLiteral("KeywordEd"))->text(), QString::fromLatin1(f.holder.AcceptedSquare));
    const std::string square = f.holder.AcceptedSquare;
    f.trigger(QStringLiteral("EncryptAct"));
    QVERIFY(!f.holder.UseEditedSquare);
    QCOMPARE(f.holder.Puzzle.PLAYKEY, square);
}

void MainFormWindowsTest::playfairWindowOpensOverTheMainWindowWithTheTypedKeyword()
{
    MainFormFixture f;
    f.start();
    f.window->selectKind(CipherKind::Playfair);
    f.find<QLineEdit>(QStringLiteral("KeywordEd"))->setText(QStringLiteral("WHEATSTONE")); // typed, never encrypted
    std::string square;
    QString focused;
    bool over = false;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] {
        if (auto* form = qobject_cast<TPlayfairSqForm*>(QApplication::activeModalWidget())) {
            square = form->square();
            focused = form->focusWidget() ? form->focusWidget()->objectName() : QString();
            over = f.window->frameGeometry().contains(form->frameGeometry().center());
            form->reject();
        }
    });
    timer.start(10);
    f.trigger(QStringLiteral("PlaySqAct"));
    QCOMPARE(square, PlayfairSquareOf("WHEATSTONE"));
    QCOMPARE(focused, QStringLiteral("AcceptBtn"));
    QVERIFY(over);
}

void MainFormWindowsTest::preferencesSavedApplyTheViewSettingsAgain()
{
    MainFormFixture f;
    f.start();
    QCOMPARE(f.source()->font().pointSize(), 10);
    f.settings->WriteSetting(Setting::PTFontSize, 16);
    answerNextDialog(QStringLiteral("SaveBtn"));
    f.trigger(QStringLiteral("PrefersAct"));
    QCOMPARE(f.source()->font().pointSize(), 16);
    QCOMPARE(f.crypt()->font().pointSize(), 16);
    QVERIFY(!f.holder.PrefsChanged);
}

void MainFormWindowsTest::preferencesCancelledApplyNothing()
{
    MainFormFixture f;
    f.start();
    f.settings->WriteSetting(Setting::PTFontSize, 16);
    answerNextDialog(QStringLiteral("CancelBtn"));
    f.trigger(QStringLiteral("PrefersAct"));
    QCOMPARE(f.source()->font().pointSize(), 10);
}

void MainFormWindowsTest::tableWindowsAndAboutBoxOpenAndClose()
{
    MainFormFixture f;
    f.start();
    f.window->selectKind(CipherKind::Vigenere);
    answerNextDialog(QString());
    f.trigger(QStringLiteral("VigTableAct"));
    f.window->selectKind(CipherKind::Quagmire);
    answerNextDialog(QString());
    f.trigger(QStringLiteral("KeyTableAct"));
    answerNextDialog(QStringLiteral("BitBtn1"));
    f.trigger(QStringLiteral("AboutAct"));
    QVERIFY(f.ui.dialogs.texts(QStringLiteral("error")).isEmpty());
}

void MainFormWindowsTest::distributionConfirmedShowsTheProgress()
{
    MainFormFixture f;
    f.start();
    answerNextDialog(QString(), false);
    f.trigger(QStringLiteral("DistributeAct"));
    QVERIFY(f.pauses.isEmpty());
    answerNextDialog(QString(), true);
    f.trigger(QStringLiteral("DistributeAct"));
    QCOMPARE(f.pauses.size(), 11);
}

void MainFormWindowsTest::helpContentsAndKeywordIndexOpenTheHelpWindow()
{
    MainFormFixture f;
    f.start();
    f.trigger(QStringLiteral("ContentsAct"));
    QVERIFY(f.ui.dialogs.texts(QStringLiteral("error")).value(0).contains(QStringLiteral("tessarin5.qhc")));
    f.window->setProgramFolder(QStringLiteral(TESSARIN_BIN_DIR));
    f.trigger(QStringLiteral("KeywordAct"));
    QPointer<QWidget> help;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("MakerHelpForm") && w->isVisible()) {
            help = w;
        }
    }
    QVERIFY(help);
    f.window->close(); // closing the maker closes its help window
    QTRY_VERIFY(!help || !help->isVisible());
}

void MainFormWindowsTest::printAndExportsWorkOnTheSelectedKind()
{
    MainFormFixture f;
    f.start();
    f.source()->setPlainText(QStringLiteral("print me"));
    f.trigger(QStringLiteral("EncryptAct"));
    answerNextDialog(QStringLiteral("CancelBtn"), false);
    f.trigger(QStringLiteral("PrintAct"));
    QVERIFY(f.ui.dialogs.texts(QStringLiteral("error")).isEmpty());
    for (const char* command : {"ExpTextAct", "ExpRTFAct", "ExportCipherWebAct"}) {
        f.ui.dialogs.shown.clear();
        f.ui.dialogs.askAnswers.push_back(Answer::No); // without the solution, where the export asks
        f.trigger(QString::fromLatin1(command));       // the save dialog is answered with Cancel
        QCOMPARE(f.ui.dialogs.texts(QStringLiteral("save")).size(), 1);
        QVERIFY(f.ui.dialogs.texts(QStringLiteral("error")).isEmpty());
    }
}

QTEST_MAIN(MainFormWindowsTest)
#include "MainFormWindowsTest.moc"
