#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "GameFile.h"
#include "PuzzleFile.h"
#include "SolvingCommands.h"
#include "TessarinError.h"

namespace {

// A maker-made file: 60 lines with values, written with LF line ends and an extra line after the end tag.
PuzzleLines MakerLines()
{
    PuzzleLines lines = PuzzleTemplate();
    lines[3] = "My title";
    lines[6] = "Hello <world> & co";
    lines[9] = "ITSSG <VGKSR> & EG";
    lines[12] = "QWERTYUIOPASDFGHJKLZXCVBNM";
    lines[24] = "PLAYKEY";
    lines[30] = "QK";
    lines[33] = "QCK";
    lines[36] = "AB@3";
    lines[42] = "LEMON";
    lines[45] = lines[9];
    lines[48] = "";
    lines[57] = "SIPZB KSDZR ";
    lines.push_back("trailing line");
    return lines;
}

void WriteBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string ReadBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

class GameFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("week 12.acnx"));
    void SetUp() override { WriteBytes(path, JoinPuzzleLines(MakerLines())); }
};

} // namespace

TEST_F(GameFileTest, LoadTakesTheGamesValuesVerbatim)
{
    GamePuzzle p;
    p.GameChanged = true;
    LoadGamePuzzle(p, path);
    EXPECT_EQ(p.PLAIN, "Hello <world> & co");
    EXPECT_EQ(p.CIPHERSOL, "ITSSG <VGKSR> & EG");
    EXPECT_EQ(p.CIPHKEY, "QWERTYUIOPASDFGHJKLZXCVBNM");
    EXPECT_EQ(p.QUAGINDI, "AB@3");
    EXPECT_EQ(p.VIGENSOL, "SIPZB KSDZR ");
    EXPECT_EQ(p.RAILSOL, "");
    EXPECT_FALSE(p.GameChanged);
    EXPECT_EQ(p.GameKind, CipherKind::None) << "loading leaves the kind to the caller";
    EXPECT_TRUE(p.FileName.empty());
}

TEST_F(GameFileTest, FailedLoadsChangeNothing)
{
    PuzzleLines shortLines = MakerLines();
    shortLines.resize(57);
    const QString shortPath = dir.filePath(QStringLiteral("short.acnx"));
    WriteBytes(shortPath, JoinPuzzleLines(shortLines));
    const QString onePath = dir.filePath(QStringLiteral("one.acnx"));
    WriteBytes(onePath, JoinPuzzleLines({"just a line"}));
    // Sixty lines of something else: writing solution lines into it would damage it.
    const QString otherPath = dir.filePath(QStringLiteral("notes.acnx"));
    WriteBytes(otherPath, JoinPuzzleLines(PuzzleLines(60, "a note")));
    const auto notAPuzzle = [](const QString& file) {
        return "The file \"" + QDir::toNativeSeparators(file).toStdString() + "\" is not a Tessarin puzzle: ";
    };
    struct Case
    {
        QString path;
        std::string messageStart;
    };
    const std::vector<Case> cases = {
        {shortPath, notAPuzzle(shortPath) + "it has 57 lines, a puzzle has at least 58."},
        {onePath, notAPuzzle(onePath) + "it has 1 line, a puzzle has at least 58."},
        {otherPath, notAPuzzle(otherPath) + "line 44 should read <CIPHERSOL>."},
        {dir.filePath(QStringLiteral("missing.acnx")), "Cannot open file \""},
        {dir.path(), "Cannot open file \""},
    };
    for (const Case& c : cases) {
        GamePuzzle p;
        p.PLAIN = "old";
        p.CIPHERSOL = "OLD";
        p.GameChanged = true;
        try {
            LoadGamePuzzle(p, c.path);
            ADD_FAILURE() << "no error for " << c.path.toStdString();
        } catch (const TessarinError& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, c.messageStart.size()), c.messageStart);
        }
        EXPECT_EQ(p.PLAIN, "old");
        EXPECT_EQ(p.CIPHERSOL, "OLD");
        EXPECT_TRUE(p.GameChanged);
    }
}

TEST_F(GameFileTest, SaveReplacesOnlyTheFiveSolutionLines)
{
    GamePuzzle p;
    LoadGamePuzzle(p, path);
    p.FileName = path.toStdString();
    p.ChooseKind(CipherKind::Cipher);
    p.BoardText = "HELLO <VGKSR> & EG";
    p.GameChanged = true;
    p.ChooseKind(CipherKind::Railfence); // stores the substitution board and puts a blank board up
    // Another program changes a value line meanwhile: the save keeps what is on disk now.
    PuzzleLines onDisk = MakerLines();
    onDisk[3] = "Changed title";
    WriteBytes(path, JoinPuzzleLines(onDisk));
    SaveGamePuzzle(p);

    PuzzleLines expected = onDisk;
    expected[45] = "HELLO <VGKSR> & EG";
    expected[48] = BlankBoard();
    EXPECT_EQ(ReadBytes(path), JoinPuzzleLines(expected));
    EXPECT_FALSE(p.GameChanged) << "a save clears GameChanged";
}

TEST_F(GameFileTest, RevealAfterSaveAndReopenChangesOnlyTheSelectedCipherLettersGroup)
{
    // "Hello <world> & co" is "ITSSG <VGKSR> & EG": the solver's E in "Hello" equals the cipher E of "co".
    GamePuzzle p;
    LoadGamePuzzle(p, path);
    p.FileName = path.toStdString();
    p.ChooseKind(CipherKind::Cipher);
    p.BoardText = "HELLO <VGKSR> & EG";
    SaveGamePuzzle(p);
    GamePuzzle reopened;
    LoadGamePuzzle(reopened, path);
    reopened.FileName = p.FileName;
    reopened.ChooseKind(CipherKind::Cipher);
    reopened.SelectedCell = 17; // the c of "co"
    ASSERT_TRUE(RevealLetter(reopened));
    EXPECT_EQ(reopened.BoardText, "HELLO <VGKSR> & CG");
}

TEST_F(GameFileTest, SaveIntoAShortMissingOrChangedFileFailsAndKeepsTheBoards)
{
    GamePuzzle p;
    LoadGamePuzzle(p, path);
    p.FileName = path.toStdString();
    p.ChooseKind(CipherKind::Vigenere);
    p.BoardText = "HELLO WORLD ";
    PuzzleLines shortLines = MakerLines();
    shortLines.resize(50);
    PuzzleLines reencrypted = MakerLines(); // the maker saved new cryptograms meanwhile
    reencrypted[9] = "QFMMP <VGKSR> & EG";
    // Sixty lines of something else put in its place would be damaged too.
    for (const PuzzleLines& onDisk : {shortLines, reencrypted, PuzzleLines(60, "a note")}) {
        const std::string bytes = JoinPuzzleLines(onDisk);
        WriteBytes(path, bytes);
        try {
            SaveGamePuzzle(p);
            ADD_FAILURE() << "saved into " << onDisk[9];
        } catch (const TessarinError& e) {
            EXPECT_NE(std::string(e.what()).find(path.toStdString()), std::string::npos) << e.what();
        }
        EXPECT_EQ(ReadBytes(path), bytes);
        EXPECT_EQ(p.VIGENSOL, "HELLO WORLD ");
    }

    QFile::remove(path);
    EXPECT_THROW(SaveGamePuzzle(p), TessarinError);
    EXPECT_FALSE(QFile::exists(path)) << "a save never creates a puzzle file";
}

TEST(SaveQuestion, AsksOnlyWithChangesAndFollowsTheAnswer)
{
    struct Case
    {
        bool changed;
        SaveAnswer answer;
        bool goOn, asked, saved;
    };
    const std::vector<Case> cases = {
        {false, SaveAnswer::Cancel, true, false, false},
        {true, SaveAnswer::Yes, true, true, true},
        {true, SaveAnswer::No, true, true, false},
        {true, SaveAnswer::Cancel, false, true, false},
    };
    for (const Case& c : cases) {
        GamePuzzle p;
        p.GameChanged = c.changed;
        bool asked = false;
        bool saved = false;
        const bool goOn = QuerySaveSolutions(
            p,
            [&] {
                asked = true;
                return c.answer;
            },
            [&] { saved = true; });
        EXPECT_EQ(goOn, c.goOn);
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(saved, c.saved);
    }
}

TEST(OpenFolder, StartsInTheMakersFolderWhenTheMakerLiesBeside)
{
    QTemporaryDir here;
    const QString docs = QStringLiteral("/home/solver/Documents");
    EXPECT_EQ(OpenStartFolder(here.path(), docs), here.path() + QStringLiteral("/"));
    QFile maker(QDir(here.path()).filePath(MakerProgramName()));
    ASSERT_TRUE(maker.open(QIODevice::WriteOnly));
    maker.close();
    EXPECT_EQ(OpenStartFolder(here.path(), docs), docs + QStringLiteral("/Dunmarrow/Ciphers/"));
}

TEST(Caption, DropsTheFolderAndTheLastFiveCharacters)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("/p/Week 12.acnx"), QStringLiteral("Tessarin 5 Game - Week 12")},
        {QStringLiteral("/p/x.acnx"), QStringLiteral("Tessarin 5 Game - x")},
        {QStringLiteral("/p/abcde"), QStringLiteral("Tessarin 5 Game - ")},
        {QStringLiteral("/p/abc"), QStringLiteral("Tessarin 5 Game - ")},
    };
    for (const auto& [path, caption] : cases) {
        EXPECT_EQ(GameCaption(path), caption);
    }
}
