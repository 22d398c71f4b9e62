#include "MakerStartup.h"

#include <QCommandLineParser>
#include <QIcon>

#include "Acn5MainForm.h"
#include "AcnProcsUnit.h"
#include "MakerApplication.h"
#include "MakerIcons.h"
#include "QtUiServices.h"
#include "Random.h"
#include "SFXUnit.h"
#include "SettingsStore.h"
#include "SplashUnit.h"

namespace {
// The command line: one optional puzzle file, plus --help and --version, which answer before any window shows.
QStringList puzzleArguments(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Make classical cryptograms from quotations."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A puzzle file (.acnx) to open at start-up."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    return parser.positionalArguments();
}
} // namespace

int RunMaker(int argc, char** argv)
{
    MakerApplication app(argc, argv);
    const QStringList arguments = puzzleArguments(app);
    app.setWindowIcon(MakerIcon(QStringLiteral("tessarin5")));
    TSplashScreen splash;
    splash.showAtStart();
    splash.pause(1200);

    AcnProcs holder;
    TSoundFX sounds;
    QtDialogs dialogs;
    QtShell shell;
    QtClipboard clipboard;
    app.setDialogs(&dialogs);
    const SettingsStore settings;
    Random rng;
    TAcn5MainForm window(holder, settings, UiServices{&dialogs, &shell, &clipboard, &sounds}, rng);
    window.show();
    splash.finishWhenActive(&window);
    window.FormShow(arguments);
    return QApplication::exec();
}
