// The commands that open the other windows of the maker: the key tool windows with their hand-offs, the
// preferences with the view settings applied again, the table windows, distribution, about and help.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "../print/RecordingCanvas.h"
#include "CipherAlphaUnit.h"
#include "ComposePages.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "KeyPaintBox.h"
#include "MainFormFixture.h"
#include "PlayfairSqUnit.h"
#include "SettingNames.h"

namespace {

// What answerNextDialog saw: the class of the dialog it answered ("" while none opened) and what look returned.
struct Answered
{
    QString dialogClass;
    QString seen;
};

// Answers the next modal dialog: calls look on it, clicks its button of that name if it has one, then accepts or
// rejects it if it is still open. The record tells the test which dialog that was, so a command that opens none
// fails. The timer belongs to the caller's scope, so none is left waiting for a later test's dialog.
std::shared_ptr<Answered> answerNextDialog(QObject* scope, const QString& buttonName, bool accept = true,
                                           const std::function<QString(QDialog*)>& look = {})
{
    auto answered = std::make_shared<Answered>();
    auto* timer = new QTimer(scope);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answered, buttonName, accept, look] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        answered->dialogClass = QString::fromLatin1(dialog->metaObject()->className());
        answered->seen = look ? look(dialog) : QString();
        if (auto* button = dialog->findChild<QAbstractButton*>(buttonName); button != nullptr) {
            button->click();
        }
        if (dialog->isVisible()) {
            accept ? dialog->accept() : dialog->reject();
        }
    });
    timer->start(10);
    return answered;
}

// Triggers command, which must open a modal dialog of class dialogClass, and answers that dialog as above.
void runDialogCommand(const MainFormFixture& f, const QString& command, const QString& dialogClass,
                      const QString& buttonName = {}, bool accept = true)
{
    const auto answered = answerNextDialog(f.window.get(), buttonName, accept);
    f.trigger(command);
    QCOMPARE(answered->dialogClass, dialogClass);
}

// The letters of a key window's paint box, row by row, as it would draw them.
QString paintedLetters(QDialog* dialog, const QString& paintBox)
{
    QString letters;
    for (const KeyBox& box : dialog->findChild<KeyPaintBox*>(paintBox)->scene().boxes) {
        letters += box.letter;
    }
    return letters;
}

} // namespace

class MainFormWindowsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void acceptedCipherAlphabetIsUsedByTheNextEncryptionOnly();
    void cancelledCipherAlphabetChangesNothing();
    void alphabetChosenBeforeAnyCiphertextIsSaved();
    void badOffsetDigitIsReportedAndNoWindowIsShown();
    void acceptedPlayfairSquareBecomesTheKeyword();
    void playfairWindowOpensOverTheMainWindowWithTheTypedKeyword();
    void preferencesSavedApplyTheViewSettingsAgain();
    void preferencesCancelledApplyNothing();
    void tableWindowsAndAboutBoxOpenAndClose();
    void distributionConfirmedShowsTheProgress();
    void distributionSavesUnsavedWorkFirst();
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
    f.startEncrypted(QStringLiteral("alphabet hand-off"));
    const std::string first = f.holder.Puzzle.CIPHKEY;
    runDialogCommand(f, QStringLiteral("CipherAlphaAct"), QStringLiteral("TCipherAlphaForm"),
                     QStringLiteral("SpeedButton1")); // Reset draws a new alphabet, OK takes it
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
    f.startEncrypted(QStringLiteral("alphabet"));
    const PuzzleDocument before = f.holder.Puzzle;
    runDialogCommand(f, QStringLiteral("CipherAlphaAct"), QStringLiteral("TCipherAlphaForm"), QString(), false);
    QVERIFY(f.holder.Puzzle == before);
    QVERIFY(!f.holder.UseEditedAlphabet);
}

void MainFormWindowsTest::alphabetChosenBeforeAnyCiphertextIsSaved()
{
    StartedForm f;
    runDialogCommand(f, QStringLiteral("CipherAlphaAct"), QStringLiteral("TCipherAlphaForm"),
                     QStringLiteral("SpeedButton1"));
    QCOMPARE(f.holder.Puzzle.CIPHKEY, f.holder.AcceptedAlphabet); // what a save writes
    QCOMPARE(f.window->windowTitle(), QStringLiteral("*Tessarin 5"));
}

void MainFormWindowsTest::badOffsetDigitIsReportedAndNoWindowIsShown()
{
    StartedForm f;
    f.holder.Puzzle.CRADIOS = "1?";
    // A window shown in error would wait for an answer: close it from the event loop so the test fails, not hangs.
    bool windowShown = false;
    QTimer closer;
    closer.setSingleShot(true);
    connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* shown = QApplication::activeModalWidget()) {
            windowShown = true;
            shown->close();
        }
    });
    closer.start(0);
    f.trigger(QStringLiteral("CipherAlphaAct"));
    QVERIFY(!windowShown);
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("'?' is not a valid integer value")});
}

void MainFormWindowsTest::acceptedPlayfairSquareBecomesTheKeyword()
{
    StartedForm f;
    f.window->selectKind(CipherKind::Playfair);
    f.find<QLineEdit>(QStringLiteral("KeywordEd"))->setText(QStringLiteral("MONARCHY"));
    f.encrypt(QStringLiteral("playfair square"));
    runDialogCommand(f, QStringLiteral("PlaySqAct"), QStringLiteral("TPlayfairSqForm"));
    QVERIFY(f.holder.UseEditedSquare);
    QCOMPARE(f.holder.Puzzle.PLAYKEY, std::string("MONARCHY")); // the key of the ciphertext until it is encrypted
    QCOMPARE(f.holder.AcceptedSquare.size(), std::size_t(25));
    auto* keyword = f.find<QLineEdit>(QStringLiteral("KeywordEd"));
    keyword->undo(); // OK is an edit of the keyword box, which Undo takes back
    QCOMPARE(keyword->text(), QStringLiteral("MONARCHY"));
    keyword->redo();
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
    StartedForm f;
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
    StartedForm f;
    QCOMPARE(f.source()->font().pointSize(), 10);
    f.settings->WriteSetting(Setting::PTFontSize, 16);
    runDialogCommand(f, QStringLiteral("PrefersAct"), QStringLiteral("TAcnPrefForm"), QStringLiteral("SaveBtn"));
    QCOMPARE(f.source()->font().pointSize(), 16);
    QCOMPARE(f.crypt()->font().pointSize(), 16);
    QVERIFY(!f.holder.PrefsChanged);
}

void MainFormWindowsTest::preferencesCancelledApplyNothing()
{
    StartedForm f;
    f.settings->WriteSetting(Setting::PTFontSize, 16);
    runDialogCommand(f, QStringLiteral("PrefersAct"), QStringLiteral("TAcnPrefForm"), QStringLiteral("CancelBtn"));
    QCOMPARE(f.source()->font().pointSize(), 10);
}

void MainFormWindowsTest::tableWindowsAndAboutBoxOpenAndClose()
{
    StartedForm f;
    f.window->selectKind(CipherKind::Vigenere);
    const auto vigenere = answerNextDialog(f.window.get(), QString(), true, [](QDialog* d) {
        return paintedLetters(d, QStringLiteral("VPaint")).left(28);
    });
    f.trigger(QStringLiteral("VigTableAct"));
    QCOMPARE(vigenere->dialogClass, QStringLiteral("TVigenTableForm"));
    QCOMPARE(vigenere->seen, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZAB")); // the header, then row A
    f.window->selectKind(CipherKind::Quagmire);
    const auto keyRow = [&f] {
        const auto table = answerNextDialog(f.window.get(), QString(), true, [](QDialog* d) {
            return paintedLetters(d, QStringLiteral("KeyPaint")).left(26);
        });
        f.trigger(QStringLiteral("KeyTableAct"));
        return table->dialogClass + QLatin1Char(' ') + table->seen;
    };
    auto* keyword = f.find<QLineEdit>(QStringLiteral("KeywordEd"));
    keyword->setText(QStringLiteral("SPRING")); // typed, not yet encrypted: the table Encrypt will make
    QCOMPARE(keyRow(), QStringLiteral("TKeyTableForm SPRINGABCDEFHJKLMOQTUVWXYZ"));
    f.encrypt(QStringLiteral("table of this puzzle"));
    keyword->setText(QStringLiteral("AUTUMN")); // typed over the ciphertext: still the table that made it
    QCOMPARE(keyRow(), QStringLiteral("TKeyTableForm SPRINGABCDEFHJKLMOQTUVWXYZ"));
    runDialogCommand(f, QStringLiteral("AboutAct"), QStringLiteral("TAcnAboutForm"), QStringLiteral("BitBtn1"));
    QVERIFY(f.ui.dialogs.texts(QStringLiteral("error")).isEmpty());
}

void MainFormWindowsTest::distributionConfirmedShowsTheProgress()
{
    StartedForm f;
    runDialogCommand(f, QStringLiteral("DistributeAct"), QStringLiteral("TDeployForm"), QString(), false);
    QVERIFY(f.pauses.isEmpty());
    runDialogCommand(f, QStringLiteral("DistributeAct"), QStringLiteral("TDeployForm"), QString(), true);
    QCOMPARE(f.pauses.size(), 11);
}

void MainFormWindowsTest::distributionSavesUnsavedWorkFirst()
{
    StartedForm f;
    f.encrypt(QStringLiteral("this week's puzzle"));
    const QString path = f.home() + QStringLiteral("/week.acnx");
    f.ui.dialogs.askAnswers.push_back(Answer::Yes);
    f.ui.dialogs.fileAnswers.push_back(path);
    runDialogCommand(f, QStringLiteral("DistributeAct"), QStringLiteral("TDeployForm"), QString(), false);
    QVERIFY(QFile::exists(path)); // saved before the package is made of the files
    QVERIFY(!f.holder.Puzzle.Changed);
}

void MainFormWindowsTest::helpContentsAndKeywordIndexOpenTheHelpWindow()
{
    StartedForm f;
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
    f.startEncrypted(QStringLiteral("print me"));
    const QString substitution = f.crypt()->toPlainText().trimmed();
    f.window->selectKind(CipherKind::Vigenere);
    f.find<QLineEdit>(QStringLiteral("KeywordEd"))->setText(QStringLiteral("LEMON"));
    f.encrypt(QStringLiteral("print me"));
    const QString vigenere = f.crypt()->toPlainText().trimmed();
    QCOMPARE(vigenere, QStringLiteral("AVUBG XI")); // LEMON over PRINTME, worked by hand
    runDialogCommand(f, QStringLiteral("PrintAct"), QStringLiteral("TAcnPrintForm"), QStringLiteral("CancelBtn"),
                     false);
    // The exports write the selected kind's ciphertext; the web page is made of the substitution only.
    const struct
    {
        const char* command;
        CipherKind kind;
        QString expected;
    } exports[] = {{"ExpTextAct", CipherKind::Vigenere, vigenere},
                   {"ExpRTFAct", CipherKind::Vigenere, vigenere},
                   {"ExportCipherWebAct", CipherKind::Cipher, substitution}};
    for (const auto& e : exports) {
        f.window->selectKind(e.kind);
        const QString path = f.home() + QStringLiteral("/export-") + QLatin1String(e.command);
        f.ui.dialogs.askAnswers.push_back(Answer::No); // without the solution, where the export asks
        f.ui.dialogs.fileAnswers.push_back(path);
        f.trigger(QString::fromLatin1(e.command));
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), e.command);
        const QByteArray written = file.readAll();
        QVERIFY2(written.contains(e.expected.toLatin1()), e.command);
        QVERIFY2(!written.contains((e.kind == CipherKind::Cipher ? vigenere : substitution).toLatin1()), e.command);
    }
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("save")).size(), 3);
    QVERIFY(f.ui.dialogs.texts(QStringLiteral("error")).isEmpty());
}

QTEST_MAIN(MainFormWindowsTest)
#include "MainFormWindowsTest.moc"
