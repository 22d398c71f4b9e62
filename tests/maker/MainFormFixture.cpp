#include "MainFormFixture.h"

#include <QDir>
#include <QStandardPaths>
#include <QTabBar>
#include <QTest>

#include "PuzzleFileIO.h"

MainFormFixture::MainFormFixture()
{
    qputenv("HOME", m_home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (m_home.path() + QStringLiteral("/config")).toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QDir(m_home.path()).mkpath(QStringLiteral("bin"));
    settings = std::make_unique<SettingsStore>(m_home.path() + QStringLiteral("/settings.conf"));
    window = std::make_unique<TAcn5MainForm>(holder, *settings, ui.services(), rng);
    window->setProgramFolder(m_home.path() + QStringLiteral("/bin"));
    window->setPauseFunction([this](int ms) { pauses.append(ms); });
}

MainFormFixture::~MainFormFixture()
{
    // The close question must not run when the fixture ends.
    holder.Puzzle.Changed = false;
    window.reset();
}

void MainFormFixture::start(const QStringList& arguments)
{
    window->show();
    window->FormShow(arguments);
}

void MainFormFixture::encrypt(const QString& plain) const
{
    source()->setPlainText(plain);
    trigger(QStringLiteral("EncryptAct"));
}

void MainFormFixture::startEncrypted(const QString& plain)
{
    start();
    encrypt(plain);
}

QString MainFormFixture::panel(int index) const
{
    return find<QLabel>(QStringLiteral("StatusPanel%1").arg(index))->text();
}

QString MainFormFixture::marks() const
{
    QString out;
    for (int i = 0; i < 5; ++i) {
        out += panel(i).isEmpty() ? QStringLiteral(".") : panel(i);
    }
    return out;
}

void MainFormFixture::selectTab(CipherKind kind) const
{
    find<QTabBar>(QStringLiteral("TabSet1"))->setCurrentIndex(kind == CipherKind::None ? 5 : int(kind));
}

QString MainFormFixture::writePuzzle(const QString& name, PuzzleDocument doc) const
{
    const QString path = m_home.path() + u'/' + name;
    SavePuzzleFile(doc, path);
    return path;
}
