// The maker's shell: the about box, the splash window, the two sounds and the application's error report.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QTest>
#include <QTimer>

#include "AcnAboutUnit.h"
#include "EncodeCipher.h"
#include "MakerApplication.h"
#include "SFXUnit.h"
#include "ScriptedUi.h"
#include "SplashUnit.h"
#include "TessarinError.h"

namespace {

struct WaveFormat
{
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bits = 0;
    int dataBytes = 0;
};

int little(const QByteArray& bytes, int offset, int size)
{
    int value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

WaveFormat readWave(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " || bytes.mid(36, 4) != "data") {
        return {};
    }
    return {little(bytes, 20, 2), little(bytes, 22, 2), little(bytes, 24, 4), little(bytes, 34, 2),
            little(bytes, 40, 4)};
}

bool isPlainPicture(const QLabel* label)
{
    const QImage image = label->pixmap().toImage();
    int painted = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return painted > 100;
}

// An object whose events fail, standing for a command that throws.
class FailingObject : public QObject
{
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User) {
            throw TessarinError("the command failed");
        }
        return QObject::event(e);
    }
};

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT
public:
    explicit ShellTest(ScriptedDialogs& dialogs) : m_dialogs(dialogs) {}

private Q_SLOTS:
    void aboutBoxShowsTheProductLinesAndClosesWithOk();
    void splashIsShapedByItsMagentaPixels();
    void splashSampleIsARealEncryption();
    void splashKeepsTheHourglassUntilTheMainWindowIsActive();
    void soundsAreShortMonoEightBitWaves_data();
    void soundsAreShortMonoEightBitWaves();
    void soundsPlayWithoutAnAudioDevice();
    void errorsThatEscapeACommandReachTheStopBox();

private:
    ScriptedDialogs& m_dialogs;
};

void ShellTest::aboutBoxShowsTheProductLinesAndClosesWithOk()
{
    TAcnAboutForm about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Tessarin"));
    QCOMPARE(about.size(), QSize(339, 254));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("ProductLine"))->text(),
             QStringLiteral("Cryptogram puzzles for Linux"));
    QCOMPARE(VersionLine(QStringLiteral("5.1.0")), QStringLiteral("Version 5.1  (Build 5.1.0)"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("VersionLine"))->text(),
             VersionLine(QStringLiteral(TESSARIN_VERSION))); // the same version as --version and the package
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("imgLogo"))->size(), QSize(100, 92));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Image2"))->size(), QSize(239, 72));
    QVERIFY(isPlainPicture(about.findChild<QLabel*>(QStringLiteral("imgLogo"))));
    QVERIFY(isPlainPicture(about.findChild<QLabel*>(QStringLiteral("Image2"))));
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(ok->isDefault());
    QVERIFY(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTimer::singleShot(0, ok, &QPushButton::click);
    QCOMPARE(about.exec(), int(QDialog::Accepted));
}

void ShellTest::splashIsShapedByItsMagentaPixels()
{
    const QImage picture = TSplashScreen::splashPicture().toImage();
    QCOMPARE(picture.size(), QSize(419, 306));
    const QRgb magenta = qRgb(255, 0, 255);
    QCOMPARE(picture.pixel(0, 305), magenta);
    QCOMPARE(picture.pixel(418, 0), magenta);
    QVERIFY(picture.pixel(209, 200) != magenta);
    // No blended, half-magenta fringe at the edges of the shape.
    int fringe = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            fringe += c.rgb() != magenta && c.red() > 180 && c.blue() > 180 && c.green() < 90 ? 1 : 0;
        }
    }
    QCOMPARE(fringe, 0);
    TSplashScreen splash;
    QVERIFY(!splash.mask().contains(QPoint(0, 305)));
    QVERIFY(splash.mask().contains(QPoint(209, 200)));
}

void ShellTest::splashSampleIsARealEncryption()
{
    QFile file(QStringLiteral(":/shell/splash.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    const QRegularExpression line(QStringLiteral(R"re(<text x="209" y="2(38|62)">([^<]*)</text>)re"));
    QStringList texts;
    for (auto it = line.globalMatch(svg); it.hasNext();) {
        texts.append(it.next().captured(2));
    }
    QCOMPARE(texts.size(), 2);
    const std::string alphabet = "ESARINBCDFGHJKLMOPQUVWXYZT"; // TESSARIN keyed, moved one place: no self-letter
    QCOMPARE(MakeAlphabetUnique(alphabet), alphabet);
    QCOMPARE(QString::fromStdString(SubstituteLetters(texts[1].toStdString(), alphabet)), texts[0]);
}

void ShellTest::splashKeepsTheHourglassUntilTheMainWindowIsActive()
{
    TSplashScreen splash;
    splash.showAtStart();
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QElapsedTimer clock;
    clock.start();
    splash.pause(120);
    QVERIFY(clock.elapsed() >= 115);
    QWidget main;
    main.show();
    splash.finishWhenActive(&main, 50);
    QTRY_VERIFY(QGuiApplication::overrideCursor() == nullptr);
    QTRY_VERIFY(!splash.isVisible());
}

void ShellTest::soundsAreShortMonoEightBitWaves_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<double>("seconds");
    QTest::newRow("question WAVE_1") << TSoundFX::questionSoundResource() << 0.71;
    QTest::newRow("error WAVE_7") << TSoundFX::errorSoundResource() << 0.17;
}

void ShellTest::soundsAreShortMonoEightBitWaves()
{
    QFETCH(QString, resource);
    QFETCH(double, seconds);
    const WaveFormat wave = readWave(resource);
    QCOMPARE(wave.format, 1);
    QCOMPARE(wave.channels, 1);
    QCOMPARE(wave.sampleRate, 11025);
    QCOMPARE(wave.bits, 8);
    QVERIFY(qAbs(wave.dataBytes / 11025.0 - seconds) < 0.01);
}

// Without a device the sounds still load from the resources and play: no error shows, and starting one sound stops
// the other.
void ShellTest::soundsPlayWithoutAnAudioDevice()
{
    TSoundFX sounds;
    const QList<QSoundEffect*> effects = sounds.findChildren<QSoundEffect*>();
    QCOMPARE(effects.size(), 2);
    QSoundEffect* question =
        effects[0]->source().path().endsWith(QStringLiteral("WAVE_1.wav")) ? effects[0] : effects[1];
    QSoundEffect* error = question == effects[0] ? effects[1] : effects[0];
    QCOMPARE(question->source(), QUrl(QStringLiteral("qrc") + TSoundFX::questionSoundResource()));
    QCOMPARE(error->source(), QUrl(QStringLiteral("qrc") + TSoundFX::errorSoundResource()));
    sounds.playQuestion();
    QVERIFY(question->isPlaying());
    QTRY_COMPARE(question->status(), QSoundEffect::Ready);
    sounds.playError();
    QVERIFY(!question->isPlaying());
    QVERIFY(error->isPlaying());
    QTRY_COMPARE(error->status(), QSoundEffect::Ready);
    QVERIFY(m_dialogs.shown.isEmpty());
}

void ShellTest::errorsThatEscapeACommandReachTheStopBox()
{
    FailingObject failing;
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(m_dialogs.texts(QStringLiteral("error")), QStringList{QStringLiteral("the command failed")});
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Tessarin 5"));
}

int main(int argc, char** argv)
{
    MakerApplication app(argc, argv);
    ScriptedDialogs dialogs;
    app.setDialogs(&dialogs);
    ShellTest test(dialogs);
    return QTest::qExec(&test, argc, argv);
}

#include "ShellTest.moc"
