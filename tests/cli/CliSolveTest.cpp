#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

// tessarin5-cli solve as a user runs it: encrypt with the tool, pipe the ciphertext into solve.
namespace {

struct Output
{
    int status = -1;
    QString out;
    QString err;
};

Output tool(const QStringList& args, const QByteArray& input)
{
    QProcess process;
    process.start(QStringLiteral(TESSARIN_BIN_DIR "/tessarin5-cli"), args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// Written for this test; not in the language model's sources.
const QByteArray Plain = "The keeper of the lighthouse painted the old boat every spring, and his daughter sold "
                         "fresh bread to the fishermen who came in from the grey sea.";

} // namespace

TEST(CliSolve, solvesEachKindFromStandardInput)
{
    const QString letters = QString::fromLatin1(Plain.toUpper()).remove(QRegularExpression(QStringLiteral("[^A-Z]")));
    const struct
    {
        QStringList encrypt;
        QString expected;
        QString keyLine;
    } cases[] = {
        {{QStringLiteral("cipher"), QStringLiteral("--seed"), QStringLiteral("2")},
         QString::fromLatin1(Plain.toUpper()),
         QStringLiteral("form: aristocrat")},
        {{QStringLiteral("railfence"), QStringLiteral("--rails"), QStringLiteral("3")},
         letters,
         QStringLiteral("rails: 3")},
        {{QStringLiteral("vigenere"), QStringLiteral("--keyword"), QStringLiteral("harbour")},
         letters,
         QStringLiteral("keyword: HARBOUR")},
        {{QStringLiteral("playfair"), QStringLiteral("--keyword"), QStringLiteral("lantern")},
         QStringLiteral("THEKEXEPEROFTHELIGHTHOUSEPAINTEDTHEOLDBOATEVERYSPRINGANDHISDAUGHTERSOLDFRESHBREADTOTHEFISHE"),
         QStringLiteral("keyword: LANTERN")},
        {{QStringLiteral("quagmire"), QStringLiteral("--keyword"), QStringLiteral("harbour"),
          QStringLiteral("--cipher-key"), QStringLiteral("lantern"), QStringLiteral("--indicator"),
          QStringLiteral("boat"), QStringLiteral("--column"), QStringLiteral("7")},
         letters + letters,
         QStringLiteral("form: quagmire4")},
    };
    for (const auto& c : cases) {
        // The Quagmire needs a longer text: the plaintext twice.
        const QByteArray plain = c.encrypt[0] == QStringLiteral("quagmire") ? Plain + " " + Plain : Plain;
        const Output ciphertext = tool(QStringList{QStringLiteral("encrypt")} + c.encrypt, plain);
        ASSERT_EQ(ciphertext.status, 0) << ciphertext.err.toStdString();
        const Output solved =
            tool({QStringLiteral("solve"), c.encrypt[0], QStringLiteral("--seed"), QStringLiteral("5")},
                 ciphertext.out.toUtf8());
        ASSERT_EQ(solved.status, 0) << solved.err.toStdString();
        const QStringList lines = solved.out.split(u'\n');
        EXPECT_TRUE(lines[0].startsWith(c.expected)) << solved.out.toStdString();
        EXPECT_TRUE(lines.contains(c.keyLine)) << solved.out.toStdString();
    }

    const Output ciphertext = tool(
        {QStringLiteral("encrypt"), QStringLiteral("vigenere"), QStringLiteral("--keyword"), QStringLiteral("lantern")},
        Plain);
    const Output json = tool({QStringLiteral("solve"), QStringLiteral("4"), QStringLiteral("--json"),
                              QStringLiteral("--seconds"), QStringLiteral("20")},
                             ciphertext.out.toUtf8());
    ASSERT_EQ(json.status, 0) << json.err.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(object[QStringLiteral("kind")].toString(), QStringLiteral("vigenere"));
    EXPECT_EQ(object[QStringLiteral("plaintext")].toString(), letters);
    EXPECT_EQ(object[QStringLiteral("key")].toObject()[QStringLiteral("keyword")].toString(),
              QStringLiteral("LANTERN"));
    for (const char* field : {"score", "confidence", "seconds"}) {
        EXPECT_TRUE(object[QLatin1String(field)].isDouble()) << field;
    }
}

TEST(CliSolve, refusalsAndATimeBoundTooShortGiveTheirStatusAndOneClearLine)
{
    const struct
    {
        QStringList args;
        QByteArray input;
        QString message;
    } cases[] = {
        {{QStringLiteral("solve"), QStringLiteral("cipher")}, "123 456 !!", QStringLiteral("no letters")},
        {{QStringLiteral("solve"), QStringLiteral("railfence")}, "ABCDE FGHIJ KLMNO PQRST", QStringLiteral("groups")},
        {{QStringLiteral("solve"), QStringLiteral("vigenere")}, "ABCDE FGHIJ", QStringLiteral("too short")},
        {{QStringLiteral("solve"), QStringLiteral("playfair")},
         "WPC SBGQJ FNRVY MRX LBDHZ RICN WPC TOAE KRU VPGTC WPC MONDCN",
         QStringLiteral("holds 'Q'")},
        {{QStringLiteral("solve"), QStringLiteral("cipher")}, "A.", QStringLiteral("it has 1 letter, this kind")},
        {{QStringLiteral("solve"), QStringLiteral("cipher"), QStringLiteral("--seconds"), QStringLiteral("0")},
         "XLI GEX",
         QStringLiteral("--seconds")},
    };
    for (const auto& c : cases) {
        const Output result = tool(c.args, c.input);
        EXPECT_EQ(result.status, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("tessarin5-cli: ")) && result.err.contains(c.message) &&
                    result.err.count(u'\n') == 1)
            << result.err.toStdString();
    }
    // A time bound too short for any reading is a failure of its own, not an empty solution.
    const Output quagmire = tool({QStringLiteral("encrypt"), QStringLiteral("quagmire"), QStringLiteral("--keyword"),
                                  QStringLiteral("lantern"), QStringLiteral("--indicator"), QStringLiteral("boat")},
                                 Plain);
    const Output hurried =
        tool({QStringLiteral("solve"), QStringLiteral("quagmire"), QStringLiteral("--seconds"), QStringLiteral("0.01")},
             quagmire.out.toUtf8());
    EXPECT_EQ(hurried.status, 3);
    EXPECT_TRUE(hurried.out.isEmpty());
    EXPECT_TRUE(hurried.err.contains(QStringLiteral("--seconds")) && hurried.err.count(u'\n') == 1)
        << hurried.err.toStdString();
}
