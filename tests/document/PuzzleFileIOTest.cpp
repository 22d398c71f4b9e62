#include <gtest/gtest.h>

#include <array>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ErrorOf.h"
#include "FileSizeLimit.h"
#include "FileWrite.h"
#include "PuzzleDocument.h"
#include "PuzzleFileIO.h"

namespace {

/// A device that accepts a given number of bytes and then fails, like a full disk.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity) : m_capacity(capacity) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (m_written + size > m_capacity) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_written += size;
        return size;
    }

private:
    qint64 m_capacity;
    qint64 m_written = 0;
};

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class PuzzleFileIO : public testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(PuzzleFileIO, savingToANewPathWritesTheTemplateWithCrLf)
{
    PuzzleDocument doc;
    doc.PLAIN = "Caf\xE9 & <b>";
    doc.CIPHER = "XYZ\xC9 & <B>";
    doc.Changed = true;
    SavePuzzleFile(doc, path(QStringLiteral("new.acnx")));
    EXPECT_FALSE(doc.Changed);
    const QByteArray bytes = readBytes(path(QStringLiteral("new.acnx")));
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<ACNX4.1>\r\n<TITLE>\r\n\r\n"));
    EXPECT_TRUE(bytes.endsWith("</VIGENSOL>\r\n</ACNX4.1>\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 60);
    EXPECT_TRUE(bytes.contains("\r\nCaf\xE9 & <b>\r\n"));
    writeBytes(path(QStringLiteral("empty.acnx")), ""); // made new in a file manager: no short puzzle to refuse
    SavePuzzleFile(doc, path(QStringLiteral("empty.acnx")));
    EXPECT_EQ(readBytes(path(QStringLiteral("empty.acnx"))), bytes);

    PuzzleDocument back;
    back.Changed = true;
    LoadPuzzleFile(back, path(QStringLiteral("new.acnx")));
    EXPECT_EQ(back.PLAIN, doc.PLAIN);
    EXPECT_EQ(back.CIPHER, doc.CIPHER);
    EXPECT_FALSE(back.Changed);
}

TEST_F(PuzzleFileIO, updatingKeepsForeignLinesAndConvertsLineEnds)
{
    PuzzleLines lines = PuzzleTemplate();
    lines[3] = "Weekly puzzle";
    lines[45] = "SOLVER PROGRESS";
    lines.push_back("trailing note");
    std::string lfOnly;
    for (const std::string& line : lines) {
        lfOnly += line + "\n";
    }
    const QString file = path(QStringLiteral("old.acnx"));
    writeBytes(file, QByteArray::fromStdString(lfOnly));
    PuzzleDocument doc;
    doc.CIPHER = "NEW";
    SavePuzzleFile(doc, file);
    const PuzzleLines saved = ReadPuzzleLines(file);
    EXPECT_EQ(saved.size(), 61u);
    EXPECT_EQ(saved[3], "Weekly puzzle");
    EXPECT_EQ(saved[45], "NEW");
    EXPECT_EQ(saved[60], "trailing note");
    EXPECT_EQ(readBytes(file).count("\r\n"), 61);
}

TEST_F(PuzzleFileIO, loadFailuresNameThePathAndChangeNothing)
{
    PuzzleDocument doc;
    doc.PLAIN = "keep";
    doc.Changed = true;
    const QString missing = path(QStringLiteral("missing.acnx"));
    EXPECT_EQ(errorOf([&] { LoadPuzzleFile(doc, missing); }),
              "Cannot open file \"" + missing.toStdString() + "\". No such file or directory");
    writeBytes(path(QStringLiteral("short.acnx")), "1\r\n2\r\n3\r\n");
    EXPECT_EQ(errorOf([&] { LoadPuzzleFile(doc, path(QStringLiteral("short.acnx"))); }),
              "\"" + path(QStringLiteral("short.acnx")).toStdString() +
                  "\" is not a complete puzzle file. List index out of bounds (6)");
    EXPECT_NE(errorOf([&] { LoadPuzzleFile(doc, dir.path()); }).find("Cannot open file"), std::string::npos);
    EXPECT_EQ(doc.PLAIN, "keep");
    EXPECT_TRUE(doc.Changed);
}

TEST_F(PuzzleFileIO, binaryGarbageIsReadAsLinesWithoutHarm)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage.append(static_cast<char>((i * 7919) % 251 + 1));
    }
    garbage.insert(2000, '\0');
    writeBytes(path(QStringLiteral("bin.acnx")), garbage);
    const PuzzleLines lines = ReadPuzzleLines(path(QStringLiteral("bin.acnx")));
    std::size_t total = 0;
    for (const std::string& line : lines) {
        total += line.size();
    }
    EXPECT_LT(total, 2000u);
}

TEST_F(PuzzleFileIO, aFailedSaveLeavesTheOldFileAndChangedAsTheyWere)
{
    const QString blocker = path(QStringLiteral("not-a-folder"));
    writeBytes(blocker, "x");
    PuzzleDocument doc;
    doc.Changed = true;
    const QString target = blocker + QStringLiteral("/puzzle.acnx");
    EXPECT_NE(errorOf([&] { SavePuzzleFile(doc, target); }).find("Cannot create file \"" + target.toStdString()),
              std::string::npos);
    EXPECT_TRUE(doc.Changed);

    const QString shortFile = path(QStringLiteral("short.acnx"));
    const QByteArray shortBytes = QByteArray("line\r\n").repeated(50);
    writeBytes(shortFile, shortBytes);
    EXPECT_EQ(errorOf([&] { SavePuzzleFile(doc, shortFile); }),
              "\"" + shortFile.toStdString() + "\" is not a complete puzzle file. List index out of bounds (51)");
    EXPECT_EQ(readBytes(shortFile), shortBytes);
    EXPECT_TRUE(doc.Changed);
}

TEST_F(PuzzleFileIO, aFileTooLargeToReadBackIsNotWritten)
{
    const QString file = path(QStringLiteral("big.acnx"));
    PuzzleDocument empty;
    SavePuzzleFile(empty, file);
    const QByteArray before = readBytes(file);
    PuzzleLines lines = PuzzleTemplate();
    lines[PuzzleLine::Plain] = std::string(static_cast<std::size_t>(MaxPuzzleFileSize) - 100, 'x');
    EXPECT_EQ(errorOf([&] { WritePuzzleLines(file, lines); }),
              "Cannot create file \"" + file.toStdString() +
                  "\". The puzzle would take 257 MB, too large to be a Tessarin cryptogram (at most 256 MB).");
    EXPECT_EQ(readBytes(file), before);
}

TEST_F(PuzzleFileIO, writeErrorsOfTheDeviceReachTheCaller)
{
    FailingDevice device(100);
    EXPECT_EQ(errorOf([&] { WritePuzzleLines(device, QStringLiteral("/x.acnx"), PuzzleTemplate()); }),
              "Cannot create file \"/x.acnx\". No space left on device");
}

TEST_F(PuzzleFileIO, aDiskThatFillsUpMidWriteFailsWithItsReasonAndKeepsTheOldFile)
{
    // The disk takes what still fits of a write larger than Qt buffers, and reports no error for it.
    const QString file = path(QStringLiteral("export.txt"));
    writeBytes(file, "old");
    const FileSizeLimit limit(4096);
    const std::string text(20000, 'x');
    const auto failure = WriteWholeFile(file, [&](QIODevice& device) { device.write(text.data(), 20000); });
    EXPECT_EQ(failure ? failure->reason : QStringLiteral("no failure"), QStringLiteral("File too large"));
    EXPECT_EQ(readBytes(file), "old");
}

TEST_F(PuzzleFileIO, aPipeIsWrittenInPlaceAndAFolderRefused)
{
    // A rename would put a file where the pipe (or a device such as /dev/full) stands, and report success.
    const QString pipe = path(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const int reader = open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_FALSE(WriteWholeFile(pipe, [](QIODevice& device) { device.write("through"); }));
    std::array<char, 16> received{};
    EXPECT_EQ(read(reader, received.data(), received.size()), 7);
    close(reader);
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    // With nothing at its other end it is reported at once, where opening it would wait for a program.
    const auto unread = WriteWholeFile(pipe, [](QIODevice& device) { device.write("x"); });
    EXPECT_EQ(unread ? unread->reason : QString(), QStringLiteral("Nothing reads from the pipe."));
    EXPECT_FALSE(unread && unread->opening); // the PDF's "File locked" would misname the cause
    PuzzleDocument doc;
    EXPECT_NE(errorOf([&] { LoadPuzzleFile(doc, pipe); }).find("is not a complete puzzle file"), std::string::npos);

    const auto folder = WriteWholeFile(dir.path(), [](QIODevice& device) { device.write("x"); });
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(folder->reason, QStringLiteral("It is a folder, not a file."));
}

TEST_F(PuzzleFileIO, theGameWritesOnlyItsFiveLines)
{
    const QString file = path(QStringLiteral("game.acnx"));
    PuzzleDocument doc;
    doc.PLAIN = "Hello";
    doc.CIPHER = "XUBBE";
    SavePuzzleFile(doc, file);
    const QByteArray before = readBytes(file);
    SaveGameSolutions(file, {"HELLO", "", "", "", ""});
    const QByteArray after = readBytes(file);
    QList<QByteArray> a = before.split('\n'), b = after.split('\n');
    ASSERT_EQ(a.size(), b.size());
    for (qsizetype i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i] == b[i], i != 45) << i;
    }
    EXPECT_EQ(LoadGameFile(file).CIPHERSOL, "HELLO");
    EXPECT_EQ(errorOf([&] { SaveGameSolutions(path(QStringLiteral("gone.acnx")), {}); }).rfind("Cannot open file", 0),
              0u);
}

} // namespace
