#pragma once

#include <functional>
#include <optional>

#include <QFile>
#include <QString>

/// Why a file could not be written: while opening a file (one another program may hold), or later (a full disk, or
/// a device or pipe that cannot be written), and the system's reason.
struct FileWriteFailure
{
    bool opening = false;
    QString reason;
};

/// Opens file (named by its fileName()) in mode; returns the system's reason when it cannot. A pipe (FIFO) is opened
/// without waiting for a program at its other end, as a plain open would, and the window with it, for as long as none
/// comes: read, it then gives what a writer sends, or nothing when none is there; written, one that nothing reads
/// from fails with "Nothing reads from the pipe.".
std::optional<QString> OpenWithoutWaiting(QFile& file, QIODevice::OpenMode mode);

/// The message of a file that cannot be written: "Cannot create file "PATH". REASON".
QString CannotCreateFileMessage(const QString& path, const QString& reason);

/// Writes the file at path through write(). A regular file, or a path where none is yet, is written to a
/// temporary file beside it that then replaces it whole, so that a failure leaves the old file as it was. Anything
/// else there (a device such as /dev/null, a pipe) is written in place: a rename would put a file where it stands.
/// A folder is refused. write() may throw; the old file then stays too.
std::optional<FileWriteFailure> WriteWholeFile(const QString& path, const std::function<void(QIODevice&)>& write);
