#pragma once

#include <memory>

#include <QString>

class QSettings;

/// The maker's per-user settings: named text and integer values that keep their type. Every call opens and
/// closes the store by itself. On Windows it is the registry key Software\Dunmarrow32\Tessarin; elsewhere the file
/// Dunmarrow32/Tessarin.conf in the user's configuration folder, in a format that records each value's type.
class SettingsStore
{
public:
    /// The user's own store.
    SettingsStore();
    /// A store in the given file (tests, or a portable set-up).
    explicit SettingsStore(QString filePath);

    /// The stored text, or defaultValue when absent. Throws TessarinError "Invalid data type for '%s'" for a value
    /// stored as an integer.
    QString ReadSetting(const QString& name, const QString& defaultValue) const;
    /// The stored integer, or defaultValue when absent. Throws "Invalid data type for '%s'" for a text value.
    int ReadSetting(const QString& name, int defaultValue) const;

    /// Stores text. Throws TessarinError "Failed to set data for '%s'" when the store refuses.
    void WriteSetting(const QString& name, const QString& value) const;
    /// Stores a 32-bit integer. Throws "Failed to set data for '%s'" when the store refuses.
    void WriteSetting(const QString& name, int value) const;

private:
    std::unique_ptr<QSettings> open() const;
    QString m_filePath;
};
