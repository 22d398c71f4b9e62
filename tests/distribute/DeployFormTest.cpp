#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QMimeData>
#include <QPushButton>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "AcnListBox.h"
#include "DeployUnit.h"
#include "PackageCopy.h"
#include "PuzzlePathRules.h"
#include "ScriptedUi.h"
#include "TessarinError.h"

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QList<QUrl> localUrls(const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& p : paths) {
        urls.append(QUrl::fromLocalFile(p));
    }
    return urls;
}

// Drops urls onto the list as the file manager would: drag enter, then drop, on the list's viewport.
bool dropUrls(AcnListBox* list, const QList<QUrl>& urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    const QPoint at = list->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
    return drop.isAccepted();
}

QStringList entriesOf(QDir dir)
{
    return dir.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class DeployFormTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    ScriptedUi m_ui;
    AcnProcs m_holder;
    QString m_game;

    QString path(const QString& relative) const { return m_root.filePath(relative); }
    AcnListBox* listOf(TDeployForm& form) { return form.findChild<AcnListBox*>(QStringLiteral("AcnList")); }
    QAbstractButton* button(TDeployForm& form, const char* name)
    {
        return form.findChild<QAbstractButton*>(QString::fromUtf8(name));
    }
    // A form whose list holds exactly the given puzzles, in order.
    void fill(TDeployForm& form, const QStringList& puzzles) { QVERIFY(dropUrls(listOf(form), localUrls(puzzles))); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_root.isValid());
        m_game = path(QStringLiteral("maker/tessarin5game"));
        writeFile(m_game, QByteArray("#!/bin/sh\necho game\n"));
        QFile(m_game).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                     QFile::ExeGroup);
    }

    void init()
    {
        m_ui.dialogs.shown.clear();
        m_ui.dialogs.fileAnswers.clear();
        m_ui.dialogs.filesAnswers.clear();
        m_ui.dialogs.confirmAnswers.clear();
        m_ui.shell.opened.clear();
        m_holder = AcnProcs();
    }

    void opensWithTheCurrentPuzzleOnlyWhenItsFileExists_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("listed");
        QTest::newRow("saved puzzle") << QStringLiteral("open/current.acnx") << true;
        QTest::newRow("never saved") << QString() << false;
        QTest::newRow("file gone") << QStringLiteral("open/gone.acnx") << false;
    }

    void opensWithTheCurrentPuzzleOnlyWhenItsFileExists()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, listed);
        writeFile(path(QStringLiteral("open/current.acnx")), "puzzle");
        m_holder.Puzzle.FileName = fileName.isEmpty() ? std::string() : path(fileName).toStdString();
        TDeployForm form(m_holder, m_ui.services(), m_game);
        QCOMPARE(form.windowTitle(), QStringLiteral("Distribute Cryptograms"));
        const QStringList expected = listed ? QStringList{path(fileName)} : QStringList{};
        QCOMPARE(listOf(form)->Paths(), expected);
        QCOMPARE(button(form, "SaveBtn")->isEnabled(), listed);
        QCOMPARE(button(form, "DelBtn")->isEnabled(), listed);
    }

    void dropsAddOnlyNewPuzzleFiles_data()
    {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QStringList>("expected");
        const QString a = path(QStringLiteral("drop/a.acnx"));
        const QString b = path(QStringLiteral("drop/B.ACNX"));
        const QString text = path(QStringLiteral("drop/notes.txt"));
        const QString noExt = path(QStringLiteral("drop/acnx"));
        const QString folder = path(QStringLiteral("drop/folder.acnx"));
        const QString twice = path(QStringLiteral("drop/x.acnx.bak"));
        QTest::newRow("mixed extensions") << QStringList{a, text, b, noExt, twice} << QStringList{a, b};
        QTest::newRow("same path twice") << QStringList{a, a} << QStringList{a};
        QTest::newRow("other letter case") << QStringList{a, path(QStringLiteral("DROP/A.acnx"))} << QStringList{a};
        QTest::newRow("folder named like a puzzle") << QStringList{folder, b} << QStringList{b};
        QTest::newRow("only other files") << QStringList{text} << QStringList{};
        const QString longPath = path(QStringLiteral("drop/") + QString(250, u'n') + QStringLiteral(".acnx"));
        QTest::newRow("path longer than 239 characters") << QStringList{longPath} << QStringList{longPath};
    }

    void dropsAddOnlyNewPuzzleFiles()
    {
        QFETCH(QStringList, dropped);
        QFETCH(QStringList, expected);
        QDir().mkpath(path(QStringLiteral("drop/folder.acnx")));
        TDeployForm form(m_holder, m_ui.services(), m_game);
        QVERIFY(dropUrls(listOf(form), localUrls(dropped)));
        QCOMPARE(listOf(form)->Paths(), expected);
        QCOMPARE(button(form, "SaveBtn")->isEnabled(), !expected.isEmpty());
        QVERIFY(m_ui.dialogs.shown.isEmpty()); // other files are ignored without a message
    }

    void dropAfterEntriesAppendsAndIgnoresWebAddresses()
    {
        writeFile(path(QStringLiteral("first/one.acnx")), "1");
        m_holder.Puzzle.FileName = path(QStringLiteral("first/one.acnx")).toStdString();
        TDeployForm form(m_holder, m_ui.services(), m_game);
        QList<QUrl> urls = localUrls({path(QStringLiteral("first/ONE.acnx")), path(QStringLiteral("x/two.acnx"))});
        urls.prepend(QUrl(QStringLiteral("https://example.org/web.acnx")));
        QVERIFY(dropUrls(listOf(form), urls));
        QCOMPARE(listOf(form)->Paths(),
                 (QStringList{path(QStringLiteral("first/one.acnx")), path(QStringLiteral("x/two.acnx"))}));
    }

    void dropWithoutUrlsIsRefused()
    {
        TDeployForm form(m_holder, m_ui.services(), m_game);
        QMimeData mime;
        mime.setText(QStringLiteral("/tmp/a.acnx"));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(listOf(form)->viewport(), &enter);
        QVERIFY(!enter.isAccepted());
        QCOMPARE(listOf(form)->count(), 0);
    }

    void dropsAreCopiesNeverMoves_data()
    {
        QTest::addColumn<int>("possible");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("copy or move offered") << int(Qt::CopyAction | Qt::MoveAction) << true;
        QTest::newRow("only move offered") << int(Qt::MoveAction) << false;
    }

    void dropsAreCopiesNeverMoves()
    {
        QFETCH(int, possible);
        QFETCH(bool, accepted);
        TDeployForm form(m_holder, m_ui.services(), m_game);
        QMimeData mime;
        mime.setUrls(localUrls({path(QStringLiteral("move/m.acnx"))}));
        const auto actions = Qt::DropActions(possible);
        QDragEnterEvent enter(QPoint(5, 5), actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(listOf(form)->viewport(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        QDropEvent drop(QPointF(5, 5), actions, &mime, Qt::LeftButton, Qt::NoModifier);
        drop.setDropAction(Qt::MoveAction);
        QCoreApplication::sendEvent(listOf(form)->viewport(), &drop);
        QCOMPARE(drop.isAccepted(), accepted);
        if (accepted) {
            QCOMPARE(drop.dropAction(), Qt::CopyAction);
        }
        QCOMPARE(listOf(form)->count(), accepted ? 1 : 0);
    }

    void rowsAreDrawnBlackOnWhiteOrWhiteOnTheSelectionColour()
    {
        TDeployForm form(m_holder, m_ui.services(), m_game);
        fill(form, {path(QStringLiteral("d/MMMMMMMM.acnx")), path(QStringLiteral("d/WWWWWWWW.acnx"))});
        AcnListBox* list = listOf(form);
        list->setCurrentRow(1);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QFontMetrics metrics(QFont(QStringLiteral("Tahoma"), 9));
        QCOMPARE(list->visualItemRect(list->item(0)).height(), metrics.height() + 4);
        const QImage image = list->viewport()->grab().toImage();
        const QRect selected = list->visualItemRect(list->item(1));
        const QRect plain = list->visualItemRect(list->item(0));
        const QColor highlight = list->palette().color(QPalette::Active, QPalette::Highlight);
        QCOMPARE(image.pixelColor(selected.right() - 3, selected.center().y()), highlight);
        QCOMPARE(image.pixelColor(plain.right() - 3, plain.center().y()), QColor(Qt::white));
        QSet<QRgb> selectedColours;
        QSet<QRgb> plainColours;
        for (int x = 2; x < metrics.horizontalAdvance(path(QStringLiteral("d/MMMMMMMM.acnx"))); ++x) {
            for (int y = 0; y < selected.height(); ++y) {
                selectedColours.insert(image.pixel(x, selected.top() + y));
                plainColours.insert(image.pixel(x, plain.top() + y));
            }
        }
        QVERIFY(selectedColours.contains(qRgb(255, 255, 255)));
        QVERIFY(plainColours.contains(qRgb(0, 0, 0)));
        QVERIFY(!plainColours.contains(highlight.rgb()));
    }

    void removeDeletesTheSelectedEntryAndDisablesAtEmpty()
    {
        TDeployForm form(m_holder, m_ui.services(), m_game);
        const QStringList puzzles{path(QStringLiteral("r/1.acnx")), path(QStringLiteral("r/2.acnx")),
                                  path(QStringLiteral("r/3.acnx"))};
        fill(form, puzzles);
        AcnListBox* list = listOf(form);
        QAbstractButton* del = button(form, "DelBtn");

        del->click(); // nothing selected: nothing goes
        QCOMPARE(list->count(), 3);
        list->setCurrentRow(1);
        del->click();
        QCOMPARE(list->Paths(), (QStringList{puzzles[0], puzzles[2]}));
        QVERIFY(list->selectedItems().isEmpty());
        list->setCurrentRow(1);
        del->click();
        QVERIFY(del->isEnabled());
        list->setCurrentRow(0);
        del->click();
        QCOMPARE(list->count(), 0);
        QVERIFY(!del->isEnabled());
        QVERIFY(!button(form, "SaveBtn")->isEnabled());
    }

    void addOpensThePuzzleFolderAndOffersSeveralFiles()
    {
        writeFile(path(QStringLiteral("add/current.acnx")), "c");
        m_holder.Puzzle.FileName = path(QStringLiteral("add/current.acnx")).toStdString();
        m_ui.dialogs.filesAnswers.push_back({path(QStringLiteral("add/a.acnx")),
                                             path(QStringLiteral("add/CURRENT.acnx")),
                                             path(QStringLiteral("add/b.txt"))});
        TDeployForm form(m_holder, m_ui.services(), m_game);
        button(form, "AddBtn")->click();
        QCOMPARE(m_ui.shell.opened, QList<QUrl>{QUrl::fromLocalFile(path(QStringLiteral("add")))});
        QCOMPARE(m_ui.dialogs.shown.size(), 1);
        QCOMPARE(m_ui.dialogs.shown[0].kind, QStringLiteral("openMany"));
        QCOMPARE(m_ui.dialogs.shown[0].request.folder, path(QStringLiteral("add")));
        QCOMPARE(listOf(form)->Paths(),
                 (QStringList{path(QStringLiteral("add/current.acnx")), path(QStringLiteral("add/a.acnx"))}));
        QVERIFY(form.isVisible() || form.result() == 0); // the dialog stays open
    }

    void cancelledSaveDialogCopiesNothing()
    {
        writeFile(path(QStringLiteral("cancel/p.acnx")), "p");
        TDeployForm form(m_holder, m_ui.services(), m_game);
        fill(form, {path(QStringLiteral("cancel/p.acnx"))});
        button(form, "SaveBtn")->click();
        QCOMPARE(m_ui.dialogs.shown.size(), 1);
        const FileDialogRequest request = m_ui.dialogs.shown[0].request;
        QCOMPARE(request.title, QStringLiteral("Save puzzle package to..."));
        QCOMPARE(request.fileName, QStringLiteral("TessarinPack"));
        QCOMPARE(request.folder, path(QStringLiteral("cancel")));
        QCOMPARE(m_ui.dialogs.shown[0].kind, QStringLiteral("folder"));
        QCOMPARE(form.result(), 0);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("cancel/TessarinPack"))));
    }

    void saveCopiesPuzzlesThenTheGameAndEndsWithOk()
    {
        writeFile(path(QStringLiteral("s1/a/same.acnx")), "first");
        writeFile(path(QStringLiteral("s1/b/same.acnx")), "second");
        writeFile(path(QStringLiteral("s1/b/other.acnx")), "other");
        const QString pack = path(QStringLiteral("s1/TessarinPack"));
        m_ui.dialogs.fileAnswers.push_back(pack);
        TDeployForm form(m_holder, m_ui.services(), m_game);
        fill(form, {path(QStringLiteral("s1/a/same.acnx")), path(QStringLiteral("s1/b/same.acnx")),
                    path(QStringLiteral("s1/b/other.acnx"))});
        button(form, "SaveBtn")->click();
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("error")), QStringList{});
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(entriesOf(QDir(pack)), (QStringList{QStringLiteral("other.acnx"), QStringLiteral("same.acnx"),
                                                     QStringLiteral("tessarin5game")}));
        QCOMPARE(readFile(pack + QStringLiteral("/same.acnx")), QByteArray("second")); // the later one wins
        QCOMPARE(readFile(pack + QStringLiteral("/tessarin5game")), readFile(m_game));
        QVERIFY(QFileInfo(pack + QStringLiteral("/tessarin5game")).isExecutable());
    }

    void existingPackageFolderKeepsItsOtherFiles()
    {
        const QString pack = path(QStringLiteral("s2/Pack"));
        writeFile(pack + QStringLiteral("/readme.txt"), "keep me");
        writeFile(pack + QStringLiteral("/p.acnx"), "old puzzle");
        writeFile(path(QStringLiteral("s2/p.acnx")), "new puzzle");
        m_ui.dialogs.fileAnswers.push_back(pack);
        m_ui.dialogs.confirmAnswers.push_back(true); // replace p.acnx
        TDeployForm form(m_holder, m_ui.services(), m_game);
        fill(form, {path(QStringLiteral("s2/p.acnx"))});
        button(form, "SaveBtn")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(readFile(pack + QStringLiteral("/readme.txt")), QByteArray("keep me"));
        QCOMPARE(readFile(pack + QStringLiteral("/p.acnx")), QByteArray("new puzzle"));
        QCOMPARE(entriesOf(QDir(pack)).size(), 3);
    }

    void existingFolderIsReplacedOnlyAfterOneQuestion()
    {
        const QString pack = path(QStringLiteral("s10/Pack"));
        writeFile(pack + QStringLiteral("/riddle.acnx"), "the author's riddle");
        writeFile(pack + QStringLiteral("/keep.acnx"), "the author's other puzzle");
        writeFile(path(QStringLiteral("s10/new/riddle.acnx")), "new riddle");
        m_ui.dialogs.fileAnswers = {pack, pack};
        m_ui.dialogs.confirmAnswers = {false, true, true}; // No to replacing, then Yes, then open the folder
        TDeployForm form(m_holder, m_ui.services(), m_game);
        fill(form, {path(QStringLiteral("s10/new/riddle.acnx"))});
        button(form, "SaveBtn")->click();
        QCOMPARE(form.result(), 0);
        QCOMPARE(entriesOf(QDir(pack)), (QStringList{QStringLiteral("keep.acnx"), QStringLiteral("riddle.acnx")}));
        QCOMPARE(readFile(pack + QStringLiteral("/riddle.acnx")), QByteArray("the author's riddle"));
        button(form, "SaveBtn")->click();
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("confirm")).first(),
                 ReplaceQuestionText(pack, {QStringLiteral("riddle.acnx")}));
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(readFile(pack + QStringLiteral("/riddle.acnx")), QByteArray("new riddle"));
        QCOMPARE(readFile(pack + QStringLiteral("/keep.acnx")), QByteArray("the author's other puzzle"));
        QCOMPARE(m_ui.shell.opened, QList<QUrl>{QUrl::fromLocalFile(pack)});
    }

    void relativeAndAbsolutePathsOfOneFileAreOneEntry()
    {
        writeFile(path(QStringLiteral("rel/one.acnx")), "1");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(path(QStringLiteral("rel")));
        QStringList list;
        QVERIFY(AddPuzzlePath(list, QStringLiteral("one.acnx")));
        QVERIFY(!AddPuzzlePath(list, path(QStringLiteral("rel/../rel/one.acnx"))));
        QDir::setCurrent(previous);
        QCOMPARE(list, QStringList{path(QStringLiteral("rel/one.acnx"))});
    }

    void puzzleAlreadyInThePackageStaysIntact_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("same path") << QStringLiteral("s3/Pack/in.acnx");
        QTest::newRow("path through a link") << QStringLiteral("s3/link/in.acnx");
    }

    void puzzleAlreadyInThePackageStaysIntact()
    {
        QFETCH(QString, entry);
        const QString pack = path(QStringLiteral("s3/Pack"));
        writeFile(pack + QStringLiteral("/in.acnx"), "precious");
        QFile::link(pack, path(QStringLiteral("s3/link")));
        m_ui.dialogs.fileAnswers.push_back(pack);
        TDeployForm form(m_holder, m_ui.services(), m_game);
        fill(form, {path(entry)});
        button(form, "SaveBtn")->click();
        const QString target = QDir::toNativeSeparators(pack + QStringLiteral("/in.acnx"));
        const QStringList errors = m_ui.dialogs.texts(QStringLiteral("error"));
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(target)),
                 qPrintable(errors[0]));
        QCOMPARE(readFile(pack + QStringLiteral("/in.acnx")), QByteArray("precious"));
        QCOMPARE(entriesOf(QDir(pack)), QStringList{QStringLiteral("in.acnx")});
        QCOMPARE(form.result(), 0);
        QCOMPARE(listOf(form)->count(), 1); // the list stays for another try
    }

    void laterEntryInThePackageIsNotOverwrittenByAnEarlierOne()
    {
        const QString pack = path(QStringLiteral("s11/Pack"));
        writeFile(pack + QStringLiteral("/x.acnx"), "the package's own");
        writeFile(path(QStringLiteral("s11/a/x.acnx")), "from elsewhere");
        writeFile(path(QStringLiteral("s11/a/y.acnx")), "y");
        m_ui.dialogs.fileAnswers.push_back(pack);
        TDeployForm form(m_holder, m_ui.services(), m_game);
        fill(form, {path(QStringLiteral("s11/a/y.acnx")), path(QStringLiteral("s11/a/x.acnx")),
                    pack + QStringLiteral("/x.acnx")});
        button(form, "SaveBtn")->click();
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("Cannot create file \"%1\". It is one of the files being copied.")
                                 .arg(QDir::toNativeSeparators(pack + QStringLiteral("/x.acnx")))});
        QCOMPARE(readFile(pack + QStringLiteral("/x.acnx")), QByteArray("the package's own"));
        QCOMPARE(entriesOf(QDir(pack)), QStringList{QStringLiteral("x.acnx")}); // nothing copied
    }

    void hardLinkedDestinationIsTheSameFile()
    {
        writeFile(path(QStringLiteral("s4/src.acnx")), "linked");
        QDir().mkpath(path(QStringLiteral("s4/Pack")));
        const std::string from = path(QStringLiteral("s4/src.acnx")).toStdString();
        const std::string to = path(QStringLiteral("s4/Pack/src.acnx")).toStdString();
        std::error_code error;
        std::filesystem::create_hard_link(from, to, error);
        QVERIFY(!error);
        QVERIFY_THROWS_EXCEPTION(TessarinError,
                                 CopyPackageFile(QString::fromStdString(from), QString::fromStdString(to)));
        QCOMPARE(readFile(QString::fromStdString(to)), QByteArray("linked"));
    }

    void missingGameProgramIsReportedAfterThePuzzles()
    {
        writeFile(path(QStringLiteral("s5/p.acnx")), "p");
        const QString pack = path(QStringLiteral("s5/TessarinPack"));
        const QString noGame = path(QStringLiteral("nowhere/tessarin5game"));
        m_ui.dialogs.fileAnswers.push_back(pack);
        TDeployForm form(m_holder, m_ui.services(), noGame);
        fill(form, {path(QStringLiteral("s5/p.acnx"))});
        button(form, "SaveBtn")->click();
        const QStringList errors = m_ui.dialogs.texts(QStringLiteral("error"));
        QCOMPARE(errors.size(), 1);
        QCOMPARE(
            errors[0],
            QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(QDir::toNativeSeparators(noGame)));
        QCOMPARE(entriesOf(QDir(pack)), QStringList{QStringLiteral("p.acnx")});
        QCOMPARE(form.result(), 0);
    }

    void missingPuzzleStopsTheSaveThere()
    {
        writeFile(path(QStringLiteral("s6/b.acnx")), "b");
        const QString pack = path(QStringLiteral("s6/Pack"));
        m_ui.dialogs.fileAnswers.push_back(pack);
        TDeployForm form(m_holder, m_ui.services(), m_game);
        fill(form, {path(QStringLiteral("s6/gone.acnx")), path(QStringLiteral("s6/b.acnx"))});
        button(form, "SaveBtn")->click();
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("error")).size(), 1);
        QVERIFY(m_ui.dialogs.texts(QStringLiteral("error"))[0].startsWith(QStringLiteral("Cannot open file \"")));
        QCOMPARE(entriesOf(QDir(pack)), QStringList{});
    }

    void packageWhoseParentIsMissingIsReportedAsSuch()
    {
        writeFile(path(QStringLiteral("s7/p.acnx")), "p");
        const QString pack = path(QStringLiteral("s7/no/such/Pack"));
        m_ui.dialogs.fileAnswers.push_back(pack);
        TDeployForm form(m_holder, m_ui.services(), m_game);
        fill(form, {path(QStringLiteral("s7/p.acnx"))});
        button(form, "SaveBtn")->click();
        const QStringList errors = m_ui.dialogs.texts(QStringLiteral("error"));
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors[0], QStringLiteral("Cannot create folder \"%1\". No such file or directory")
                                .arg(QDir::toNativeSeparators(pack)));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("s7/no"))));
    }

    void failedReadLeavesTheOldDestinationAndNoPartialFile()
    {
        const QString pack = path(QStringLiteral("s8"));
        writeFile(pack + QStringLiteral("/dest.acnx"), "old");
        // Opening this file succeeds, reading it fails.
        QVERIFY_THROWS_EXCEPTION(
            TessarinError, CopyPackageFile(QStringLiteral("/proc/self/mem"), pack + QStringLiteral("/dest.acnx")));
        QCOMPARE(readFile(pack + QStringLiteral("/dest.acnx")), QByteArray("old"));
        QCOMPARE(entriesOf(QDir(pack)), QStringList{QStringLiteral("dest.acnx")});
    }

    void cancelEndsWithoutCopying()
    {
        writeFile(path(QStringLiteral("s9/p.acnx")), "p");
        TDeployForm form(m_holder, m_ui.services(), m_game);
        fill(form, {path(QStringLiteral("s9/p.acnx"))});
        button(form, "CancelBtn")->click();
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(m_ui.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(DeployFormTest)
#include "DeployFormTest.moc"
