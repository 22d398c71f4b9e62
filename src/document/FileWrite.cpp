#include "FileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Opens, writes and finishes one kind of file device; finish() commits what a QSaveFile wrote.
template <class Device, class Finish>
std::optional<FileWriteFailure> writeThrough(Device& file, const std::function<void(QIODevice&)>& write, Finish finish)
{
    if (!file.open(QIODevice::WriteOnly)) {
        return FileWriteFailure{true, file.errorString()};
    }
    write(file);
    if (!file.flush() || file.error() != QFileDevice::NoError || !finish()) {
        return FileWriteFailure{false, file.errorString()};
    }
    return std::nullopt;
}

} // namespace

QString CannotCreateFileMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason);
}

std::optional<FileWriteFailure> WriteWholeFile(const QString& path, const std::function<void(QIODevice&)>& write)
{
    const QFileInfo target(path);
    if (target.isDir()) {
        return FileWriteFailure{false, QStringLiteral("It is a folder, not a file.")};
    }
    if (target.exists() && !target.isFile()) {
        QFile file(path);
        return writeThrough(file, write, [] { return true; });
    }
    QSaveFile file(path);
    return writeThrough(file, write, [&file] { return file.commit(); });
}
