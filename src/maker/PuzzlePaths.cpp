#include "PuzzlePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString withSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

QString PuzzleFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Dunmarrow/Ciphers");
}

QString DefaultPuzzlePath()
{
    return PuzzleFolder() + QStringLiteral("/Untitled.acnx");
}

QString OpenDialogFolder(const QString& currentFolder, const QString& programFolder)
{
    if (QDir::cleanPath(currentFolder) == QDir::cleanPath(programFolder)) {
        return withSlash(PuzzleFolder());
    }
    return withSlash(currentFolder);
}

void PreparePuzzleFolderFor(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QDir::cleanPath(folder) == QDir::cleanPath(PuzzleFolder()) && !QDir(folder).exists()) {
        QDir().mkpath(folder);
    }
}
