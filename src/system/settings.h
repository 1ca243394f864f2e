#pragma once
// The per-user settings store: string values addressed by application name, section and
// key.  Each application name is one INI file, "<XDG config home>/kestrana-gallerion/
// <application name>.ini", with one group per section.  Reading takes a default; writing
// creates the file.
#include <QString>

namespace kg {

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
// Returns false when the value could not be stored (read-only or full configuration folder).
bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value);
// Where the file of an application name lives.
QString SettingsFile(const QString& appName);

// A stored number, or `fallback` when the value is absent or not a whole number.
int GetSettingNumber(const QString& appName, const QString& section, const QString& key, int fallback);

} // namespace kg
