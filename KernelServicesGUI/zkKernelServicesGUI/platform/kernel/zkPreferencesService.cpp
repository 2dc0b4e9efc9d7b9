#include "zkPreferencesService.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

zkPreferencesService::zkPreferencesService(QObject *parent)
    : zkBaseService(parent)
{
}

void zkPreferencesService::registerCategory(const QString &name, const QString &secondName, QObject *page)
{
    if (name.isEmpty())
        return;
    if (!m_categories.contains(name))
        m_categoryNames.append(name);
    m_categories.insert(name, page);
    if (!secondName.isEmpty())
        m_categories.insert(secondName, page);
}

QStringList zkPreferencesService::getCategoryNames() const
{
    return m_categoryNames;
}

QObject *zkPreferencesService::getCategory(const QString &name) const
{
    return m_categories.value(name);
}

template <typename T>
T zkPreferencesService::value(const QString &key, const T &defaultValue) const
{
    loadUserStorage();
    const QVariant stored = m_values.value(key);
    return stored.canConvert<T>() ? stored.value<T>() : defaultValue;
}

QString zkPreferencesService::getStringValue(const QString &key, const QString &defaultValue) const
{
    return value(key, defaultValue);
}

int zkPreferencesService::getIntValue(const QString &key, int defaultValue) const
{
    return value(key, defaultValue);
}

double zkPreferencesService::getDoubleValue(const QString &key, double defaultValue) const
{
    return value(key, defaultValue);
}

float zkPreferencesService::getFloatValue(const QString &key, float defaultValue) const
{
    return value(key, defaultValue);
}

bool zkPreferencesService::getBoolValue(const QString &key, bool defaultValue) const
{
    return value(key, defaultValue);
}

QColor zkPreferencesService::getRGBAValue(const QString &key, const QColor &defaultValue) const
{
    return value(key, defaultValue);
}

QVector3D zkPreferencesService::getVec3Value(const QString &key, const QVector3D &defaultValue) const
{
    return value(key, defaultValue);
}

bool zkPreferencesService::setStringValue(const QString &key, const QString &value, bool notify)
{
    return setValue(key, value, notify);
}

bool zkPreferencesService::setIntValue(const QString &key, int value, bool notify)
{
    return setValue(key, value, notify);
}

bool zkPreferencesService::setDoubleValue(const QString &key, double value, bool notify)
{
    return setValue(key, value, notify);
}

bool zkPreferencesService::setFloatValue(const QString &key, float value, bool notify)
{
    return setValue(key, value, notify);
}

bool zkPreferencesService::setBoolValue(const QString &key, bool value, bool notify)
{
    return setValue(key, value, notify);
}

bool zkPreferencesService::setRGBAValue(const QString &key, const QColor &value, bool notify)
{
    return setValue(key, value, notify);
}

bool zkPreferencesService::setVec3Value(const QString &key, const QVector3D &value, bool notify)
{
    return setValue(key, value, notify);
}

bool zkPreferencesService::setValue(const QString &key, const QVariant &value, bool notify)
{
    loadUserStorage();
    // Values read from the storage file come back as text until they are set again.
    const auto it = m_values.constFind(key);
    if (it != m_values.constEnd()) {
        QVariant stored = *it;
        if (stored.convert(value.userType()) && stored == value)
            return false;
    }
    m_values.insert(key, value);
    if (notify)
        emit preferenceValueChanged(key);
    return true;
}

void zkPreferencesService::setStorageFile(const QString &fileName)
{
    m_userStoragePending = false;
    load(fileName);
}

QString zkPreferencesService::getStorageFile() const
{
    loadUserStorage();
    return m_storageFile;
}

void zkPreferencesService::useUserStorage()
{
    m_userStoragePending = true;
}

void zkPreferencesService::load(const QString &fileName) const
{
    m_storageFile = fileName;
    const QSettings settings(fileName, QSettings::IniFormat);
    for (const QString &key : settings.allKeys())
        m_values.insert(key, settings.value(key));
}

void zkPreferencesService::loadUserStorage() const
{
    if (!m_userStoragePending)
        return;
    m_userStoragePending = false;
    const QDir location(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    load(location.filePath(QStringLiteral("preferences.ini")));
}

bool zkPreferencesService::save()
{
    loadUserStorage();
    if (m_storageFile.isEmpty())
        return false;
    QSettings settings(m_storageFile, QSettings::IniFormat);
    for (auto it = m_values.constBegin(); it != m_values.constEnd(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

void zkPreferencesService::setDefaults(const QString &name, bool overwrite)
{
    emit preferencesSetDefault(name, overwrite);
}

void zkPreferencesService::storeGUI()
{
    emit preferencesStoreGUI();
}

void zkPreferencesService::apply(const QString &name, bool force)
{
    emit preferencesApply(name, force);
}

void zkPreferencesService::updateGUI(const QString &name)
{
    emit preferencesChanged(name);
}

void zkPreferencesService::newScene()
{
    emit preferencesNewScene();
}
