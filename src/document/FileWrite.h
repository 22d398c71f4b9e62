#pragma once

#include <functional>
#include <optional>

#include <QString>

class QIODevice;

/// Why a file could not be written: while opening it, or later (a full disk), and the system's reason.
struct FileWriteFailure
{
    bool opening = false;
    QString reason;
};

/// The message of a file that cannot be written: "Cannot create file "PATH". REASON".
QString CannotCreateFileMessage(const QString& path, const QString& reason);

/// Writes the file at path through write(). A regular file, or a path where none is yet, is written to a
/// temporary file beside it that then replaces it whole, so that a failure leaves the old file as it was. Anything
/// else there (a device such as /dev/null, a pipe) is written in place: a rename would put a file where it stands.
/// A folder is refused. write() may throw; the old file then stays too.
std::optional<FileWriteFailure> WriteWholeFile(const QString& path, const std::function<void(QIODevice&)>& write);
