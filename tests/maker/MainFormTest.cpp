// The main window's own behaviour: what each tab enables and shows, Encrypt, the option coupling, the clipboard,
// Normalize Source, Patristocrat, the shortcuts and the commands that open other programs.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSplitter>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "MainFormFixture.h"
#include "RadioGroup.h"

Q_DECLARE_METATYPE(CipherKind)

class MainFormTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsOnTheSubstitutionTabWithANewPuzzle();
    void tabSelectionEnablesTheControlsOfItsKind_data();
    void tabSelectionEnablesTheControlsOfItsKind();
    void kindMenuEntriesSelectTheirTab();
    void encryptRefusesAnEmptyPlaintextWithTheErrorSoundFirst();
    void encryptOnEachTabStoresMarksAndShowsTheCiphertext();
    void integrityAlertAnswers_data();
    void integrityAlertAnswers();
    void encryptRefusesCharactersThePuzzleFileCannotHold();
    void offsetAlwaysGoesWithUnique();
    void sameAsKeywordCopiesOnceAndClears();
    void quagmireKeysAreStoredTrimmedAndShownAgain();
    void clipboardCommands_data();
    void clipboardCommands();
    void normalizeJoinsTheLinesAndOffersToSave();
    void patristocratRegroupsAndAsksAboutSelfLetters();
    void ctrlXClosesTheWindowEvenInsideTheEditor();
    void clickIntoTheCiphertextViewFocusesTheEditor();
    void printWithoutCiphertextIsRefused();
    void gameEditionStartsTheGameBesideTheMakerOrSaysItIsMissing();
    void quotationsOpenTheToolOrTheMakersSite();
    void badStoredOptionsReachTheErrorReport();
    void menusListTheActionsInOrder_data();
    void menusListTheActionsInOrder();
    void toolBarButtonsCarryTheirHints();
    void resizingPutsTheSplitterBackToTheMiddle();
};

void MainFormTest::startsOnTheSubstitutionTabWithANewPuzzle()
{
    StartedForm f;
    QCOMPARE(f.window->selectedKind(), CipherKind::Cipher);
    QCOMPARE(f.panel(6), QStringLiteral("Untitled"));
    QVERIFY(f.source()->toPlainText().isEmpty());
    QCOMPARE(f.find<RadioGroup>(QStringLiteral("CipherGroup1"))->itemIndex(), 0);
    QCOMPARE(f.find<RadioGroup>(QStringLiteral("CipherGroup2"))->itemIndex(), 0);
    QVERIFY(f.action(QStringLiteral("CipherAct"))->isChecked());
    QVERIFY(f.action(QStringLiteral("SaveAct"))->isEnabled());
    QVERIFY(f.holder.Puzzle.FileName.ends_with("/Dunmarrow/Ciphers/Untitled.acnx"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tessarin 5"));
    QVERIFY(!f.action(QStringLiteral("HistorySep"))->isVisible());
}

namespace {
// The controls and commands of one kind or a few, with the tabs that enable them; every other tab disables them.
const std::vector<std::pair<const char*, QList<CipherKind>>> KindControls = {
    {"CipherGroup1", {CipherKind::Cipher}},
    {"CipherGroup2", {CipherKind::Cipher}},
    {"CipherAlphaAct", {CipherKind::Cipher}},
    {"PatristAct", {CipherKind::Cipher}},
    {"ExportCipherWebAct", {CipherKind::Cipher}},
    {"RailGroup3", {CipherKind::Railfence}},
    {"Label1", {CipherKind::Playfair, CipherKind::Quagmire, CipherKind::Vigenere}},
    {"KeywordEd", {CipherKind::Playfair, CipherKind::Quagmire, CipherKind::Vigenere}},
    {"PlaySqAct", {CipherKind::Playfair}},
    {"KeyTableAct", {CipherKind::Quagmire}},
    {"VigTableAct", {CipherKind::Vigenere}},
};
// The quagmire tab's own controls.
const char* const QuagmireControls[] = {"Label2",       "Label3",    "Label4", "DittoChk",
                                        "PtAlphaKeyEd", "IndiKeyEd", "ColEd",  "UpDown1"};
} // namespace

void MainFormTest::tabSelectionEnablesTheControlsOfItsKind_data()
{
    QTest::addColumn<CipherKind>("kind");
    QTest::addColumn<QString>("checked");
    QTest::newRow("cipher") << CipherKind::Cipher << QStringLiteral("CipherAct");
    QTest::newRow("railfence") << CipherKind::Railfence << QStringLiteral("RailFAct");
    QTest::newRow("playfair") << CipherKind::Playfair << QStringLiteral("PlayAct");
    QTest::newRow("quagmire") << CipherKind::Quagmire << QStringLiteral("QuagAct");
    QTest::newRow("vigenere") << CipherKind::Vigenere << QStringLiteral("VigenereAct");
    QTest::newRow("none") << CipherKind::None << QString();
}

void MainFormTest::tabSelectionEnablesTheControlsOfItsKind()
{
    QFETCH(CipherKind, kind);
    QFETCH(QString, checked);
    StartedForm f;
    f.selectTab(CipherKind::Quagmire); // start from another tab so every row really changes the tab
    f.selectTab(kind == CipherKind::Quagmire ? CipherKind::Vigenere : kind);
    f.window->selectKind(kind);
    // Widgets and actions alike carry the "enabled" property.
    const auto enabled = [&](const char* name) { return f.find<QObject>(QLatin1String(name))->property("enabled"); };
    for (const auto& [name, kinds] : KindControls) {
        QVERIFY2(enabled(name) == kinds.contains(kind), name);
    }
    for (const char* name : QuagmireControls) {
        QVERIFY2(enabled(name) == (kind == CipherKind::Quagmire), name);
    }
    for (const char* name : {"CipherAct", "RailFAct", "PlayAct", "QuagAct", "VigenereAct"}) {
        QCOMPARE(f.action(QString::fromLatin1(name))->isChecked(), checked == QLatin1String(name));
    }
    QCOMPARE(f.find<QLineEdit>(QStringLiteral("ColEd"))->text(), QStringLiteral("1"));
}

void MainFormTest::kindMenuEntriesSelectTheirTab()
{
    StartedForm f;
    f.trigger(QStringLiteral("QuagAct"));
    QCOMPARE(f.window->selectedKind(), CipherKind::Quagmire);
    QVERIFY(f.action(QStringLiteral("QuagAct"))->isChecked());
    QVERIFY(!f.action(QStringLiteral("CipherAct"))->isChecked());
    f.trigger(QStringLiteral("QuagAct")); // choosing the checked entry again keeps it checked
    QVERIFY(f.action(QStringLiteral("QuagAct"))->isChecked());
    f.trigger(QStringLiteral("RailFAct"));
    QCOMPARE(f.window->selectedKind(), CipherKind::Railfence);
    QCOMPARE(f.find<RadioGroup>(QStringLiteral("RailGroup3"))->itemIndex(), 0);
}

void MainFormTest::encryptRefusesAnEmptyPlaintextWithTheErrorSoundFirst()
{
    StartedForm f;
    f.trigger(QStringLiteral("EncryptAct"));
    QCOMPARE(f.ui.sounds.played, QStringList{QStringLiteral("error")});
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Nothing to encrypt! You must enter a message into the plaintext window and "
                                        "then select a cryptogram format.")});
    f.source()->setPlainText(QStringLiteral("A message"));
    f.window->selectKind(CipherKind::None);
    f.trigger(QStringLiteral("EncryptAct"));
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")).size(), 2);
    f.window->selectKind(CipherKind::Vigenere);
    f.find<QLineEdit>(QStringLiteral("KeywordEd"))->setText(QStringLiteral("2024"));
    f.trigger(QStringLiteral("EncryptAct")); // a keyword without letters would key nothing
    QVERIFY(f.ui.dialogs.texts(QStringLiteral("error")).value(2).startsWith(QStringLiteral("The keyword has no")));
    QVERIFY(!f.holder.Puzzle.Changed);
    QVERIFY(f.holder.Puzzle.PLAIN.empty());
}

void MainFormTest::encryptOnEachTabStoresMarksAndShowsTheCiphertext()
{
    StartedForm f;
    f.source()->setPlainText(QStringLiteral("Attack at dawn, then retreat."));
    const QString expectedMarks[] = {QStringLiteral("^...."), QStringLiteral("^^..."), QStringLiteral("^^^.."),
                                     QStringLiteral("^^^^."), QStringLiteral("^^^^^")};
    for (int i = 0; i < CipherKindCount; ++i) {
        const CipherKind kind = KindFromIndex(i);
        f.window->selectKind(kind);
        f.find<QLineEdit>(QStringLiteral("KeywordEd"))->setText(QStringLiteral("  SECRET "));
        f.trigger(QStringLiteral("EncryptAct"));
        QVERIFY(!f.holder.Puzzle.Ciphertext(kind).empty());
        QCOMPARE(f.crypt()->toPlainText(), QString::fromLatin1(f.holder.Puzzle.Ciphertext(kind)));
        QCOMPARE(f.marks(), expectedMarks[i]);
    }
    QVERIFY(f.holder.Puzzle.Changed);
    QCOMPARE(f.holder.Puzzle.PLAIN, std::string("Attack at dawn, then retreat."));
    QCOMPARE(f.holder.Puzzle.VIGENKEY, std::string("SECRET"));
    QCOMPARE(f.holder.Puzzle.PLAYKEY, std::string("SECRET"));
    QCOMPARE(f.holder.Puzzle.CRADIOS, std::string("00"));
    QCOMPARE(f.holder.Puzzle.CIPHKEY.size(), std::size_t(26));
    QVERIFY2(f.ui.dialogs.shown.isEmpty(), "an unchanged plaintext never raises the alert");
    f.window->selectKind(CipherKind::Railfence);
    QCOMPARE(f.crypt()->toPlainText(), QString::fromLatin1(f.holder.Puzzle.RAILFENCE));
}

void MainFormTest::integrityAlertAnswers_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("No keeps everything") << false;
    QTest::newRow("Yes encrypts the new plaintext") << true;
}

void MainFormTest::integrityAlertAnswers()
{
    QFETCH(bool, answer);
    MainFormFixture f;
    f.startEncrypted(QStringLiteral("first text"));
    const PuzzleDocument before = f.holder.Puzzle;
    const QString viewBefore = f.crypt()->toPlainText();
    f.window->selectKind(CipherKind::Vigenere);
    f.find<QLineEdit>(QStringLiteral("KeywordEd"))->setText(QStringLiteral("KEY"));
    f.source()->setPlainText(QStringLiteral("second text"));
    f.ui.dialogs.confirmAnswers.push_back(answer);
    f.trigger(QStringLiteral("EncryptAct"));
    QCOMPARE(f.ui.dialogs.shown.size(), 1);
    QCOMPARE(f.ui.dialogs.shown[0].heading, QStringLiteral("Encryption Alert"));
    QVERIFY(f.ui.dialogs.shown[0].text.startsWith(QStringLiteral("One or more cryptograms have already been")));
    if (answer) {
        QCOMPARE(f.holder.Puzzle.PLAIN, std::string("second text"));
        QCOMPARE(f.holder.Puzzle.CIPHER, before.CIPHER); // other kinds are not re-encrypted
        QCOMPARE(f.marks(), QStringLiteral("^...^"));
    } else {
        QVERIFY(f.holder.Puzzle == before);
        QCOMPARE(f.marks(), QStringLiteral("^...."));
        QVERIFY(f.crypt()->toPlainText().isEmpty());
        Q_UNUSED(viewBefore);
    }
}

void MainFormTest::encryptRefusesCharactersThePuzzleFileCannotHold()
{
    MainFormFixture f;
    f.startEncrypted(QStringLiteral("Caf\u00e9 \u201cquoted\u201d \u0416"));
    const QStringList errors = f.ui.dialogs.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QCOMPARE(f.ui.sounds.played, QStringList{QStringLiteral("error")});
    QVERIFY2(errors[0].contains(QStringLiteral("\u0416")), qPrintable(errors[0]));
    QVERIFY(f.holder.Puzzle.PLAIN.empty());
    QVERIFY(!f.holder.Puzzle.Changed);
    f.encrypt(QStringLiteral("Caf\u00e9 \u201cquoted\u201d"));
    QCOMPARE(f.holder.Puzzle.PLAIN, std::string("Caf\xE9 \x93quoted\x94"));
}

void MainFormTest::offsetAlwaysGoesWithUnique()
{
    StartedForm f;
    auto* group1 = f.find<RadioGroup>(QStringLiteral("CipherGroup1"));
    auto* group2 = f.find<RadioGroup>(QStringLiteral("CipherGroup2"));
    QTest::mouseClick(group2->button(1), Qt::LeftButton);
    QCOMPARE(group1->itemIndex(), 1);
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.source()->setFocus();
    // Tab enters the group on the option chosen for the author (the ciphertext view and the tabs come first).
    for (int i = 0; i < 5 && qobject_cast<QRadioButton*>(QApplication::focusWidget()) == nullptr; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), group1->button(1));
    QTest::mouseClick(group1->button(0), Qt::LeftButton);
    QCOMPARE(group1->itemIndex(), 1); // Similar snaps back to Unique while Offset stays
    f.encrypt(QStringLiteral("offset text"));
    QCOMPARE(f.holder.Puzzle.CRADIOS, std::string("11"));
    for (int i = 0; i < 26; ++i) {
        QVERIFY(f.holder.Puzzle.CIPHKEY[std::size_t(i)] != char('A' + i));
    }
}

void MainFormTest::sameAsKeywordCopiesOnceAndClears()
{
    StartedForm f;
    f.window->selectKind(CipherKind::Quagmire);
    auto* keyword = f.find<QLineEdit>(QStringLiteral("KeywordEd"));
    auto* table = f.find<QLineEdit>(QStringLiteral("PtAlphaKeyEd"));
    auto* ditto = f.find<QCheckBox>(QStringLiteral("DittoChk"));
    QTest::keyClicks(keyword, QStringLiteral("flower"));
    QCOMPARE(keyword->text(), QStringLiteral("FLOWER")); // typed letters become capitals, and can be undone
    keyword->undo();
    QCOMPARE(keyword->text(), QString());
    keyword->redo();
    QCOMPARE(keyword->text(), QStringLiteral("FLOWER"));
    QTest::mouseClick(ditto, Qt::LeftButton, {}, QPoint(4, ditto->height() / 2));
    QCOMPARE(table->text(), QStringLiteral("FLOWER"));
    keyword->setText(QStringLiteral("OTHER"));
    QCOMPARE(table->text(), QStringLiteral("FLOWER"));
    QTest::mouseClick(ditto, Qt::LeftButton, {}, QPoint(4, ditto->height() / 2));
    QVERIFY(table->text().isEmpty());
}

void MainFormTest::quagmireKeysAreStoredTrimmedAndShownAgain()
{
    StartedForm f;
    f.window->selectKind(CipherKind::Quagmire);
    f.source()->setPlainText(QStringLiteral("the quagmire plaintext"));
    f.find<QLineEdit>(QStringLiteral("KeywordEd"))->setText(QStringLiteral(" SPRING "));
    f.find<QLineEdit>(QStringLiteral("PtAlphaKeyEd"))->setText(QStringLiteral("FLOWER "));
    f.find<QLineEdit>(QStringLiteral("IndiKeyEd"))->setText(QStringLiteral(" CAT"));
    f.find<QLineEdit>(QStringLiteral("ColEd"))->setText(QStringLiteral("7"));
    f.trigger(QStringLiteral("EncryptAct"));
    QCOMPARE(f.holder.Puzzle.QUAGKEY, std::string("SPRING"));
    QCOMPARE(f.holder.Puzzle.QUAGCKEY, std::string("FLOWER"));
    QCOMPARE(f.holder.Puzzle.QUAGINDI, std::string("CAT@7"));
    f.window->selectKind(CipherKind::Vigenere);
    f.window->selectKind(CipherKind::Quagmire);
    QCOMPARE(f.find<QLineEdit>(QStringLiteral("KeywordEd"))->text(), QStringLiteral("SPRING"));
    QCOMPARE(f.find<QLineEdit>(QStringLiteral("IndiKeyEd"))->text(), QStringLiteral("CAT"));
    QCOMPARE(f.find<QLineEdit>(QStringLiteral("ColEd"))->text(), QStringLiteral("7"));
    f.find<QWidget>(QStringLiteral("UpDown1"))->findChild<QWidget*>(QStringLiteral("UpDownRight"))->setFocus();
    QTest::mouseClick(f.find<QWidget>(QStringLiteral("UpDown1"))->findChild<QWidget*>(QStringLiteral("UpDownRight")),
                      Qt::LeftButton);
    QCOMPARE(f.find<QLineEdit>(QStringLiteral("ColEd"))->text(), QStringLiteral("8"));
    f.find<QLineEdit>(QStringLiteral("ColEd"))->clear();
    f.trigger(QStringLiteral("EncryptAct"));
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("'' is not a valid integer value")});
}

void MainFormTest::clipboardCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("encrypted");
    QTest::addColumn<bool>("copies");
    QTest::newRow("puzzle, nothing made") << QStringLiteral("CopyClipAct") << false << false;
    QTest::newRow("puzzle") << QStringLiteral("CopyClipAct") << true << true;
    QTest::newRow("solution") << QStringLiteral("SolClipAct") << false << true;
}

void MainFormTest::clipboardCommands()
{
    QFETCH(QString, command);
    QFETCH(bool, encrypted);
    QFETCH(bool, copies);
    StartedForm f;
    f.source()->setPlainText(QStringLiteral("To be or not"));
    if (encrypted) {
        f.trigger(QStringLiteral("EncryptAct"));
    }
    f.source()->setPlainText(QStringLiteral("To be, or not"));
    f.trigger(command);
    if (!copies) {
        QCOMPARE(f.ui.clipboard.writes, 0);
        QVERIFY(f.ui.dialogs.texts(QStringLiteral("error")).value(0).startsWith(QStringLiteral("Nothing to copy!")));
        return;
    }
    QCOMPARE(f.ui.clipboard.text,
             command == QLatin1String("CopyClipAct") ? f.crypt()->toPlainText() : QStringLiteral("To be, or not"));
    QCOMPARE(f.pauses, (QList<int>{25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 750}));
    QVERIFY(f.find<QWidget>(QStringLiteral("ProgBar"))->isHidden());
}

void MainFormTest::normalizeJoinsTheLinesAndOffersToSave()
{
    StartedForm f;
    f.source()->setPlainText(QStringLiteral("  first line \n\n\tthird  line  \n"));
    f.ui.dialogs.confirmAnswers.push_back(false);
    f.trigger(QStringLiteral("DistillAct"));
    QCOMPARE(f.holder.Puzzle.PLAIN, std::string("first line  third  line"));
    QCOMPARE(f.source()->toPlainText(), QStringLiteral("first line  third  line"));
    QCOMPARE(f.ui.dialogs.shown.value(0).heading, QStringLiteral("Plaintext Changed"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("*Tessarin 5")); // declined: still unsaved, so Exit asks
    QVERIFY(!QFile::exists(QString::fromStdString(f.holder.Puzzle.FileName)));
    f.source()->undo(); // the author's lines come back
    QCOMPARE(f.source()->toPlainText(), QStringLiteral("  first line \n\n\tthird  line  \n"));
    f.ui.dialogs.confirmAnswers.push_back(true);
    f.ui.dialogs.fileAnswers.push_back(QString::fromStdString(f.holder.Puzzle.FileName)); // naming a new puzzle
    f.trigger(QStringLiteral("DistillAct"));
    QVERIFY(QFile::exists(QString::fromStdString(f.holder.Puzzle.FileName)));
    // A line ended with Shift+Enter (a line separator inside the paragraph) is joined as any other line.
    f.source()->setPlainText(QStringLiteral("Be yourself.\u2028Wilde"));
    f.ui.dialogs.confirmAnswers.push_back(false);
    f.trigger(QStringLiteral("DistillAct"));
    QCOMPARE(f.holder.Puzzle.PLAIN, std::string("Be yourself. Wilde"));
    // A long paragraph counts as several lines as laid out: a word broken by the wrap gets a blank.
    f.window->resize(800, 600);
    f.source()->setPlainText(QString(400, u'w'));
    f.ui.dialogs.confirmAnswers.push_back(false);
    f.trigger(QStringLiteral("DistillAct"));
    QVERIFY(f.holder.Puzzle.PLAIN.find(' ') != std::string::npos);
    QCOMPARE(f.holder.Puzzle.PLAIN.size() -
                 std::size_t(std::count(f.holder.Puzzle.PLAIN.begin(), f.holder.Puzzle.PLAIN.end(), ' ')),
             std::size_t(400));
}

void MainFormTest::patristocratRegroupsAndAsksAboutSelfLetters()
{
    StartedForm f;
    f.trigger(QStringLiteral("PatristAct"));
    QVERIFY2(f.ui.dialogs.shown.isEmpty(), "an empty view does nothing");
    f.encrypt(QStringLiteral("Hello, wide world! 42"));
    f.holder.Puzzle.CIPHKEY = "AZYXWVUTSRQPONMLKJIHGFEDCB"; // A stands for itself
    const std::string cipher = f.holder.Puzzle.CIPHER;
    f.holder.Puzzle.Changed = false;
    f.ui.dialogs.confirmAnswers.push_back(false);
    f.trigger(QStringLiteral("PatristAct"));
    QCOMPARE(f.holder.Puzzle.CIPHER, cipher);
    QVERIFY(!f.holder.Puzzle.Changed);
    QVERIFY(f.ui.dialogs.shown.value(0).text.startsWith(QStringLiteral("Ciphertext alphabet has at least one")));
    f.ui.dialogs.confirmAnswers.push_back(true);
    f.trigger(QStringLiteral("PatristAct"));
    // 14 letters: two groups of five, each with its blank, and a last group of four without one.
    QCOMPARE(f.holder.Puzzle.CIPHER.size(), std::size_t(16));
    QCOMPARE(f.holder.Puzzle.CIPHER[5], ' ');
    QCOMPARE(f.holder.Puzzle.CIPHER[11], ' ');
    QVERIFY(f.holder.Puzzle.CIPHER.back() != ' ');
    QCOMPARE(f.crypt()->toPlainText(), QString::fromLatin1(f.holder.Puzzle.CIPHER));
    QVERIFY(f.holder.Puzzle.Changed);
    f.source()->setPlainText(QStringLiteral("1969, 2001.")); // no letters: refused, the cryptogram is kept
    f.ui.dialogs.confirmAnswers.push_back(true);             // to the question about the changed plaintext
    f.trigger(QStringLiteral("EncryptAct"));
    f.trigger(QStringLiteral("PatristAct"));
    QCOMPARE(f.holder.Puzzle.CIPHER.size(), std::size_t(11));
    QVERIFY(f.ui.dialogs.texts(QStringLiteral("error")).value(0).startsWith(QStringLiteral("The substitution")));
}

void MainFormTest::ctrlXClosesTheWindowEvenInsideTheEditor()
{
    StartedForm f;
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.source()->setPlainText(QStringLiteral("keep me"));
    f.source()->setFocus();
    QTest::keyClick(f.source(), Qt::Key_Tab); // Tab leaves the editor for the options; it types nothing
    QVERIFY(!f.source()->hasFocus());
    QCOMPARE(f.source()->toPlainText(), QStringLiteral("keep me"));
    f.source()->selectAll();
    f.source()->setFocus();
    QTest::keyClick(f.source(), Qt::Key_X, Qt::ControlModifier);
    QVERIFY(f.window->isVisible()); // the typed text was never saved: the question's Cancel keeps it
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("ask")).size(), 1);
    f.ui.dialogs.askAnswers.push_back(Answer::No);
    QTest::keyClick(f.source(), Qt::Key_X, Qt::ControlModifier);
    QVERIFY(!f.window->isVisible());
    QCOMPARE(f.source()->toPlainText(), QStringLiteral("keep me"));
    QCOMPARE(f.action(QStringLiteral("SaveAct"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(f.action(QStringLiteral("PrintAct"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    QCOMPARE(f.action(QStringLiteral("ContentsAct"))->shortcut(), QKeySequence(QStringLiteral("F1")));
}

void MainFormTest::clickIntoTheCiphertextViewFocusesTheEditor()
{
    StartedForm f;
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.find<QLineEdit>(QStringLiteral("KeywordEd"))->setFocus();
    QTest::mouseClick(f.crypt()->viewport(), Qt::LeftButton);
    QTRY_VERIFY(f.source()->hasFocus());
}

void MainFormTest::printWithoutCiphertextIsRefused()
{
    StartedForm f;
    f.trigger(QStringLiteral("PrintAct"));
    QCOMPARE(f.ui.sounds.played, QStringList{QStringLiteral("error")});
    QCOMPARE(
        f.ui.dialogs.texts(QStringLiteral("error")),
        QStringList{QStringLiteral("Nothing to print! Create a cryptogram to print or discontinue this selection.")});
}

void MainFormTest::gameEditionStartsTheGameBesideTheMakerOrSaysItIsMissing()
{
    StartedForm f;
    f.trigger(QStringLiteral("LaunchGameAct"));
    QVERIFY(f.ui.shell.started.isEmpty());
    QVERIFY(f.ui.dialogs.texts(QStringLiteral("error")).value(0).contains(QStringLiteral("tessarin5game")));
    const QString game = f.home() + QStringLiteral("/bin/tessarin5game");
    QFile file(game);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    f.trigger(QStringLiteral("LaunchGameAct"));
    QCOMPARE(f.ui.shell.started, QStringList{game});
}

void MainFormTest::quotationsOpenTheToolOrTheMakersSite()
{
    StartedForm f;
    f.trigger(QStringLiteral("QuoteAct"));
    QCOMPARE(f.ui.shell.opened.value(0), QUrl(QStringLiteral("https://tessarin.example.org/quotations")));
    f.settings->WriteSetting(QStringLiteral("QuoteTool"), QStringLiteral("https://quotes.example.net/"));
    f.trigger(QStringLiteral("QuoteAct"));
    QCOMPARE(f.ui.shell.opened.value(1), QUrl(QStringLiteral("https://quotes.example.net/")));
    f.ui.shell.succeed = false; // no program opens the address
    f.trigger(QStringLiteral("QuoteAct"));
    f.settings->WriteSetting(QStringLiteral("QuoteTool"), 5);
    f.trigger(QStringLiteral("QuoteAct"));
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")),
             QStringList({QStringLiteral("The quotation tool \"https://quotes.example.net/\" could not be opened: no "
                                         "program on this system opens it."),
                          QStringLiteral("Invalid data type for 'QuoteTool'")}));
}

void MainFormTest::badStoredOptionsReachTheErrorReport()
{
    MainFormFixture f;
    PuzzleDocument doc;
    doc.PLAIN = "hand edited";
    doc.CIPHER = "XYZ";
    doc.CRADIOS = "1x";
    const QString path = f.writePuzzle(QStringLiteral("bad.acnx"), doc);
    f.start({path});
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("'x' is not a valid integer value")});
    QCOMPARE(f.source()->toPlainText(), QStringLiteral("hand edited"));
    QCOMPARE(f.crypt()->toPlainText(), QStringLiteral("XYZ"));
    QCOMPARE(f.marks(), QStringLiteral("^...."));
}

void MainFormTest::menusListTheActionsInOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("entries");
    QTest::newRow("Puzzle") << QStringLiteral("PuzzleMenu")
                            << QStringLiteral(
                                   "&New Cryptogram...|&Open Cryptogram...|-|En&crypt!|-|S&ave|&Save As...|-|"
                                   "&Print...|P&rinter Setup...|-|&Exit");
    QTest::newRow("Options") << QStringLiteral("OptionsMenu")
                             << QStringLiteral("&Revert to Saved|-|&Normalize Source|P&atristocrat|-|&Cipher|"
                                               "Ra&ilfence|P&layfair|&Quagmire|&Vigenere|-|&Preferences...");
    QTest::newRow("Special") << QStringLiteral("SpecialMenu")
                             << QStringLiteral("&Puzzle to Clipboard|&Solution to Clipboard|-|Exp&ort Text File...|"
                                               "E&xport RTF File...|-|&Export Cipher to Web|-|&Distribute Puzzles...");
    QTest::newRow("Tools") << QStringLiteral("ToolsMenu")
                           << QStringLiteral(
                                  "Q&uotations...|-|C&ipher Alphabet...|&Playfair Square...|"
                                  "&Quagmire Table...|&Vigenere Table...|-|C&heck Puzzle...|-|&Game Edition...");
    QTest::newRow("Help") << QStringLiteral("HelpMenu") << QStringLiteral("&Contents|&Keyword Index|-|&About...");
}

void MainFormTest::menusListTheActionsInOrder()
{
    QFETCH(QString, menu);
    QFETCH(QString, entries);
    StartedForm f;
    QStringList shown;
    for (QAction* act : f.find<QMenu>(menu)->actions()) {
        if (act->isVisible()) {
            shown.append(act->isSeparator() ? QStringLiteral("-") : act->text());
        }
    }
    // Until a recent puzzle exists, one separator stands between Printer Setup and Exit.
    QCOMPARE(shown.join(u'|'), entries);
}

void MainFormTest::toolBarButtonsCarryTheirHints()
{
    StartedForm f;
    const QList<std::pair<const char*, const char*>> hints = {{"OpenBtn", "Open a cryptogram"},
                                                              {"EncryptBtn", "Encrypt!"},
                                                              {"SaveBtn", "Save"},
                                                              {"PrintBtn", "Print"},
                                                              {"PreferenceBtn", "Set preferences"},
                                                              {"SourceRefBtn", "Quotations resource..."},
                                                              {"GameEdBtn", "Play the Game edition"},
                                                              {"HelpBtn", "Help contents"}};
    for (const auto& [name, hint] : hints) {
        auto* button = f.find<QToolButton>(QString::fromLatin1(name));
        QVERIFY2(button != nullptr, name);
        QCOMPARE(button->toolTip(), QString::fromLatin1(hint));
        QCOMPARE(button->size(), QSize(42, 42));
        QVERIFY2(!button->icon().isNull(), name);
    }
    QCOMPARE(f.action(QStringLiteral("EncryptAct"))->property("category").toString(), QStringLiteral("Puzzle"));
    QCOMPARE(f.action(QStringLiteral("PatristAct"))->property("category").toString(), QStringLiteral("Options"));
    QCOMPARE(f.action(QStringLiteral("DistributeAct"))->property("category").toString(), QStringLiteral("Special"));
    QCOMPARE(f.action(QStringLiteral("LaunchGameAct"))->property("category").toString(), QStringLiteral("Tools"));
    QCOMPARE(f.action(QStringLiteral("AboutAct"))->property("category").toString(), QStringLiteral("Help"));
}

void MainFormTest::resizingPutsTheSplitterBackToTheMiddle()
{
    StartedForm f;
    auto* splitter = f.find<QSplitter>(QStringLiteral("Splitter1"));
    splitter->setSizes({50, 400});
    f.window->resize(900, 700);
    QTRY_VERIFY(qAbs(splitter->sizes().value(0) - splitter->sizes().value(1)) <= 1);
    f.window->resize(500, 300);
    QCOMPARE(f.window->size(), QSize(772, 552)); // the designed size is the smallest
    // Panel 5 ends where the Similar/Unique group begins, whatever gaps the status bar puts between panels.
    auto* panel5 = f.find<QLabel>(QStringLiteral("StatusPanel5"));
    QTRY_COMPARE(panel5->mapTo(f.window.get(), QPoint(panel5->width(), 0)).x(),
                 f.find<QWidget>(QStringLiteral("CipherGroup1"))->mapTo(f.window.get(), QPoint(0, 0)).x());
    // The progress bar's corner keeps all of its 150 pixels inside the window.
    auto* corner = f.find<QWidget>(QStringLiteral("ProgBarCorner"));
    QVERIFY(f.window->rect().contains(QRect(corner->mapTo(f.window.get(), QPoint(0, 0)), QSize(150, 17))));
}

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
