// The file commands, the recent-puzzle list, the save question and start-up and shut-down of the main window.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "MainFormFixture.h"
#include "PuzzleFileIO.h"
#include "PuzzlePaths.h"
#include "QtUiServices.h"
#include "RadioGroup.h"
#include "SettingNames.h"
#include "TessarinError.h"

namespace {

const QString SaveQuestion = QStringLiteral("Cryptogram has changed. Do you want to save the changes?");

PuzzleDocument railAndVigenerePuzzle()
{
    PuzzleDocument doc;
    doc.PLAIN = "from a file";
    doc.RAILFENCE = "FRO MAF ILE ";
    doc.VIGENERE = "QQQQ";
    doc.VIGENKEY = "KEY";
    return doc;
}

// The plaintext and substitution ciphertext stored at path: what a save of the window's puzzle must have written.
QStringList savedPlainAndCipher(const QString& path)
{
    PuzzleDocument back;
    LoadPuzzleFile(back, path);
    return {QString::fromStdString(back.PLAIN), QString::fromStdString(back.CIPHER)};
}

QStringList plainAndCipherOf(const MainFormFixture& f)
{
    return {QString::fromStdString(f.holder.Puzzle.PLAIN), QString::fromStdString(f.holder.Puzzle.CIPHER)};
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(1024) : QByteArray("(unreadable)");
}

QStringList visibleHistory(const MainFormFixture& f)
{
    QStringList captions;
    for (int i = 1; i <= 3; ++i) {
        QAction* entry = f.action(QStringLiteral("History%1Act").arg(i));
        if (entry->isVisible()) {
            captions.append(entry->text());
        }
    }
    return captions;
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class MainFormFilesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void saveCreatesThePuzzleFolderOfANewUser();
    void saveIntoAMissingFolderElsewhereFailsAndKeepsChanged();
    void saveAsChoosesTheFileAndMakesItTheLastPuzzle();
    void theSaveDialogGivesATitleWithADotTheFileTypesExtension();
    void saveAsCancelledChangesNothing();
    void failedSaveAsKeepsTheFileAndItsName_data();
    void failedSaveAsKeepsTheFileAndItsName();
    void openLoadsTheFileAndShowsItsFirstKind();
    void saveQuestionAnswers_data();
    void saveQuestionAnswers();
    void openOfAnUnreadableFileKeepsTheCurrentPuzzle();
    void openShowsThePuzzleEvenWhenTheSettingsCannotBeWritten();
    void recentListIsRebuiltFromTheSettings();
    void recentEntryOpensItsPuzzle();
    void newAsksFirstAndLeavesNothingToSaveAtClosing();
    void revertReadsTheFileAgainOrDoesNothing();
    void startWithAFileShowsItsFirstKindWithoutTouchingLastPuzzle();
    void startWithAnUnreadableFileReportsAndStartsNew();
    void typedTextIsAskedForAndSaved();
    void untitledSaveAsksForANameAndKeepsAnEarlierPuzzle();
    void closeQuestionAnswers_data();
    void closeQuestionAnswers();
    void failingSaveAtClosingKeepsTheWindowOpen();
    void viewSettingsApplyWithTheDesignedSizeAsMinimum();
    void viewSettingsFitTheScreenAndFailOneByOne();
};

void MainFormFilesTest::saveCreatesThePuzzleFolderOfANewUser()
{
    StartedForm f;
    QVERIFY(!QDir(PuzzleFolder()).exists());
    f.encrypt(QStringLiteral("first save"));
    const QString path = PuzzleFolder() + QStringLiteral("/Untitled.acnx");
    f.ui.dialogs.fileAnswers.push_back(path);
    f.trigger(QStringLiteral("SaveAct"));
    QVERIFY(QFile::exists(path));
    QVERIFY(!f.holder.Puzzle.Changed);
    QCOMPARE(f.pauses.size(), 11);
    PuzzleDocument back;
    LoadPuzzleFile(back, path);
    QCOMPARE(back.PLAIN, std::string("first save"));
    QCOMPARE(back.CIPHER, f.holder.Puzzle.CIPHER);
}

void MainFormFilesTest::saveIntoAMissingFolderElsewhereFailsAndKeepsChanged()
{
    MainFormFixture f;
    f.startEncrypted(QStringLiteral("text"));
    f.ui.dialogs.fileAnswers.push_back(f.home() + QStringLiteral("/missing/p.acnx"));
    f.trigger(QStringLiteral("SaveAct"));
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")).size(), 1);
    QVERIFY(f.holder.Puzzle.Changed);
    QVERIFY2(f.pauses.isEmpty(), "no progress animation after a failed save");
}

void MainFormFilesTest::saveAsChoosesTheFileAndMakesItTheLastPuzzle()
{
    MainFormFixture f;
    f.startEncrypted(QStringLiteral("saved as"));
    const QString path = f.home() + QStringLiteral("/riddle.acnx");
    f.ui.dialogs.fileAnswers.push_back(path);
    f.trigger(QStringLiteral("SaveAsAct"));
    const FileDialogRequest request = f.ui.dialogs.shown.value(0).request;
    QCOMPARE(request.folder, PuzzleFolder());
    QCOMPARE(request.defaultSuffix, QStringLiteral("acnx"));
    QVERIFY(request.confirmOverwrite);
    QVERIFY(QFile::exists(path));
    QCOMPARE(QString::fromStdString(f.holder.Puzzle.FileName), path);
    QCOMPARE(f.panel(6), QStringLiteral("riddle"));
    QCOMPARE(f.settings->ReadSetting(Setting::LastPuzzle, QString()), path);
}

void MainFormFilesTest::saveAsCancelledChangesNothing()
{
    MainFormFixture f;
    f.startEncrypted(QStringLiteral("x"));
    const std::string name = f.holder.Puzzle.FileName;
    f.trigger(QStringLiteral("SaveAsAct"));
    QCOMPARE(f.holder.Puzzle.FileName, name);
    QVERIFY(f.holder.Puzzle.Changed);
    QVERIFY(!QFile::exists(QString::fromStdString(name)));
}

void MainFormFilesTest::failedSaveAsKeepsTheFileAndItsName_data()
{
    QTest::addColumn<QString>("target"); // under the home folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "missing/p.acnx"
                                    << "No such file or directory";
    QTest::newRow("read-only file") << "locked.acnx"
                                    << "The file is read-only.";
    QTest::newRow("file over 256 MiB") << "huge.acnx"
                                       << "The file is too large to be a Tessarin cryptogram.";
}

void MainFormFilesTest::failedSaveAsKeepsTheFileAndItsName()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    MainFormFixture f;
    const QString path = f.home() + u'/' + target;
    if (target == u"locked.acnx"_qs) {
        f.writePuzzle(target, railAndVigenerePuzzle());
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (target == u"huge.acnx"_qs) {
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(MaxPuzzleFileSize + 1)); // sparse: no disk used
    }
    const QByteArray before = contentsOf(path);
    const QString first = f.home() + QStringLiteral("/first.acnx");
    f.startEncrypted(QStringLiteral("saved once"));
    f.ui.dialogs.fileAnswers.push_back(first);
    f.trigger(QStringLiteral("SaveAsAct"));
    f.encrypt(QStringLiteral("changed since"));
    f.ui.dialogs.fileAnswers.push_back(path);
    f.trigger(QStringLiteral("SaveAsAct"));
    const QStringList errors = f.ui.dialogs.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(u'"' + QDir::toNativeSeparators(path) + u'"') && errors[0].endsWith(reason),
             qPrintable(errors[0]));
    QCOMPARE(contentsOf(path), before);
    QVERIFY(f.holder.Puzzle.Changed);
    QCOMPARE(QString::fromStdString(f.holder.Puzzle.FileName), first);
    QCOMPARE(f.panel(6), QStringLiteral("first"));
    QCOMPARE(f.settings->ReadSetting(Setting::LastPuzzle, QString()), first);
    f.trigger(QStringLiteral("SaveAct")); // into the puzzle's own file, without a dialog
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("save")).size(), 2);
    QCOMPARE(savedPlainAndCipher(first), plainAndCipherOf(f));
}

void MainFormFilesTest::openLoadsTheFileAndShowsItsFirstKind()
{
    MainFormFixture f;
    const QString path = f.writePuzzle(QStringLiteral("rails.acnx"), railAndVigenerePuzzle());
    f.start();
    f.ui.dialogs.fileAnswers.push_back(path);
    f.trigger(QStringLiteral("OpenAct"));
    QCOMPARE(f.ui.dialogs.shown.value(0).text, QStringLiteral("Open an existing cryptogram"));
    QCOMPARE(f.window->selectedKind(), CipherKind::Railfence);
    QCOMPARE(f.find<RadioGroup>(QStringLiteral("RailGroup3"))->itemIndex(), 1); // groups of three: 3 Rails
    QCOMPARE(f.source()->toPlainText(), QStringLiteral("from a file"));
    QCOMPARE(f.crypt()->toPlainText(), QStringLiteral("FRO MAF ILE "));
    QCOMPARE(f.marks(), QStringLiteral(".^..^"));
    QCOMPARE(f.panel(6), QStringLiteral("rails"));
    QCOMPARE(f.settings->ReadSetting(Setting::LastPuzzle, QString()), path);
    QVERIFY(!f.holder.Puzzle.Changed);
    f.window->selectKind(CipherKind::Vigenere);
    QCOMPARE(f.find<QLineEdit>(QStringLiteral("KeywordEd"))->text(), QStringLiteral("KEY"));
}

void MainFormFilesTest::saveQuestionAnswers_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("chosen"); // the file the open dialog or the recent entry gives
    QTest::addColumn<bool>("replaced");
    QTest::newRow("Yes saves, then opens") << Answer::Yes << "OpenAct"
                                           << "other.acnx" << true;
    QTest::newRow("No drops the change, then opens") << Answer::No << "OpenAct"
                                                     << "other.acnx" << true;
    QTest::newRow("Cancel keeps everything") << Answer::Cancel << "OpenAct"
                                             << "other.acnx" << false;
    QTest::newRow("No, then the open dialog is cancelled") << Answer::No << "OpenAct"
                                                           << "" << false;
    QTest::newRow("No, then the recent puzzle fails to load") << Answer::No << "History1Act"
                                                              << "gone.acnx" << false;
    QTest::newRow("No, then the recent puzzle opens") << Answer::No << "History1Act"
                                                      << "other.acnx" << true;
}

void MainFormFilesTest::saveQuestionAnswers()
{
    QFETCH(Answer, answer);
    QFETCH(QString, command);
    QFETCH(QString, chosen);
    QFETCH(bool, replaced);
    MainFormFixture f;
    f.writePuzzle(QStringLiteral("other.acnx"), railAndVigenerePuzzle());
    const QString path = chosen.isEmpty() ? QString() : f.home() + u'/' + chosen;
    f.settings->WriteSetting(Setting::History1, path);
    f.startEncrypted(QStringLiteral("unsaved work"));
    const QStringList work = plainAndCipherOf(f);
    const std::string name = f.holder.Puzzle.FileName;
    f.ui.dialogs.askAnswers.push_back(answer);
    if (answer == Answer::Yes) {
        f.ui.dialogs.fileAnswers.push_back(QString::fromStdString(name)); // naming the never-saved puzzle
    }
    f.ui.dialogs.fileAnswers.push_back(path);
    f.trigger(command);
    QCOMPARE(f.ui.sounds.played, QStringList{QStringLiteral("question")});
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("ask")), QStringList{SaveQuestion});
    QCOMPARE(QFile::exists(QString::fromStdString(name)), answer == Answer::Yes);
    if (answer == Answer::Yes) {
        QCOMPARE(savedPlainAndCipher(QString::fromStdString(name)), work);
    }
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("open")).size(),
             int(command == u"OpenAct"_qs && answer != Answer::Cancel));
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")).size(), int(chosen == u"gone.acnx"_qs));
    QCOMPARE(QString::fromStdString(f.holder.Puzzle.FileName), replaced ? path : QString::fromStdString(name));
    QCOMPARE(f.source()->toPlainText(), replaced ? QStringLiteral("from a file") : QStringLiteral("unsaved work"));
    QCOMPARE(plainAndCipherOf(f) == work, !replaced);
    // Work that is still on screen and unsaved is asked for again at closing.
    f.window->close();
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("ask")).size(), replaced || answer == Answer::Yes ? 1 : 2);
}

void MainFormFilesTest::openOfAnUnreadableFileKeepsTheCurrentPuzzle()
{
    StartedForm f;
    const std::string name = f.holder.Puzzle.FileName;
    f.ui.dialogs.fileAnswers.push_back(f.home() + QStringLiteral("/nothing.acnx"));
    f.trigger(QStringLiteral("OpenAct"));
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")).size(), 1);
    QCOMPARE(f.holder.Puzzle.FileName, name);
    QVERIFY(f.settings->ReadSetting(Setting::LastPuzzle, QString()).isEmpty());
}

void MainFormFilesTest::openShowsThePuzzleEvenWhenTheSettingsCannotBeWritten()
{
    StartedForm f;
    const QString path = f.writePuzzle(QStringLiteral("p.acnx"), railAndVigenerePuzzle());
    QVERIFY(QDir().mkpath(f.home() + QStringLiteral("/settings.conf"))); // no setting can be written
    f.ui.dialogs.fileAnswers.push_back(path);
    f.trigger(QStringLiteral("OpenAct"));
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")).size(), 1);
    // Not the editor of the puzzle before, whose text a save would write into the new file.
    QCOMPARE(f.source()->toPlainText(), QStringLiteral("from a file"));
}

void MainFormFilesTest::recentListIsRebuiltFromTheSettings()
{
    MainFormFixture f;
    const QString a = f.home() + QStringLiteral("/a.acnx");
    f.settings->WriteSetting(Setting::LastPuzzle, a);
    f.settings->WriteSetting(Setting::History1, f.home() + QStringLiteral("/B.acnx"));
    f.settings->WriteSetting(Setting::History2, a.toUpper());
    f.settings->WriteSetting(Setting::History3, f.home() + QStringLiteral("/d.acnx"));
    f.start();
    QCOMPARE(visibleHistory(f), (QStringList{QStringLiteral("&1 A"), QStringLiteral("&2 B"), QStringLiteral("&3 D")}));
    QVERIFY(f.action(QStringLiteral("HistorySep"))->isVisible());
    QCOMPARE(f.settings->ReadSetting(Setting::History1, QString()), a);
    QCOMPARE(f.settings->ReadSetting(Setting::History3, QString()), f.home() + QStringLiteral("/d.acnx"));
}

void MainFormFilesTest::recentEntryOpensItsPuzzle()
{
    MainFormFixture f;
    const QString first = f.writePuzzle(QStringLiteral("first.acnx"), railAndVigenerePuzzle());
    PuzzleDocument vigenere = railAndVigenerePuzzle();
    vigenere.RAILFENCE.clear();
    const QString second = f.writePuzzle(QStringLiteral("second.acnx"), vigenere);
    f.settings->WriteSetting(Setting::History1, first);
    f.settings->WriteSetting(Setting::History2, second);
    f.start();
    QCOMPARE(visibleHistory(f), (QStringList{QStringLiteral("&1 FIRST"), QStringLiteral("&2 SECOND")}));
    f.trigger(QStringLiteral("History2Act"));
    QCOMPARE(QString::fromStdString(f.holder.Puzzle.FileName), second);
    QCOMPARE(f.window->selectedKind(), CipherKind::Vigenere);
    QCOMPARE(f.settings->ReadSetting(Setting::LastPuzzle, QString()), second);
    // The menu was rebuilt before LastPuzzle took the new path.
    QCOMPARE(visibleHistory(f), (QStringList{QStringLiteral("&1 FIRST"), QStringLiteral("&2 SECOND")}));
    f.trigger(QStringLiteral("History1Act"));
    QCOMPARE(visibleHistory(f), (QStringList{QStringLiteral("&1 SECOND"), QStringLiteral("&2 FIRST")}));
}

void MainFormFilesTest::newAsksFirstAndLeavesNothingToSaveAtClosing()
{
    StartedForm f;
    f.window->selectKind(CipherKind::Playfair);
    f.encrypt(QStringLiteral("old puzzle"));
    f.ui.dialogs.askAnswers.push_back(Answer::Cancel);
    f.trigger(QStringLiteral("NewAct"));
    QVERIFY(f.holder.Puzzle.Changed);
    QCOMPARE(f.source()->toPlainText(), QStringLiteral("old puzzle"));
    f.ui.dialogs.askAnswers.push_back(Answer::No);
    f.trigger(QStringLiteral("NewAct"));
    QVERIFY(!f.holder.Puzzle.Changed);
    QVERIFY(f.source()->toPlainText().isEmpty());
    QVERIFY(f.crypt()->toPlainText().isEmpty());
    QCOMPARE(f.window->selectedKind(), CipherKind::Playfair);
    QCOMPARE(f.marks(), QStringLiteral("....."));
    QCOMPARE(f.holder.Puzzle.CRADIOS, std::string("00"));
    f.window->close();
    QVERIFY(!f.window->isVisible());
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("ask")).size(), 2); // closing asked nothing more
}

void MainFormFilesTest::revertReadsTheFileAgainOrDoesNothing()
{
    StartedForm f;
    f.source()->setPlainText(QStringLiteral("never saved"));
    f.trigger(QStringLiteral("RevertAct"));
    QCOMPARE(f.source()->toPlainText(), QStringLiteral("never saved"));
    const QString path = f.writePuzzle(QStringLiteral("saved.acnx"), railAndVigenerePuzzle());
    f.ui.dialogs.askAnswers.push_back(Answer::No);
    f.ui.dialogs.fileAnswers.push_back(path);
    f.trigger(QStringLiteral("OpenAct"));
    f.ui.dialogs.shown.clear();
    f.window->selectKind(CipherKind::Vigenere);
    f.find<QLineEdit>(QStringLiteral("KeywordEd"))->setText(QStringLiteral("OTHER"));
    f.trigger(QStringLiteral("EncryptAct"));
    f.trigger(QStringLiteral("RevertAct"));
    QCOMPARE(f.source()->toPlainText(), QStringLiteral("from a file"));
    QCOMPARE(f.crypt()->toPlainText(), QStringLiteral("QQQQ"));
    QCOMPARE(f.window->selectedKind(), CipherKind::Vigenere);
    QVERIFY(!f.holder.Puzzle.Changed);
    QVERIFY(f.ui.dialogs.shown.isEmpty());
}

void MainFormFilesTest::startWithAFileShowsItsFirstKindWithoutTouchingLastPuzzle()
{
    MainFormFixture f;
    PuzzleDocument keysOnly;
    keysOnly.PLAIN = "keys\xA0only";
    keysOnly.VIGENKEY = "KEY";
    const QString path = f.writePuzzle(QStringLiteral("keys.acnx"), keysOnly);
    f.start({path});
    QCOMPARE(f.window->selectedKind(), CipherKind::None);
    QCOMPARE(f.source()->toPlainText(), QStringLiteral("keys only")); // a no-break space comes back as a blank
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tessarin 5"));  // and is no edit
    QCOMPARE(f.panel(6), QStringLiteral("keys"));
    QVERIFY(f.settings->ReadSetting(Setting::LastPuzzle, QString()).isEmpty());
    for (const char* name : {"CipherAct", "RailFAct", "PlayAct", "QuagAct", "VigenereAct"}) {
        QVERIFY(!f.action(QString::fromLatin1(name))->isChecked());
    }
    QVERIFY(!f.action(QStringLiteral("CipherAlphaAct"))->isEnabled());
}

void MainFormFilesTest::startWithAnUnreadableFileReportsAndStartsNew()
{
    MainFormFixture f;
    f.start({f.home() + QStringLiteral("/gone.acnx")});
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")).size(), 1);
    QCOMPARE(f.window->selectedKind(), CipherKind::Cipher);
    QCOMPARE(QString::fromStdString(f.holder.Puzzle.FileName), DefaultPuzzlePath());
    QCOMPARE(f.panel(6), QStringLiteral("Untitled"));
}

void MainFormFilesTest::typedTextIsAskedForAndSaved()
{
    StartedForm f;
    f.window->selectKind(CipherKind::Vigenere);
    f.find<QLineEdit>(QStringLiteral("KeywordEd"))->setText(QStringLiteral("TYPED"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("*Tessarin 5"));
    f.ui.dialogs.askAnswers.push_back(Answer::Cancel);
    f.trigger(QStringLiteral("NewAct"));
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("ask")), QStringList{SaveQuestion});
    f.source()->setPlainText(QStringLiteral("typed, never encrypted"));
    f.ui.dialogs.askAnswers.push_back(Answer::Yes);
    f.ui.dialogs.fileAnswers.push_back(DefaultPuzzlePath());
    f.trigger(QStringLiteral("ExitAct"));
    QVERIFY(!f.window->isVisible());
    PuzzleDocument back;
    LoadPuzzleFile(back, DefaultPuzzlePath());
    QCOMPARE(back.PLAIN, std::string("typed, never encrypted"));
    QCOMPARE(back.VIGENKEY, std::string("TYPED"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tessarin 5"));
}

void MainFormFilesTest::untitledSaveAsksForANameAndKeepsAnEarlierPuzzle()
{
    MainFormFixture f;
    PuzzleDocument earlier;
    earlier.PLAIN = "earlier puzzle";
    QDir().mkpath(PuzzleFolder());
    SavePuzzleFile(earlier, DefaultPuzzlePath());
    f.start();
    f.source()->setPlainText(QStringLiteral("new"));
    f.trigger(QStringLiteral("SaveAct")); // the name dialog is cancelled
    const FileDialogRequest request = f.ui.dialogs.shown.value(0).request;
    QCOMPARE(request.folder + u'/' + request.fileName, DefaultPuzzlePath());
    const QString second = f.home() + QStringLiteral("/second.acnx");
    f.ui.dialogs.fileAnswers.push_back(second);
    f.trigger(QStringLiteral("SaveAct"));
    f.source()->setPlainText(QStringLiteral("newer"));
    f.trigger(QStringLiteral("SaveAct")); // saved once, it keeps its name
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("save")).size(), 2);
    PuzzleDocument back;
    LoadPuzzleFile(back, second);
    QCOMPARE(back.PLAIN, std::string("newer"));
    LoadPuzzleFile(back, DefaultPuzzlePath());
    QCOMPARE(back.PLAIN, std::string("earlier puzzle"));
    f.trigger(QStringLiteral("NewAct"));
    f.trigger(QStringLiteral("RevertAct")); // the new puzzle has no file to go back to
    QVERIFY(f.source()->toPlainText().isEmpty());
}

void MainFormFilesTest::closeQuestionAnswers_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Yes") << Answer::Yes << true << true;
    QTest::newRow("No") << Answer::No << true << false;
    QTest::newRow("Cancel") << Answer::Cancel << false << false;
}

void MainFormFilesTest::closeQuestionAnswers()
{
    QFETCH(Answer, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    StartedForm f;
    f.window->close();
    QVERIFY2(f.ui.dialogs.shown.isEmpty(), "no change, no question");
    f.window->show();
    f.encrypt(QStringLiteral("closing text"));
    f.ui.dialogs.askAnswers.push_back(answer);
    f.ui.dialogs.fileAnswers.push_back(DefaultPuzzlePath());
    f.trigger(QStringLiteral("ExitAct"));
    QCOMPARE(f.ui.sounds.played, QStringList{QStringLiteral("question")});
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("ask")), QStringList{SaveQuestion});
    QCOMPARE(!f.window->isVisible(), closed);
    QCOMPARE(QFile::exists(DefaultPuzzlePath()), saved);
    if (saved) {
        QCOMPARE(savedPlainAndCipher(DefaultPuzzlePath()), plainAndCipherOf(f));
        QCOMPARE(f.holder.Puzzle.PLAIN, std::string("closing text"));
    }
    QCOMPARE(f.holder.Puzzle.Changed, answer == Answer::Cancel);
}

void MainFormFilesTest::failingSaveAtClosingKeepsTheWindowOpen()
{
    MainFormFixture f;
    f.startEncrypted(QStringLiteral("text"));
    f.ui.dialogs.fileAnswers.push_back(f.home() + QStringLiteral("/missing/p.acnx"));
    f.ui.dialogs.askAnswers.push_back(Answer::Yes);
    f.window->close();
    QVERIFY(f.window->isVisible());
    QVERIFY(f.holder.Puzzle.Changed);
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")).size(), 1);
    f.ui.dialogs.askAnswers.push_back(Answer::No);
    f.window->close();
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("ask")).size(), 2); // closing again asks again
    QVERIFY(!f.window->isVisible());
}

void MainFormFilesTest::viewSettingsApplyWithTheDesignedSizeAsMinimum()
{
    MainFormFixture f;
    f.settings->WriteSetting(Setting::ScreenHeight, 300);
    f.settings->WriteSetting(Setting::ScreenWidth, 780); // the offscreen screen is 800 wide
    f.settings->WriteSetting(Setting::PTWinColor, QStringLiteral("$00E7FEFD"));
    f.settings->WriteSetting(Setting::PTFontName, QStringLiteral("Courier"));
    f.settings->WriteSetting(Setting::PTFontSize, 14);
    f.settings->WriteSetting(Setting::PTFontStyle, 3);
    f.start();
    QCOMPARE(f.window->size(), QSize(780, 552));
    QCOMPARE(f.source()->palette().color(QPalette::Base), QColor(253, 254, 231));
    QCOMPARE(f.source()->font().pointSize(), 14);
    QVERIFY(f.source()->font().bold() && f.source()->font().italic());
    QCOMPARE(f.crypt()->font(), f.source()->font());
    f.settings->WriteSetting(Setting::PTFontColor, QStringLiteral("no colour"));
    QVERIFY_THROWS_EXCEPTION(TessarinError, f.window->ApplyViewSettings());
}

void MainFormFilesTest::viewSettingsFitTheScreenAndFailOneByOne()
{
    MainFormFixture f;
    f.settings->WriteSetting(Setting::ScreenHeight, 4000);
    f.settings->WriteSetting(Setting::ScreenWidth, 5000);
    f.settings->WriteSetting(Setting::PTFontSize, QStringLiteral("big"));
    f.settings->WriteSetting(Setting::PTWinColor, QStringLiteral("$00E7FEFD"));
    f.start();
    const QSize frame = f.window->frameGeometry().size();
    QCOMPARE(frame.boundedTo(f.window->screen()->availableGeometry().size()), frame);
    QCOMPARE(f.source()->palette().color(QPalette::Base), QColor(253, 254, 231));
    QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Invalid data type for 'PTFontSize'")});
}

// Qt adds the default suffix only to a name without a dot; a puzzle named "Dr. King" was saved without ".acnx".
void MainFormFilesTest::theSaveDialogGivesATitleWithADotTheFileTypesExtension()
{
    const QTemporaryDir dir;
    const QList<std::pair<QString, QString>> cases = {{QStringLiteral("Dr. King"), QStringLiteral("Dr. King.acnx")},
                                                      {QStringLiteral("Wilde.ACNX"), QStringLiteral("Wilde.ACNX")}};
    for (const auto& [typed, saved] : cases) {
        QTimer::singleShot(0, [&typed] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setFocus(); // typed into the box, as the author does
            name->setText(typed);
            dialog->accept();
        });
        const QString path = QtDialogs().saveFileName(nullptr, {QStringLiteral("Save"), dir.path(), QString(),
                                                                QStringLiteral("Tessarin Cryptogram (*.acnx)"),
                                                                QStringLiteral("acnx"), true});
        QCOMPARE(QFileInfo(path).fileName(), saved);
    }
}

QTEST_MAIN(MainFormFilesTest)
#include "MainFormFilesTest.moc"
