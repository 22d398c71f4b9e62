// tessarin5-cli on input from a pipe larger than the block it reserves for standard input, which then has to grow.

#include <gtest/gtest.h>

#include <QProcess>

TEST(CliLargeInput, aPipeBeyondTheReservedBlockIsReadWhole)
{
    const qsizetype pieces = (qsizetype{65} << 20) / 4 + 1; // 65 MiB and 4 bytes
    const QByteArray input = QByteArray("ab, ").repeated(pieces);
    QProcess process;
    process.start(
        QStringLiteral(TESSARIN_BIN_DIR "/tessarin5-cli"),
        {QStringLiteral("decrypt"), QStringLiteral("vigenere"), QStringLiteral("--keyword"), QStringLiteral("A")});
    process.write(input);
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(300000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QByteArray out = process.readAllStandardOutput();
    ASSERT_EQ(out.size(), 2 * pieces + 1);
    EXPECT_TRUE(out == QByteArray("AB").repeated(pieces) + "\n");
}
