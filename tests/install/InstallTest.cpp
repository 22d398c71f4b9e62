#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Result
{
    int exitCode = -1;
    QString output;
};

Result runTool(const QString& program, const QStringList& args, const QByteArray& input = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    const bool started = process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    if (!started || !process.waitForFinished(300000)) {
        return {-1, program + QStringLiteral(" did not run")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

/// One installation into a temporary prefix, shared by every check of this program.
class Installed : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        prefix = new QTemporaryDir;
        const Result install =
            runTool(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(TESSARIN_BUILD_DIR),
                                              QStringLiteral("--prefix"), prefix->path()});
        installOutput = install.output;
        installed = install.exitCode == 0;
    }
    static void TearDownTestSuite()
    {
        delete prefix;
        prefix = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(installed) << installOutput.toStdString(); }

    static QString path(const QString& relative) { return prefix->filePath(relative); }

    static inline QTemporaryDir* prefix = nullptr;
    static inline bool installed = false;
    static inline QString installOutput;
};

TEST_F(Installed, putsTheThreeProgramsTheHelpAndTheGameSideBySide)
{
    for (const char* program : {"bin/tessarin5", "bin/tessarin5game", "bin/tessarin5-cli"}) {
        const QFileInfo info(path(QString::fromLatin1(program)));
        EXPECT_TRUE(info.isExecutable()) << program;
    }
    // The maker starts and copies the game found in its own folder, and reads its help collection there.
    EXPECT_EQ(QFileInfo(path(QStringLiteral("bin/tessarin5"))).absolutePath(),
              QFileInfo(path(QStringLiteral("bin/tessarin5game"))).absolutePath());
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("bin/tessarin5.qhc"))));
    for (const char* program : {"bin/tessarin5", "bin/tessarin5game"}) {
        const Result help = runTool(path(QString::fromLatin1(program)), {QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0) << program;
        EXPECT_TRUE(help.output.contains(QStringLiteral("--version"))) << help.output.toStdString();
    }
    const Result version = runTool(path(QStringLiteral("bin/tessarin5-cli")), {QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.output.startsWith(QStringLiteral("tessarin5-cli 5."))) << version.output.toStdString();
}

// The commands on puzzle files run in the installed helper, and rate finds the language model beside the tool.
TEST_F(Installed, cliRunsThePuzzleFileCommandsThroughItsHelper)
{
    const QString cli = path(QStringLiteral("bin/tessarin5-cli"));
    const QString puzzle = prefix->filePath(QStringLiteral("week.acnx"));
    const QByteArray quotation = "The quick brown fox jumps over the lazy dog while the cat sleeps in the sun";
    const Result add = runTool(cli,
                               {QStringLiteral("add"), puzzle, QStringLiteral("vigenere"), QStringLiteral("--keyword"),
                                QStringLiteral("lemon")},
                               quotation);
    ASSERT_EQ(add.exitCode, 0) << add.output.toStdString();
    const Result show = runTool(cli, {QStringLiteral("show"), puzzle});
    EXPECT_TRUE(show.output.contains(QStringLiteral("\"VIGENKEY\": \"LEMON\""))) << show.output.toStdString();
    const Result rate =
        runTool(cli, {QStringLiteral("rate"), puzzle, QStringLiteral("--seconds"), QStringLiteral("2")});
    EXPECT_EQ(rate.exitCode, 0) << rate.output.toStdString();
    EXPECT_TRUE(rate.output.startsWith(QStringLiteral("{\"kind\": \"vigenere\""))) << rate.output.toStdString();
}

TEST_F(Installed, desktopEntriesAndMetadataValidate)
{
    for (const char* id : {"org.example.tessarin.maker", "org.example.tessarin.game"}) {
        const QString desktop = path(QStringLiteral("share/applications/%1.desktop").arg(QString::fromLatin1(id)));
        const Result entry = runTool(QStringLiteral("desktop-file-validate"), {desktop});
        EXPECT_EQ(entry.exitCode, 0) << entry.output.toStdString();
        EXPECT_TRUE(entry.output.trimmed().isEmpty()) << entry.output.toStdString();
        const QString meta = path(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(QString::fromLatin1(id)));
        const Result metainfo =
            runTool(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), meta});
        EXPECT_EQ(metainfo.exitCode, 0) << metainfo.output.toStdString();
        for (const char* size : {"16x16", "48x48", "256x256", "scalable"}) {
            const QString suffix = QString::fromLatin1(size) == QStringLiteral("scalable") ? QStringLiteral(".svg")
                                                                                           : QStringLiteral(".png");
            EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("share/icons/hicolor/%1/apps/%2%3")
                                                   .arg(QString::fromLatin1(size), QString::fromLatin1(id), suffix))))
                << id << " " << size;
        }
    }
}

TEST_F(Installed, puzzleFilesAreRecognisedByNameAndByContent)
{
    const QString mime = path(QStringLiteral("share/mime"));
    const Result update = runTool(QStringLiteral("update-mime-database"), {mime});
    ASSERT_EQ(update.exitCode, 0) << update.output.toStdString();
    ASSERT_TRUE(QFileInfo::exists(mime + QStringLiteral("/application/x-tessarin-cryptogram.xml")));

    const QString puzzle = prefix->filePath(QStringLiteral("no-extension"));
    QFile file(puzzle);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<ACNX4.1>\r\n<TITLE>\r\n\r\n</TITLE>\r\n");
    file.close();
    qputenv("XDG_DATA_DIRS", path(QStringLiteral("share")).toUtf8());
    const QMimeDatabase db;
    const QMimeType byName = db.mimeTypeForFile(QStringLiteral("Week 12.ACNX"), QMimeDatabase::MatchExtension);
    EXPECT_EQ(byName.name(), QStringLiteral("application/x-tessarin-cryptogram"));
    EXPECT_EQ(byName.comment(), QStringLiteral("Tessarin Cryptogram"));
    EXPECT_EQ(db.mimeTypeForFile(puzzle, QMimeDatabase::MatchContent).name(),
              QStringLiteral("application/x-tessarin-cryptogram"));

    QFile desktop(path(QStringLiteral("share/applications/org.example.tessarin.maker.desktop")));
    ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
    EXPECT_TRUE(desktop.readAll().contains("MimeType=application/x-tessarin-cryptogram;"));
}

TEST(Package, installsIntoACleanRootAndLintianFindsNoError)
{
    const Result check =
        runTool(QStringLiteral("bash"), {QStringLiteral(TESSARIN_SOURCE_DIR "/tests/install/check-package.sh"),
                                         QStringLiteral(TESSARIN_BUILD_DIR)});
    std::printf("%s\n", qPrintable(check.output));
    EXPECT_EQ(check.exitCode, 0);
}

} // namespace
