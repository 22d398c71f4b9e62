#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

#include "PuzzleDocument.h"
#include "PuzzleFileIO.h"
#include "SettingNames.h"
#include "SettingsStore.h"

namespace {

struct ProcessResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The message of the tool: the last line of its standard error (Qt may warn before it).
std::string message(const ProcessResult& result)
{
    const QStringList lines = result.err.trimmed().split(QLatin1Char('\n'));
    return lines.last().toStdString();
}

ProcessResult run(const QString& program, const QStringList& args, const QString& configHome = QString())
{
    QProcess process;
    if (!configHome.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        process.setProcessEnvironment(environment);
    }
    process.start(program, args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString cli()
{
    return QStringLiteral(TESSARIN_BIN_DIR "/tessarin5-cli");
}

// The non-empty lines of the PDF's text, in reading order.
QStringList pdfLines(const QString& pdf)
{
    QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).out;
    text.remove(QChar(0x0C));
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return lines;
}

QString pdfInfo(const QString& pdf, const QString& field)
{
    for (const QString& line : run(QStringLiteral("pdfinfo"), {pdf}).out.split(QLatin1Char('\n'))) {
        if (line.startsWith(field + QLatin1Char(':'))) {
            return line.mid(field.size() + 1).trimmed();
        }
    }
    return {};
}

class PdfEndToEnd : public testing::Test
{
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(m_dir.isValid());
        PuzzleDocument doc;
        doc.PLAIN = "Attack at dawn, then hold the bridge until the relief column arrives from the west.";
        doc.CIPHER = "QZZQEA QZ RQVF, ZITF ITSR ZIT WKOROT XFZOS ZIT KTSOTY EGSXDF QKKOCTL YKGD ZIT VTLZ.";
        doc.CIPHKEY = "QWERTYUIOPASDFGHJKLZXCVBNM";
        doc.PLAYFAIR = std::string(40, 'A') + std::string(40, 'B') + "CCCCC";
        doc.PLAYKEY = "MONARCHY";
        doc.QUAGMIRE = "ABCDE FGHIJ";
        doc.QUAGKEY = "FLOWER";
        doc.QUAGCKEY = "SPRING";
        doc.QUAGINDI = "XYZ@12";
        m_puzzle = m_dir.filePath(QStringLiteral("Night Watch.acnx"));
        SavePuzzleFile(doc, m_puzzle);
    }

    ProcessResult pdf(const QString& kind, const QString& solution, const QString& out)
    {
        return run(cli(),
                   {QStringLiteral("pdf"), m_puzzle, kind, QStringLiteral("--output"), out,
                    QStringLiteral("--solution"), solution},
                   m_dir.filePath(QStringLiteral("config")));
    }

    QTemporaryDir m_dir;
    QString m_puzzle;
};

struct PdfCase
{
    const char* kind;
    const char* solution;
    int pages;
    std::vector<const char*> lines;
};

class PdfLayouts : public PdfEndToEnd, public testing::WithParamInterface<PdfCase>
{};

INSTANTIATE_TEST_SUITE_P(
    KindsAndOptions, PdfLayouts,
    testing::Values(PdfCase{"cipher",
                            "none",
                            1,
                            {"Night Watch", "QZZQEA QZ RQVF, ZITF ITSR ZIT WKOROT XFZOS ZIT KTSOTY EGSXDF QKKOCTL",
                             "YKGD ZIT VTLZ."}},
                    PdfCase{"cipher",
                            "same",
                            1,
                            {"Night Watch", "QZZQEA QZ RQVF, ZITF ITSR ZIT WKOROT XFZOS ZIT KTSOTY EGSXDF QKKOCTL",
                             "YKGD ZIT VTLZ.", "Solution", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "QWERTYUIOPASDFGHJKLZXCVBNM",
                             "Attack at dawn, then hold the bridge until the relief column arrives from the", "west."}},
                    PdfCase{"playfair",
                            "separate",
                            2,
                            {"Night Watch", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
                             "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB CCCCC", "Night Watch Solution",
                             "Playfair Keyword: MONARCHY", "MONAR", "CHYBD", "EFGIJ", "KLPST", "UVWXZ"}},
                    PdfCase{"quagmire",
                            "same",
                            1,
                            {"Night Watch", "ABCDE FGHIJ", "Solution", "Plain Keyword: FLOWER",
                             "Cipher Keyword: SPRING", "Indicator Key: XYZ (column 12)"}}));

TEST_P(PdfLayouts, pagesSizeTitleAndLinesInOrder)
{
    const PdfCase& c = GetParam();
    const QString out = m_dir.filePath(QStringLiteral("out.pdf"));
    const ProcessResult result = pdf(QString::fromLatin1(c.kind), QString::fromLatin1(c.solution), out);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(pdfInfo(out, QStringLiteral("Pages")).toInt(), c.pages);
    EXPECT_EQ(pdfInfo(out, QStringLiteral("Page size")), QStringLiteral("612 x 792 pts (letter)"));
    EXPECT_EQ(pdfInfo(out, QStringLiteral("Title")), QStringLiteral("Night Watch"));
    // Line breaks depend on the font's metrics; the lines must hold these texts in this order.
    // Key letters stand in columns of their own, which the text may show with blanks between them.
    const QString text = pdfLines(out).join(QString()).remove(QLatin1Char(' '));
    qsizetype from = 0;
    for (const char* expected : c.lines) {
        const qsizetype at = text.indexOf(QString::fromLatin1(expected).remove(QLatin1Char(' ')), from);
        EXPECT_GE(at, from) << "missing or out of order: " << expected << "\nin: " << text.toStdString();
        from = std::max(from, at);
    }
    EXPECT_EQ(pdfLines(out).first().toStdString(), "Night Watch");
}

TEST_F(PdfEndToEnd, theSolutionHeadingKeepsItsLeadingSpace)
{
    const QString out = m_dir.filePath(QStringLiteral("same.pdf"));
    ASSERT_EQ(pdf(QStringLiteral("cipher"), QStringLiteral("same"), out).exitCode, 0);
    // Title and heading start at the same left edge: the blank shows as the heading's word standing further right.
    const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), out, QStringLiteral("-")}).out;
    const auto left = [&](const QString& word) {
        const QRegularExpression box(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>") + word +
                                     QStringLiteral("</word>"));
        const QRegularExpressionMatch match = box.match(boxes);
        return match.hasMatch() ? match.captured(1).toDouble() : -100.0;
    };
    EXPECT_GT(left(QStringLiteral("Solution")) - left(QStringLiteral("Night")), 1.0) << boxes.toStdString();
}

TEST_F(PdfEndToEnd, thePrintFontComesFromTheSettingsAndIsEmbedded)
{
    // The tool reads the user's store, here in the test's own configuration folder.
    SettingsStore(m_dir.filePath(QStringLiteral("config/Dunmarrow32/Tessarin.conf")))
        .WriteSetting(Setting::PrintFontName, QStringLiteral("DejaVu Serif"));
    const QString out = m_dir.filePath(QStringLiteral("serif.pdf"));
    const ProcessResult result = pdf(QStringLiteral("cipher"), QStringLiteral("none"), out);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QString fonts = run(QStringLiteral("pdffonts"), {out}).out;
    EXPECT_TRUE(fonts.contains(QStringLiteral("DejaVuSerif"))) << fonts.toStdString();
    for (const QString& line : fonts.split(QLatin1Char('\n')).mid(2)) {
        if (!line.isEmpty()) {
            EXPECT_TRUE(line.contains(QStringLiteral(" yes "))) << "not embedded: " << line.toStdString();
        }
    }
}

TEST_F(PdfEndToEnd, fontOptionChoosesTheFontAndStandardErrorStaysEmpty)
{
    const QString out = m_dir.filePath(QStringLiteral("font.pdf"));
    const ProcessResult result =
        run(cli(),
            {QStringLiteral("pdf"), m_puzzle, QStringLiteral("cipher"), QStringLiteral("--output"), out,
             QStringLiteral("--font"), QStringLiteral("DejaVu Serif,20")},
            m_dir.filePath(QStringLiteral("config")));
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err.toStdString(), ""); // XDG_RUNTIME_DIR is unset here
    EXPECT_TRUE(run(QStringLiteral("pdffonts"), {out}).out.contains(QStringLiteral("DejaVuSerif")));
}

// A cryptogram of 5,000 characters: every letter of the ciphertext and of the solution reaches the PDF in order, no
// word lies within half an inch of the paper's edges, and copied text has no ligatures.
TEST_F(PdfEndToEnd, longCryptogramsKeepEveryLetterInsideThePrintableArea)
{
    const std::string words[] = {"suffer",    "office", "flight", "the",       "afflicted",  "waffle",
                                 "quotation", "of",     "a",      "classroom", "cryptogram", "final"};
    PuzzleDocument doc;
    for (std::size_t i = 0; doc.PLAIN.size() < 5000; ++i) {
        doc.PLAIN += words[(i * 7) % std::size(words)] + (i % 13 == 12 ? ". " : " ");
    }
    doc.CIPHER = doc.PLAIN;
    for (char& c : doc.CIPHER) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>('A' + (c - 'a' + 3) % 26) : c;
    }
    doc.CIPHKEY = "DEFGHIJKLMNOPQRSTUVWXYZABC";
    SavePuzzleFile(doc, m_puzzle);
    const auto letters = [](const QString& text) {
        QString only;
        for (QChar c : text) {
            only += c.isLetter() ? QString(c) : QString();
        }
        return only;
    };
    const QString cipherLetters = letters(QString::fromStdString(doc.CIPHER));
    const QString plainLetters = letters(QString::fromStdString(doc.PLAIN));
    for (const char* option : {"none", "same", "separate"}) {
        const QString out = m_dir.filePath(QStringLiteral("long-%1.pdf").arg(QLatin1String(option)));
        ASSERT_EQ(pdf(QStringLiteral("cipher"), QString::fromLatin1(option), out).exitCode, 0);
        const QString text = run(QStringLiteral("pdftotext"), {out, QStringLiteral("-")}).out;
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[\\x{FB00}-\\x{FB06}]")))) << option;
        EXPECT_TRUE(std::string_view(option) == "none" || text.contains(QStringLiteral("afflicted"))) << option;
        const QString all = letters(text);
        const qsizetype cipherAt = all.indexOf(cipherLetters);
        EXPECT_GE(cipherAt, 0) << option;
        if (std::string_view(option) != "none") {
            EXPECT_GT(all.indexOf(plainLetters), cipherAt) << option;
        }
        // pdftotext -bbox: <page width=".." height=".."> and <word xMin=".." yMin=".." xMax=".." yMax="..">.
        const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), out, QStringLiteral("-")}).out;
        const QRegularExpression word(
            QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re"));
        int count = 0;
        for (auto it = word.globalMatch(boxes); it.hasNext(); ++count) {
            const QRegularExpressionMatch m = it.next();
            EXPECT_GE(m.captured(1).toDouble(), 36.0) << option;
            EXPECT_GE(m.captured(2).toDouble(), 36.0) << option;
            EXPECT_LE(m.captured(3).toDouble(), 612.0 - 36.0) << option;
            EXPECT_LE(m.captured(4).toDouble(), 792.0 - 36.0) << option;
        }
        EXPECT_GT(count, 600) << option;
    }
}

TEST_F(PdfEndToEnd, anExistingFileIsReplacedNotAppendedTo)
{
    const QString out = m_dir.filePath(QStringLiteral("again.pdf"));
    ASSERT_EQ(pdf(QStringLiteral("cipher"), QStringLiteral("separate"), out).exitCode, 0);
    ASSERT_EQ(pdfInfo(out, QStringLiteral("Pages")).toInt(), 2);
    ASSERT_EQ(pdf(QStringLiteral("cipher"), QStringLiteral("none"), out).exitCode, 0);
    EXPECT_EQ(pdfInfo(out, QStringLiteral("Pages")).toInt(), 1);
}

TEST_F(PdfEndToEnd, refusalsAndFailuresHaveTheirMessagesAndStatuses)
{
    const ProcessResult empty =
        pdf(QStringLiteral("vigenere"), QStringLiteral("none"), m_dir.filePath(QStringLiteral("v.pdf")));
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_EQ(message(empty), "tessarin5-cli: Nothing to print! Create a cryptogram to print or discontinue this "
                              "selection.");
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("v.pdf"))));

    const QString folder = m_dir.filePath(QStringLiteral("no such folder"));
    const ProcessResult unwritable =
        pdf(QStringLiteral("cipher"), QStringLiteral("none"), folder + QStringLiteral("/out.pdf"));
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.err.toStdString(), "tessarin5-cli: Folder not found: " + folder.toStdString() + "\n");

    // The puzzle being printed and a folder are refused.
    const auto readAll = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray puzzleBytes = readAll(m_puzzle);
    const ProcessResult itself = pdf(QStringLiteral("cipher"), QStringLiteral("none"), m_puzzle);
    EXPECT_EQ(itself.exitCode, 1);
    EXPECT_TRUE(message(itself).ends_with("It is the puzzle file being printed.")) << message(itself);
    EXPECT_EQ(readAll(m_puzzle), puzzleBytes);
    const ProcessResult toFolder = pdf(QStringLiteral("cipher"), QStringLiteral("none"), m_dir.path());
    EXPECT_TRUE(message(toFolder).ends_with("It is a folder, not a file.")) << message(toFolder);

    const ProcessResult badFont = run(cli(), {QStringLiteral("pdf"), m_puzzle, QStringLiteral("cipher"),
                                              QStringLiteral("--output"), m_dir.filePath(QStringLiteral("f.pdf")),
                                              QStringLiteral("--font"), QStringLiteral("DejaVu Serif,0")});
    EXPECT_EQ(badFont.exitCode, 2);

    const ProcessResult missing =
        run(cli(), {QStringLiteral("pdf"), m_dir.filePath(QStringLiteral("none.acnx")), QStringLiteral("cipher"),
                    QStringLiteral("--output"), m_dir.filePath(QStringLiteral("x.pdf"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(message(missing).starts_with("tessarin5-cli: Cannot open file")) << message(missing);
}

} // namespace
