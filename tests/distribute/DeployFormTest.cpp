#include <QDir>
#include <QDirIterator>
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

#include <sys/stat.h>

#include "AcnListBox.h"
#include "DeployUnit.h"
#include "FileSizeLimit.h"
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

const QByteArray GameProgram("#!/bin/sh\necho game\n");

// Files by path relative to a folder: "name/" is an empty folder, a content "-> target" a link to target.
using Files = QMap<QByteArray, QByteArray>;
// Paths relative to a folder.
using Names = QList<QByteArray>;

QString shownContent(const QByteArray& bytes)
{
    return bytes.size() > 40 ? QStringLiteral("<%1 bytes>").arg(bytes.size()) : QString::fromUtf8(bytes);
}

// Every folder ("name/"), link ("name -> target") and file ("name=content") under root, sorted.
QStringList treeOf(const QString& root)
{
    const QDir base(root);
    QStringList tree;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = base.relativeFilePath(info.filePath());
        if (info.isSymLink()) {
            tree.append(name + QStringLiteral(" -> ") + base.relativeFilePath(info.symLinkTarget()));
        } else if (info.isDir()) {
            tree.append(name + QLatin1Char('/'));
        } else {
            tree.append(name + QLatin1Char('=') + shownContent(readFile(info.filePath())));
        }
    }
    tree.sort();
    return tree;
}

// The same listing for files described by a table, with the folders that hold them.
QStringList treeOf(const Files& files)
{
    QSet<QString> tree;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString name = QString::fromUtf8(it.key());
        for (qsizetype slash = name.indexOf(u'/'); slash > 0; slash = name.indexOf(u'/', slash + 1)) {
            tree.insert(name.left(slash + 1));
        }
        if (it.value().startsWith("-> ")) {
            tree.insert(name + QLatin1Char(' ') + QString::fromUtf8(it.value()));
        } else if (!name.endsWith(u'/')) {
            tree.insert(name + QLatin1Char('=') + shownContent(it.value()));
        }
    }
    QStringList sorted(tree.cbegin(), tree.cend());
    sorted.sort();
    return sorted;
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
    int m_saveCase = 0;

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
        writeFile(m_game, GameProgram);
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
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        button(form, "AddBtn")->click();
        QCOMPARE(m_ui.shell.opened, QList<QUrl>{QUrl::fromLocalFile(path(QStringLiteral("add")))});
        QCOMPARE(m_ui.dialogs.shown.size(), 1);
        QCOMPARE(m_ui.dialogs.shown[0].kind, QStringLiteral("openMany"));
        QCOMPARE(m_ui.dialogs.shown[0].request.folder, path(QStringLiteral("add")));
        QCOMPARE(listOf(form)->Paths(),
                 (QStringList{path(QStringLiteral("add/current.acnx")), path(QStringLiteral("add/a.acnx"))}));
        QVERIFY(form.isVisible()); // the dialog stays open
    }

    // Each row: the files on disk, the list, the folder chosen at each Save ("" cancels), the answers to the
    // questions, the game program and a limit on file sizes; then what the case's folder gains, every dialog shown
    // ("kind: text", @ standing for the case's folder) and how the dialog ends. Whatever is not gained stays as it was.
    void saveBuildsThePackageOrLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<Files>("disk");
        QTest::addColumn<Names>("list");
        QTest::addColumn<Names>("folders");
        QTest::addColumn<QList<bool>>("confirms");
        QTest::addColumn<QString>("game");
        QTest::addColumn<qint64>("sizeLimit");
        QTest::addColumn<Files>("gained");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("opened");
        const QString save = QStringLiteral("folder: Save puzzle package to...");
        const auto saved = [](const char* pack) {
            return QStringLiteral("confirm: The puzzles and the game are in \"@/%1\". Open this folder?")
                .arg(QString::fromUtf8(pack));
        };
        const auto replace = [](const char* name) {
            return QStringLiteral("confirm: ") +
                   ReplaceQuestionText(QStringLiteral("@/Pack"), {QString::fromUtf8(name)});
        };
        const auto error = [](const char* text) { return QStringLiteral("error: ") + QString::fromUtf8(text); };
        const QByteArray pack("Pack");
        const QByteArray newPack("TessarinPack");
        QTest::newRow("puzzles then the game; the later of two names wins")
            << Files{{"a/same.acnx", "first"}, {"b/same.acnx", "second"}, {"b/other.acnx", "other"}}
            << Names{"a/same.acnx", "b/same.acnx", "b/other.acnx"} << Names{newPack} << QList<bool>{} << QString()
            << qint64(0)
            << Files{{"TessarinPack/same.acnx", "second"},
                     {"TessarinPack/other.acnx", "other"},
                     {"TessarinPack/tessarin5game", GameProgram}}
            << QStringList{save, saved("TessarinPack")} << true << false;
        QTest::newRow("the language model beside the game goes with it")
            << Files{{"p.acnx", "p"}, {"g/tessarin5game", GameProgram}, {"g/tessarin5-english.model", "model"}}
            << Names{"p.acnx"} << Names{newPack} << QList<bool>{} << QStringLiteral("g/tessarin5game") << qint64(0)
            << Files{{"TessarinPack/p.acnx", "p"},
                     {"TessarinPack/tessarin5-english.model", "model"},
                     {"TessarinPack/tessarin5game", GameProgram}}
            << QStringList{save, saved("TessarinPack")} << true << false;
        QTest::newRow("an existing folder keeps its other files")
            << Files{{"Pack/readme.txt", "keep me"}, {"Pack/p.acnx", "old puzzle"}, {"p.acnx", "new puzzle"}}
            << Names{"p.acnx"} << Names{pack} << QList<bool>{true} << QString() << qint64(0)
            << Files{{"Pack/p.acnx", "new puzzle"}, {"Pack/tessarin5game", GameProgram}}
            << QStringList{save, replace("p.acnx"), saved("Pack")} << true << false;
        QTest::newRow("No to replacing keeps the folder, Yes replaces after one question")
            << Files{{"Pack/riddle.acnx", "the author's riddle"},
                     {"Pack/keep.acnx", "the author's other puzzle"},
                     {"new/riddle.acnx", "new riddle"}}
            << Names{"new/riddle.acnx"} << Names{pack, pack} << QList<bool>{false, true, true} << QString() << qint64(0)
            << Files{{"Pack/riddle.acnx", "new riddle"}, {"Pack/tessarin5game", GameProgram}}
            << QStringList{save, replace("riddle.acnx"), save, replace("riddle.acnx"), saved("Pack")} << true << true;
        QTest::newRow("a cancelled save dialog copies nothing")
            << Files{{"p.acnx", "p"}} << Names{"p.acnx"} << Names{QByteArray()} << QList<bool>{} << QString()
            << qint64(0) << Files{} << QStringList{save} << false << false;
        const char* isCopied = "Cannot create file \"@/Pack/in.acnx\". It is one of the files being copied.";
        QTest::newRow("a puzzle already in the folder stays intact")
            << Files{{"Pack/in.acnx", "precious"}} << Names{"Pack/in.acnx"} << Names{pack} << QList<bool>{} << QString()
            << qint64(0) << Files{} << QStringList{save, error(isCopied)} << false << false;
        QTest::newRow("a puzzle already in the folder, listed through a link, stays intact")
            << Files{{"Pack/in.acnx", "precious"}, {"link", "-> Pack"}} << Names{"link/in.acnx"} << Names{pack}
            << QList<bool>{} << QString() << qint64(0) << Files{} << QStringList{save, error(isCopied)} << false
            << false;
        QTest::newRow("a later entry in the folder is not overwritten by an earlier one")
            << Files{{"Pack/x.acnx", "the package's own"}, {"a/x.acnx", "from elsewhere"}, {"a/y.acnx", "y"}}
            << Names{"a/y.acnx", "a/x.acnx", "Pack/x.acnx"} << Names{pack} << QList<bool>{} << QString() << qint64(0)
            << Files{}
            << QStringList{save, error("Cannot create file \"@/Pack/x.acnx\". It is one of the files being copied.")}
            << false << false;
        QTest::newRow("a missing game program is reported after the puzzles")
            << Files{{"p.acnx", "p"}} << Names{"p.acnx"} << Names{newPack} << QList<bool>{}
            << QStringLiteral("nowhere/tessarin5game") << qint64(0) << Files{{"TessarinPack/p.acnx", "p"}}
            << QStringList{save, error("Cannot open file \"@/nowhere/tessarin5game\". No such file or directory")}
            << false << false;
        QTest::newRow("a missing puzzle stops the save there")
            << Files{{"b.acnx", "b"}} << Names{"gone.acnx", "b.acnx"} << Names{pack} << QList<bool>{} << QString()
            << qint64(0) << Files{{"Pack/", ""}}
            << QStringList{save, error("Cannot open file \"@/gone.acnx\". No such file or directory")} << false
            << false;
        QTest::newRow("a folder whose parent is missing is reported as such")
            << Files{{"p.acnx", "p"}} << Names{"p.acnx"} << Names{"no/such/Pack"} << QList<bool>{} << QString()
            << qint64(0) << Files{}
            << QStringList{save, error("Cannot create folder \"@/no/such/Pack\". No such file or directory")} << false
            << false;
        QTest::newRow("a disk full at the second file keeps its old copy and the sources")
            << Files{{"a.acnx", "a"}, {"big.acnx", QByteArray(40000, 'B')}, {"c.acnx", "c"}, {"Pack/big.acnx", "old"}}
            << Names{"a.acnx", "big.acnx", "c.acnx"} << Names{pack} << QList<bool>{true} << QString() << qint64(16384)
            << Files{{"Pack/a.acnx", "a"}}
            << QStringList{save, replace("big.acnx"), error("Cannot create file \"@/Pack/big.acnx\". File too large")}
            << false << false;
    }

    void saveBuildsThePackageOrLeavesEverythingAsItWas()
    {
        QFETCH(Files, disk);
        QFETCH(Names, list);
        QFETCH(Names, folders);
        QFETCH(QList<bool>, confirms);
        QFETCH(QString, game);
        QFETCH(qint64, sizeLimit);
        QFETCH(Files, gained);
        QFETCH(QStringList, dialogs);
        QFETCH(bool, accepted);
        QFETCH(bool, opened);
        const QString root = path(QStringLiteral("save%1").arg(++m_saveCase));
        const QDir at(root);
        for (auto it = disk.cbegin(); it != disk.cend(); ++it) {
            const QString name = at.filePath(QString::fromUtf8(it.key()));
            if (it.value().startsWith("-> ")) {
                QVERIFY(QFile::link(at.filePath(QString::fromUtf8(it.value().mid(3))), name));
            } else {
                writeFile(name, it.value());
            }
        }
        QStringList entries;
        for (const QByteArray& entry : list) {
            entries.append(at.filePath(QString::fromUtf8(entry)));
        }
        for (const QByteArray& folder : folders) {
            m_ui.dialogs.fileAnswers.push_back(folder.isEmpty() ? QString() : at.filePath(QString::fromUtf8(folder)));
        }
        m_ui.dialogs.confirmAnswers.assign(confirms.cbegin(), confirms.cend());
        TDeployForm form(m_holder, m_ui.services(), game.isEmpty() ? m_game : at.filePath(game));
        fill(form, entries);
        for (qsizetype i = 0; i < folders.size(); ++i) {
            const FileSizeLimit limit(sizeLimit);
            button(form, "SaveBtn")->click();
        }

        QStringList shown;
        for (const ScriptedDialogs::Shown& dialog : m_ui.dialogs.shown) {
            shown.append(dialog.kind + QStringLiteral(": ") + dialog.text);
        }
        QCOMPARE(shown, dialogs.replaceInStrings(QStringLiteral("@"), QDir::toNativeSeparators(root)));
        QCOMPARE(m_ui.dialogs.shown[0].request.folder, QFileInfo(entries[0]).absolutePath());
        QCOMPARE(m_ui.dialogs.shown[0].request.fileName, QStringLiteral("TessarinPack"));
        disk.insert(gained);
        QCOMPARE(treeOf(root), treeOf(disk));
        QCOMPARE(form.result(), accepted ? int(QDialog::Accepted) : 0);
        QCOMPARE(listOf(form)->Paths(), entries); // the list stays for another try
        const QString pack = at.filePath(QString::fromUtf8(folders.last()));
        QCOMPARE(m_ui.shell.opened, opened ? QList<QUrl>{QUrl::fromLocalFile(pack)} : QList<QUrl>{});
        if (accepted && game.isEmpty()) {
            QVERIFY(QFileInfo(pack + QStringLiteral("/tessarin5game")).isExecutable());
        }
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

    void failedReadLeavesTheOldDestinationAndNoPartialFile()
    {
        const QString pack = path(QStringLiteral("s8"));
        writeFile(pack + QStringLiteral("/dest.acnx"), "old");
        // Opening this file succeeds, reading it fails.
        QVERIFY_THROWS_EXCEPTION(
            TessarinError, CopyPackageFile(QStringLiteral("/proc/self/mem"), pack + QStringLiteral("/dest.acnx")));
        QCOMPARE(readFile(pack + QStringLiteral("/dest.acnx")), QByteArray("old"));
        QCOMPARE(entriesOf(QDir(pack)), QStringList{QStringLiteral("dest.acnx")});
        // A pipe among the puzzles is refused at once instead of waiting for a program to write into it.
        QVERIFY(mkfifo(QFile::encodeName(path(QStringLiteral("s8/pipe.acnx"))).constData(), 0600) == 0);
        QVERIFY_THROWS_EXCEPTION(
            TessarinError, CopyPackageFile(path(QStringLiteral("s8/pipe.acnx")), pack + QStringLiteral("/dest.acnx")));
        QCOMPARE(readFile(pack + QStringLiteral("/dest.acnx")), QByteArray("old"));
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
