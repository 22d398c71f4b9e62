#include <QApplication>
#include <QCommandLineParser>

#include "Acn5GameMainUnit.h"
#include "KindRatings.h"
#include "LanguageModel.h"
#include "QtUiServices.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarin 5 Game Edition"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tessarin.game"));
    // The game opens puzzles only through Open Puzzle; the command line answers --help and --version alone.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Solve the cryptograms of a Tessarin puzzle file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    QtDialogs dialogs;
    QtShell shell;
    QtClipboard clipboard;
    SilentSounds sounds;
    TAcn5GameMainForm window({&dialogs, &shell, &clipboard, &sounds});
    // The kinds' difficulty comes from the solver and the language model installed beside the program.
    window.ratings()->useModelFile(LanguageModel::FileBeside(QCoreApplication::applicationDirPath().toStdString()));
    window.show();
    return QApplication::exec();
}
