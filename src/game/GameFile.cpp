#include "GameFile.h"

#include <QDir>
#include <QFileInfo>

#include "PuzzleFileIO.h"

void LoadGamePuzzle(GamePuzzle& puzzle, const QString& path)
{
    const GameFileValues values = LoadGameFile(path);
    puzzle.TakeValues(values);
}

void SaveGamePuzzle(GamePuzzle& puzzle)
{
    puzzle.StoreBoard();
    SaveGameSolutions(QString::fromStdString(puzzle.FileName), puzzle.Solutions());
}

bool QuerySaveSolutions(const GamePuzzle& puzzle, const std::function<SaveAnswer()>& ask,
                        const std::function<void()>& save)
{
    if (!puzzle.GameChanged) {
        return true;
    }
    switch (ask()) {
    case SaveAnswer::Yes:
        save();
        return true;
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

QString MakerProgramName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("tessarin5.exe");
#else
    return QStringLiteral("tessarin5");
#endif
}

QString OpenStartFolder(const QString& currentFolder, const QString& documentsFolder)
{
    if (QFileInfo(QDir(currentFolder).filePath(MakerProgramName())).isFile()) {
        return documentsFolder + QStringLiteral("/Dunmarrow/Ciphers/");
    }
    return currentFolder + QStringLiteral("/");
}

QString GameCaption(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return QStringLiteral("Tessarin 5 Game - ") + name.left(qMax(0, name.size() - 5));
}
