#include "MakerStartup.h"

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

int RunMaker(int argc, char** argv)
{
    MakerApplication app(argc, argv);
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
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    window.FormShow(arguments);
    return QApplication::exec();
}
