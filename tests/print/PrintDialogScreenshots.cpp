// Saves pictures of the print dialog into the folder given as the only argument: print-dialog.png at its design
// size with a cryptogram of several pages, print-dialog-zoomed.png zoomed in on the second page, and
// print-dialog-fit-width.png. Run by hand (under tests/support/with-xvfb.sh for this system's fonts) to look at them.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "AcnPrintUnit.h"
#include "ScriptedUi.h"
#include "SettingsStore.h"

namespace {
void save(QWidget& window, const QDir& folder, const QString& name)
{
    QTest::qWait(300);
    window.grab().save(folder.filePath(name));
}

void trigger(QWidget& window, const char* action)
{
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QTemporaryDir home;
    AcnProcs holder;
    holder.Puzzle.FileName = "/home/author/Class Test.acnx";
    for (int i = 0; i < 80; ++i) {
        holder.Puzzle.PLAIN += "The quick brown fox jumps over the lazy dog. ";
        holder.Puzzle.CIPHER += "ZIT JXOEA WKGVF YGB PXDHL GCTK ZIT SQMN RGU. ";
    }
    holder.Puzzle.CIPHKEY = "QWERTYUIOPASDFGHJKLZXCVBNM";
    ScriptedUi ui;
    const SettingsStore settings(home.filePath(QStringLiteral("settings.conf")));
    TAcnPrintForm form(holder, settings, ui.services(), CipherKind::Cipher);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        return 1;
    }
    form.findChild<QRadioButton*>(QStringLiteral("SamePgBtn"))->click();
    save(form, folder, QStringLiteral("print-dialog.png"));
    trigger(form, "NextPageAct");
    trigger(form, "ZoomInAct");
    trigger(form, "ZoomInAct");
    save(form, folder, QStringLiteral("print-dialog-zoomed.png"));
    trigger(form, "FitWidthAct");
    save(form, folder, QStringLiteral("print-dialog-fit-width.png"));
    return 0;
}
