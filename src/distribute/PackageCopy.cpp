#include "PackageCopy.h"

#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "LanguageModel.h"
#include "TessarinError.h"

namespace {

[[noreturn]] void fail(const char* what, const QString& path, const QString& reason)
{
    const QString message =
        QStringLiteral("%1 \"%2\". %3").arg(QString::fromUtf8(what), QDir::toNativeSeparators(path), reason);
    throw TessarinError(message.toStdString());
}

[[noreturn]] void failOpen(const QString& path, const QString& reason)
{
    fail("Cannot open file", path, reason);
}

[[noreturn]] void failCreate(const QString& path, const QString& reason)
{
    fail("Cannot create file", path, reason);
}

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

// True when destination names the source file itself: the same canonical path, or another name (a hard link,
// a differently spelled path) of the same file on disk.
bool isSameFile(const QString& source, const QString& destination)
{
    const QString canonicalSource = QFileInfo(source).canonicalFilePath();
    const QString canonicalDestination = QFileInfo(destination).canonicalFilePath();
    if (!canonicalDestination.isEmpty() && canonicalSource == canonicalDestination) {
        return true;
    }
    std::error_code error;
    return std::filesystem::equivalent(fsPath(source), fsPath(destination), error) && !error;
}

// Writes all of data. A write that stops short (a full disk takes what still fits) is followed by one for the rest,
// which fails with the reason that the report needs.
bool writeAll(QSaveFile& out, const char* data, qint64 size)
{
    while (size > 0) {
        const qint64 written = out.write(data, size);
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// Reads until the end (not by the reported size, which some files do not know) and writes every chunk.
void copyBytes(QFile& in, QSaveFile& out, const QString& destination)
{
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 count = in.read(buffer.data(), buffer.size());
        if (count == 0) {
            return;
        }
        if (count < 0) {
            const QString reason = in.errorString();
            out.cancelWriting();
            failOpen(in.fileName(), reason);
        }
        if (!writeAll(out, buffer.constData(), count)) {
            const QString reason = out.errorString();
            out.cancelWriting();
            failCreate(destination, reason);
        }
    }
}

} // namespace

void CopyPackageFile(const QString& source, const QString& destination)
{
    QFile in(source);
    const QFileInfo sourceInfo(source);
    if (sourceInfo.isDir()) {
        failOpen(source, QStringLiteral("It is a folder."));
    }
    // A pipe would keep the window waiting for a writer, and a device such as /dev/zero would never end.
    if (sourceInfo.exists() && !sourceInfo.isFile()) {
        failOpen(source, QStringLiteral("It is a pipe or a device, not a file."));
    }
    if (!in.open(QIODevice::ReadOnly)) {
        failOpen(source, in.errorString());
    }
    if (isSameFile(source, destination)) {
        failCreate(destination, QStringLiteral("It is the file being copied."));
    }
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly)) {
        failCreate(destination, out.errorString());
    }
    copyBytes(in, out, destination);
    out.setPermissions(in.permissions());
    if (!out.commit()) {
        failCreate(destination, out.errorString());
    }
}

namespace {

// Refuses, before anything is copied, a destination that is one of the files to copy: copying an earlier entry
// onto it would destroy a source that is still to come (or the game program itself).
void refuseDestinationsThatAreSources(const QStringList& sources, const QStringList& destinations)
{
    for (const QString& destination : destinations) {
        if (!QFileInfo::exists(destination)) {
            continue;
        }
        for (const QString& source : sources) {
            if (isSameFile(source, destination)) {
                failCreate(destination, QStringLiteral("It is one of the files being copied."));
            }
        }
    }
}

// What goes into the package after the puzzles: the files the game reads from its own folder when they are there
// (the solver's language model, without which it rates no cryptogram and gives no solver's hint), then the game
// program itself.
QStringList sourcesOf(const QStringList& puzzles, const QString& gameProgramPath)
{
    QStringList sources = puzzles;
    const QString folder = QFileInfo(gameProgramPath).absolutePath();
    const QString model = QString::fromStdString(LanguageModel::FileBeside(folder.toStdString()).string());
    if (QFileInfo(model).isFile()) {
        sources << model;
    }
    return sources << gameProgramPath;
}

QStringList destinationsOf(const QStringList& sources, const QString& packageFolder)
{
    const QDir package(packageFolder);
    QStringList destinations;
    for (const QString& source : sources) {
        destinations.append(package.filePath(QFileInfo(source).fileName()));
    }
    return destinations;
}

} // namespace

QStringList PackageReplacements(const QStringList& puzzles, const QString& packageFolder,
                                const QString& gameProgramPath)
{
    const QStringList sources = sourcesOf(puzzles, gameProgramPath);
    const QStringList destinations = destinationsOf(sources, packageFolder);
    refuseDestinationsThatAreSources(sources, destinations);
    QStringList replaced;
    for (const QString& destination : destinations) {
        const QString name = QFileInfo(destination).fileName();
        if (QFileInfo::exists(destination) && !replaced.contains(name)) {
            replaced.append(name);
        }
    }
    return replaced;
}

QString ReplaceQuestionText(const QString& packageFolder, const QStringList& replaced)
{
    constexpr qsizetype Listed = 10;
    QString names = QStringList(replaced.mid(0, Listed)).join(QStringLiteral("\n"));
    if (replaced.size() > Listed) {
        names += QStringLiteral("\n(and %1 more)").arg(replaced.size() - Listed);
    }
    return QStringLiteral("The folder \"%1\" already holds these files:\n%2\nDo you want to replace them?")
        .arg(QDir::toNativeSeparators(packageFolder), names);
}

void BuildPackage(const QStringList& puzzles, const QString& packageFolder, const QString& gameProgramPath)
{
    if (!QFileInfo(packageFolder).isDir()) {
        std::error_code error;
        std::filesystem::create_directory(fsPath(packageFolder), error);
        if (error) {
            fail("Cannot create folder", packageFolder, QString::fromStdString(error.message()));
        }
    }
    const QStringList sources = sourcesOf(puzzles, gameProgramPath);
    const QStringList destinations = destinationsOf(sources, packageFolder);
    refuseDestinationsThatAreSources(sources, destinations);
    for (qsizetype i = 0; i < sources.size(); ++i) {
        CopyPackageFile(sources[i], destinations[i]); // the game program comes last
    }
}
