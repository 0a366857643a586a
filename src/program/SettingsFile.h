#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

namespace av {

// A settings file in INI form, as a person or an INI editor writes it: "key=value" lines, the
// top level or [General] alone, comments after ; or #, values in double quotes with the quotes
// removed and backslash escapes read. Keys match without regard to case; a later line wins.
class SettingsFile {
  public:
    // Larger than any settings file this program reads can be.
    static constexpr qint64 MaxSize = 64 * 1024;

    // Reads the file at path. A missing file holds no settings; one that cannot be read, that
    // is no regular file (a named pipe, a device) or is larger than MaxSize is passed over
    // whole, never waited on, and problem() says why.
    static SettingsFile read(const QString& path);
    // Settings already in memory.
    static SettingsFile fromText(const QByteArray& text, const QString& path = {});

    const QString& path() const { return m_path; }
    std::optional<QString> value(const QString& key) const;
    // Why the file was passed over, ready for standard error; empty when it was not.
    const QString& problem() const { return m_problem; }

  private:
    QString m_path;
    QHash<QString, QString> m_values; // keys lower-case
    QString m_problem;
};

// One value as INI writes it (the text after "="): the quotes removed, escapes read, and a
// comment after an unquoted ; left off.
QString iniValue(const QString& written);

} // namespace av
