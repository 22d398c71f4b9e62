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

// The writers' device: passes every write on to the file whole. A disk that fills up takes what still fits of a
// write and reports no error for it, so that a file cut short would be committed as written; the rest is written
// again instead, which fails with the reason. The first failure is kept.
class WholeWrites : public QIODevice
{
public:
    explicit WholeWrites(QFileDevice& file) : m_file(file) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    const std::optional<QString>& failure() const { return m_failure; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        for (qint64 done = 0; done < size && !m_failure;) {
            const qint64 written = m_file.write(data + done, size - done);
            if (written <= 0) {
                m_failure = m_file.errorString();
                setErrorString(*m_failure);
            }
            done += qMax<qint64>(written, 0);
        }
        return m_failure ? -1 : size;
    }

private:
    QFileDevice& m_file;
    std::optional<QString> m_failure;
};

// Opens, writes and finishes one kind of file device; finish() commits what a QSaveFile wrote. The file is written
// unbuffered, so that every write reaches the disk through WholeWrites and a failing one has its reason.
template <class Device, class Finish>
std::optional<FileWriteFailure> writeThrough(Device& file, const std::function<void(QIODevice&)>& write, Finish finish)
{
    if (!file.isOpen() && !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return FileWriteFailure{true, file.errorString()};
    }
    WholeWrites whole(file);
    write(whole);
    if (whole.failure()) {
        return FileWriteFailure{false, *whole.failure()};
    }
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
        // Not reported as opening: a pipe that nothing reads from or a device is not a file locked by a program.
        if (const auto reason = OpenWithoutWaiting(file, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return FileWriteFailure{false, *reason};
        }
        return writeThrough(file, write, [] { return true; });
    }
    QSaveFile file(path);
    return writeThrough(file, write, [&file] { return file.commit(); });
}
