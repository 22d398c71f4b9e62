// The real tessarin5 on an X display of its own (run through with-xvfb.sh): a plaintext is typed, encrypted on two
// tabs and saved with Ctrl+S by a new user, the window closed with Ctrl+X, and the file read back; then the maker
// is started with a puzzle file and shows its first kind. Keys are typed with xdotool; the clipboard shows what the
// maker's ciphertext view holds.
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArrayList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArrayList lines = file.readAll().split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

} // namespace

class MakerEndToEndTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void typeEncryptOnTwoTabsSaveAndClose();
    void startedWithAFileItShowsTheFirstKind_data();
    void startedWithAFileItShowsTheFirstKind();
    void typedQuotationIsSavedWhenCtrlXAsks();
    void distributionIntoAFolderOfPuzzlesReplacesOnlyAfterTheQuestion();
    void cleanup();

private:
    bool startMaker(const QStringList& arguments);
    bool xdo(const QStringList& arguments, QByteArray* output = nullptr);
    void keys(const QStringList& keys);
    void typeText(const QString& text);
    QByteArray windowName();
    QByteArray activeWindow();
    bool isShown(const QByteArray& window);
    bool awaitOtherActiveWindow(const QByteArrayList& before);
    QString savedPuzzle() const { return m_home.path() + QStringLiteral("/Documents/Dunmarrow/Ciphers/Untitled.acnx"); }

    QTemporaryDir m_home;
    QProcess m_maker;
    QByteArray m_window;
};

void MakerEndToEndTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run through tests/support/with-xvfb.sh");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.path() + QStringLiteral("/data"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // In a sanitizer build, leaks of the desktop's system libraries at exit are not the maker's.
    env.insert(QStringLiteral("LSAN_OPTIONS"),
               QStringLiteral("suppressions=" TESSARIN_LSAN_SUPPRESSIONS ":print_suppressions=0"));
    m_maker.setProcessEnvironment(env);
    m_maker.setProgram(QStringLiteral(TESSARIN_BIN_DIR "/tessarin5"));
    // No pipes to the maker: a helper that its sound system may start would inherit them and keep them open.
    m_maker.setProcessChannelMode(QProcess::ForwardedChannels);
    m_maker.setStandardInputFile(QProcess::nullDevice());
}

bool MakerEndToEndTest::xdo(const QStringList& arguments, QByteArray* output)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(15000)) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    if (output != nullptr) {
        *output = tool.readAllStandardOutput().trimmed();
    }
    return tool.exitCode() == 0;
}

void MakerEndToEndTest::keys(const QStringList& sequence)
{
    for (const QString& key : sequence) {
        xdo({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), key});
        QTest::qWait(250);
    }
}

bool MakerEndToEndTest::startMaker(const QStringList& arguments)
{
    QElapsedTimer clock;
    clock.start();
    m_maker.setArguments(arguments);
    m_maker.start();
    if (!m_maker.waitForStarted(5000)) {
        return false;
    }
    QByteArray found;
    // A search can fail when the splash window goes while xdotool reads its properties: look again.
    bool shown = false;
    for (int attempt = 0; attempt < 5 && !shown; ++attempt) {
        shown = xdo({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--all"),
                     QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(m_maker.processId()),
                     QStringLiteral("--name"), QStringLiteral("^Tessarin 5$")},
                    &found) &&
                !found.isEmpty();
    }
    if (!shown) {
        return false;
    }
    m_window = found.split('\n').first();
    qInfo("main window shown after %lld ms", static_cast<long long>(clock.elapsed()));
    QTest::qWait(600); // the splash goes once the main window is active
    xdo({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::fromLatin1(m_window)});
    QTest::qWait(300);
    return true;
}

void MakerEndToEndTest::typeEncryptOnTwoTabsSaveAndClose()
{
    QVERIFY(!QDir(m_home.path() + QStringLiteral("/Documents/Dunmarrow")).exists());
    QVERIFY(startMaker({}));
    xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"),
         QStringLiteral("Meet me at the old mill")});
    QTest::qWait(300);
    keys({QStringLiteral("alt+p"), QStringLiteral("c")}); // Puzzle > En&crypt! on the cipher tab
    keys({QStringLiteral("alt+o"), QStringLiteral("i")}); // Options > Ra&ilfence
    keys({QStringLiteral("alt+p"), QStringLiteral("c")});
    keys({QStringLiteral("ctrl+s")});
    QTest::qWait(1000);
    keys({QStringLiteral("Return")}); // the name dialog of a never-saved puzzle suggests Untitled.acnx
    QTest::qWait(1500);               // the progress animation after saving
    keys({QStringLiteral("ctrl+x")});
    QTRY_COMPARE_WITH_TIMEOUT(m_maker.state(), QProcess::NotRunning, 15000);
    QCOMPARE(m_maker.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_maker.exitCode(), 0);

    const QByteArrayList lines = fileLines(savedPuzzle());
    QCOMPARE(lines.size(), 60);
    QCOMPARE(lines[6], QByteArray("Meet me at the old mill"));
    QCOMPARE(lines[9].size(), lines[6].size());
    QVERIFY(lines[9] != QByteArray("MEET ME AT THE OLD MILL"));
    QCOMPARE(lines[12].size(), 26);
    // Two rails: the 18 letters (and any filler) in groups of two, each followed by a blank.
    QVERIFY2(QRegularExpression(QStringLiteral("^([A-Z]{2} ){9,}$")).match(QString::fromLatin1(lines[18])).hasMatch(),
             lines[18].constData());
    QVERIFY(lines[21].isEmpty() && lines[27].isEmpty() && lines[39].isEmpty());
    QCOMPARE(lines[45], lines[9]);
    QCOMPARE(lines[48], lines[18]);
}

void MakerEndToEndTest::startedWithAFileItShowsTheFirstKind_data()
{
    QTest::addColumn<bool>("withoutSubstitution");
    QTest::newRow("substitution first") << false;
    QTest::newRow("rail fence first") << true;
}

void MakerEndToEndTest::startedWithAFileItShowsTheFirstKind()
{
    QFETCH(bool, withoutSubstitution);
    QByteArrayList lines = fileLines(savedPuzzle());
    QCOMPARE(lines.size(), 60);
    QString path = savedPuzzle();
    if (withoutSubstitution) {
        lines[9].clear();
        lines[45].clear();
        path = m_home.path() + QStringLiteral("/rails only.acnx");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join("\r\n") + "\r\n");
    }
    QGuiApplication::clipboard()->clear();
    QVERIFY(startMaker({path}));
    keys({QStringLiteral("alt+s"), QStringLiteral("p")}); // Special > &Puzzle to Clipboard
    const QString expected = QString::fromLatin1(withoutSubstitution ? lines[18] : lines[9]);
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), expected, 10000);
    keys({QStringLiteral("ctrl+x")});
    QTRY_COMPARE_WITH_TIMEOUT(m_maker.state(), QProcess::NotRunning, 15000);
    QCOMPARE(m_maker.exitCode(), 0);
}

void MakerEndToEndTest::typeText(const QString& text)
{
    xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
    QTest::qWait(300);
}

QByteArray MakerEndToEndTest::windowName()
{
    QByteArray name;
    xdo({QStringLiteral("getwindowname"), QString::fromLatin1(m_window)}, &name);
    return name;
}

QByteArray MakerEndToEndTest::activeWindow()
{
    QByteArray id;
    xdo({QStringLiteral("getactivewindow")}, &id);
    return id;
}

// Whether the maker still shows the window. The window manager's active window is no proof: it may go on naming a
// window that has closed until it hands the focus to another.
bool MakerEndToEndTest::isShown(const QByteArray& window)
{
    QByteArray shown;
    xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
         QString::number(m_maker.processId()), QStringLiteral("--name"), QStringLiteral(".*")},
        &shown);
    return shown.split('\n').contains(window);
}

// Waits until a window other than those of before has the focus: a dialog opened or closed. Fixed pauses are not
// enough when the machine is busy, and a dialog's parent may take the focus for a moment in between.
bool MakerEndToEndTest::awaitOtherActiveWindow(const QByteArrayList& before)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        const QByteArray now = activeWindow();
        if (!now.isEmpty() && !before.contains(now)) {
            QTest::qWait(300); // let the window take its keyboard focus
            return true;
        }
        QTest::qWait(100);
    }
    return false;
}

void MakerEndToEndTest::typedQuotationIsSavedWhenCtrlXAsks()
{
    const QString path = m_home.path() + QStringLiteral("/quote.acnx");
    QVERIFY(startMaker({}));
    typeText(QStringLiteral("Typed but never encrypted"));
    QCOMPARE(windowName(), QByteArray("*Tessarin 5"));
    keys({QStringLiteral("ctrl+x")});
    QTest::qWait(800);
    QCOMPARE(m_maker.state(), QProcess::Running);
    keys({QStringLiteral("Return")}); // Yes to the save question
    QTest::qWait(1000);
    keys({QStringLiteral("ctrl+a")}); // the name dialog: a name of our own
    typeText(path);
    keys({QStringLiteral("Return")});
    QTRY_COMPARE_WITH_TIMEOUT(m_maker.state(), QProcess::NotRunning, 15000);
    QCOMPARE(m_maker.exitCode(), 0);
    QCOMPARE(fileLines(path).value(6), QByteArray("Typed but never encrypted"));
}

void MakerEndToEndTest::distributionIntoAFolderOfPuzzlesReplacesOnlyAfterTheQuestion()
{
    const QString folder = m_home.path() + QStringLiteral("/Authors");
    QVERIFY(QDir().mkpath(folder));
    const QByteArray authorsRiddle = "the author's own riddle\r\n";
    const QByteArray authorsOther = "another puzzle of the author\r\n";
    for (const auto& [name, bytes] :
         {std::pair{"/riddle.acnx", authorsRiddle}, std::pair{"/keep.acnx", authorsOther}}) {
        QFile file(folder + QString::fromLatin1(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QString source = m_home.path() + QStringLiteral("/riddle.acnx");
    QVERIFY(QFile::copy(savedPuzzle(), source));
    const auto bytesOf = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    };
    // Each step waits for the window it talks to: the distribution dialog, the folder chooser, the question.
    QByteArray dialog;
    const auto saveIntoFolder = [&] {
        keys({QStringLiteral("Return")}); // Save... is the distribution dialog's default button
        QVERIFY(awaitOtherActiveWindow({dialog}));
        const QByteArray chooser = activeWindow();
        keys({QStringLiteral("ctrl+a")});
        typeText(folder);
        keys({QStringLiteral("Return")});
        QVERIFY(awaitOtherActiveWindow({chooser, dialog})); // the question
    };
    QVERIFY(startMaker({source}));
    keys({QStringLiteral("alt+s"), QStringLiteral("d")}); // Special > &Distribute Puzzles...
    QVERIFY(awaitOtherActiveWindow({m_window}));
    dialog = activeWindow();
    saveIntoFolder();
    QByteArray question = activeWindow();
    keys({QStringLiteral("alt+n")}); // No: replace nothing
    QVERIFY(awaitOtherActiveWindow({question}));
    QCOMPARE(bytesOf(folder + QStringLiteral("/riddle.acnx")), authorsRiddle);
    QVERIFY(!QFile::exists(folder + QStringLiteral("/tessarin5game")));
    saveIntoFolder();
    question = activeWindow();
    keys({QStringLiteral("Return")});                              // Yes: replace riddle.acnx
    QVERIFY(awaitOtherActiveWindow({question, dialog, m_window})); // "Package saved", after the copies
    // No: do not open the folder; the distribution dialog closes. A busy window manager may hand the box its
    // keyboard focus late and lose the key, or show a passing window first, so the key is sent again to whichever
    // window other than the ones before has the focus, with the keyboard focus put on it first.
    for (int attempt = 0; attempt < 4 && isShown(dialog); ++attempt) {
        if (const QByteArray now = activeWindow();
            now != question && now != dialog && now != m_window && isShown(now)) {
            xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::fromLatin1(now)});
            keys({QStringLiteral("alt+n")});
        }
        if (QTest::qWaitFor([&] { return !isShown(dialog); }, 5000)) {
            break;
        }
    }
    QVERIFY(!isShown(dialog));
    // The window manager need not give the main window the focus back at once: the last key goes to it.
    xdo({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::fromLatin1(m_window)});
    QTest::qWait(300);
    QCOMPARE(bytesOf(folder + QStringLiteral("/riddle.acnx")), bytesOf(source));
    QCOMPARE(bytesOf(folder + QStringLiteral("/keep.acnx")), authorsOther);
    QCOMPARE(bytesOf(folder + QStringLiteral("/tessarin5game")),
             bytesOf(QStringLiteral(TESSARIN_BIN_DIR "/tessarin5game")));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/TessarinPack")));
    keys({QStringLiteral("ctrl+x")});
    QTRY_COMPARE_WITH_TIMEOUT(m_maker.state(), QProcess::NotRunning, 15000);
}

void MakerEndToEndTest::cleanup()
{
    if (m_maker.state() != QProcess::NotRunning) {
        m_maker.kill();
        m_maker.waitForFinished();
    }
}

QTEST_MAIN(MakerEndToEndTest)
#include "MakerEndToEndTest.moc"
