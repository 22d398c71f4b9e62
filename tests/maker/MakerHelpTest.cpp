// The help collection that the build makes beside the program, shown in the maker's help window.
#include <QDir>
#include <QHelpEngineCore>
#include <QHelpLink>
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
    QHelpEngineCore engine(collection());
    engine.setReadOnly(true);
    QVERIFY(engine.setupData());
    const QString ns = QStringLiteral("org.example.tessarin.maker");
    const QList<QUrl> files = engine.files(ns, QString(), QStringLiteral("html"));
    QVERIFY2(files.size() >= 14, qPrintable(QString::number(files.size())));
    for (const char* keyword :
         {"Introduction", "Encrypt", "Normalize Source", "Patristocrat", "Recent puzzles", "Cipher Alphabet",
          "Playfair Square", "Quagmire Table", "Vigenere Table", "Distribute Puzzles", "Preferences", "Print",
          "Game Edition", "Quotations", "About", "Revert to Saved", "Clipboard", "Export", "Keyboard"}) {
        QVERIFY2(!engine.documentsForKeyword(QString::fromLatin1(keyword)).isEmpty(), keyword);
    }
    for (const QUrl& file : files) {
        QVERIFY2(engine.fileData(file).contains("<h1>"), qPrintable(file.toString()));
    }
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
