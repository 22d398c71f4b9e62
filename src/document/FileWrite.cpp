#include "FileWrite.h"

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens, writes and finishes one kind of file device; finish() commits what a QSaveFile wrote.
template <class Device, class Finish>
std::optional<FileWriteFailure> writeThrough(Device& file, const std::function<void(QIODevice&)>& write, Finish finish)
{
    if (!file.isOpen() && !file.open(QIODevice::WriteOnly)) {
        return FileWriteFailure{true, file.errorString()};
    }
    write(file);
    if (!file.flush() || file.error() != QFileDevice::NoError || !finish()) {
        return FileWriteFailure{false, file.errorString()};
    }
    return std::nullopt;
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

std::optional<QString> OpenWithoutWaiting(QFile& file, QIODevice::OpenMode mode)
{
    const QByteArray name = QFile::encodeName(file.fileName());
    struct stat info = {};
    if (stat(name.constData(), &info) != 0 || !S_ISFIFO(info.st_mode)) {
        return file.open(mode) ? std::nullopt : std::optional<QString>(file.errorString());
    }
    const bool writing = mode.testFlag(QIODevice::WriteOnly);
    const int fd = ::open(name.constData(), (writing ? O_WRONLY : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENXIO ? QStringLiteral("Nothing reads from the pipe.") : systemReason();
    }
    // Once open, reads and writes wait for the other end as they do on any pipe.
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const QString reason = systemReason();
        ::close(fd);
        return reason;
    }
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return std::nullopt;
}

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
        if (const auto reason = OpenWithoutWaiting(file, QIODevice::WriteOnly)) {
            return FileWriteFailure{true, *reason};
        }
        return writeThrough(file, write, [] { return true; });
    }
    QSaveFile file(path);
    return writeThrough(file, write, [&file] { return file.commit(); });
}
