#include "system/settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace kg {

QString SettingsFile(const QString& appName)
{
    QString name = appName;
    name.replace(u'/', u'_'); // an application name is a file name, never a path
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/kestrana-gallerion/") + name + QStringLiteral(".ini");
}

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue)
{
    QSettings s(SettingsFile(appName), QSettings::IniFormat);
    s.beginGroup(section);
    const QVariant v = s.value(key);
    if (!v.isValid())
        return defaultValue;
    return v.toString();
}

bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value)
{
    const QString file = SettingsFile(appName);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSettings s(file, QSettings::IniFormat);
    s.beginGroup(section);
    s.setValue(key, value);
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}

int GetSettingNumber(const QString& appName, const QString& section, const QString& key, int fallback)
{
    bool ok = false;
    const int v = GetSetting(appName, section, key).trimmed().toInt(&ok);
    return ok ? v : fallback;
}

} // namespace kg
