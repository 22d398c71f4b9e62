// The help collection that the build makes beside the program, shown in the maker's help window.
#include <QDir>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpLink>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "MakerHelpWindow.h"
#include "TessarinError.h"

class MakerHelpTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyPageIsInTheContentsAndHasAKeyword();
    void keywordIntroductionShowsTheFirstPage();
    void unknownKeywordFallsBackToTheIndex();
    void contentsShowTheFirstPage();
    void missingCollectionIsReported();

private:
    QString collection() const { return QStringLiteral(TESSARIN_BIN_DIR "/tessarin5.qhc"); }
};

void MakerHelpTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(QFile::exists(collection()));
}

void MakerHelpTest::everyPageIsInTheContentsAndHasAKeyword()
{
    QHelpEngine engine(collection());
    engine.setReadOnly(true);
    QVERIFY(engine.setupData());
    const QString ns = QStringLiteral("org.example.tessarin.maker");
    QSet<QString> pages;
    for (const QUrl& file : engine.files(ns, QString(), QStringLiteral("html"))) {
        pages.insert(file.fileName());
    }
    QVERIFY2(pages.size() >= 14, qPrintable(QString::number(pages.size())));
    // The contents, as the help window's tree shows them: each entry's title is its page's heading.
    QHelpContentModel* model = engine.contentModel();
    QSignalSpy created(model, &QHelpContentModel::contentsCreated);
    model->createContents(QString());
    QVERIFY(created.wait());
    QSet<QString> inContents;
    std::function<void(QHelpContentItem*)> walk = [&](QHelpContentItem* item) {
        inContents.insert(item->url().fileName());
        const QByteArray heading = "<h1>" + item->title().toUtf8() + "</h1>";
        QVERIFY2(engine.fileData(item->url()).contains(heading), qPrintable(item->url().toString()));
        for (int i = 0; i < item->childCount(); ++i) {
            walk(item->child(i));
        }
    };
    for (int row = 0; row < model->rowCount(); ++row) {
        walk(model->contentItemAt(model->index(row, 0)));
    }
    QCOMPARE(inContents, pages);
    QSet<QString> withKeyword;
    for (const char* keyword : {"Introduction",
                                "Main window",
                                "Encrypt",
                                "Normalize Source",
                                "Patristocrat",
                                "Recent puzzles",
                                "Cipher Alphabet",
                                "Playfair Square",
                                "Quagmire Table",
                                "Vigenere Table",
                                "Distribute Puzzles",
                                "Preferences",
                                "Print",
                                "Game Edition",
                                "Quotations",
                                "About",
                                "Revert to Saved",
                                "Clipboard",
                                "Export",
                                "Puzzle file",
                                "Keyboard",
                                "Check Puzzle"}) {
        const QList<QHelpLink> links = engine.documentsForKeyword(QString::fromLatin1(keyword));
        QVERIFY2(!links.isEmpty(), keyword);
        for (const QHelpLink& link : links) {
            withKeyword.insert(link.url.fileName());
        }
    }
    QCOMPARE(withKeyword, pages);
}

void MakerHelpTest::keywordIntroductionShowsTheFirstPage()
{
    TMakerHelpForm help(collection());
    help.showKeyword(QStringLiteral("Introduction"));
    QCOMPARE(help.currentPage().fileName(), QStringLiteral("index.html"));
    QVERIFY(!help.indexShown());
    QVERIFY(help.isVisible());
}

void MakerHelpTest::unknownKeywordFallsBackToTheIndex()
{
    TMakerHelpForm help(collection());
    help.showKeyword(QStringLiteral("No Such Keyword"));
    QVERIFY(help.indexShown());
}

void MakerHelpTest::contentsShowTheFirstPage()
{
    TMakerHelpForm help(collection());
    help.showContents();
    QVERIFY(!help.indexShown());
    QCOMPARE(help.currentPage().fileName(), QStringLiteral("index.html"));
}

void MakerHelpTest::missingCollectionIsReported()
{
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(TessarinError, TMakerHelpForm(dir.path() + QStringLiteral("/tessarin5.qhc")));
}

QTEST_MAIN(MakerHelpTest)
#include "MakerHelpTest.moc"
