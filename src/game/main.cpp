#include <QApplication>

#include "Acn5GameMainUnit.h"
#include "QtUiServices.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarin 5 Game Edition"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tessarin.game"));
    QtDialogs dialogs;
    QtShell shell;
    QtClipboard clipboard;
    SilentSounds sounds;
    TAcn5GameMainForm window({&dialogs, &shell, &clipboard, &sounds});
    window.show();
    return QApplication::exec();
}
