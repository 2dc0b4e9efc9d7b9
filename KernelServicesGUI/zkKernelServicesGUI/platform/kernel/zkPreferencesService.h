#pragma once

#include "zkBaseService.h"

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QVector3D>

// The application's preferences: typed values by key, and the preference pages that show them.
// Pages follow the signals; a signal's name selects one page, an empty name every page. Values
// live in memory and are written to the storage file, when there is one, by save().
class zkPreferencesService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkPreferencesService(QObject *parent = nullptr);

    // Registers a page (a widget of the application) under its name, and an optional second
    // name it is also known by.
    void registerCategory(const QString &name, const QString &secondName, QObject *page);
    QStringList getCategoryNames() const;
    QObject *getCategory(const QString &name) const;

    // The stored value, or defaultValue when the key has none of that type.
    QString getStringValue(const QString &key, const QString &defaultValue = QString()) const;
    int getIntValue(const QString &key, int defaultValue = 0) const;
    double getDoubleValue(const QString &key, double defaultValue = 0.0) const;
    float getFloatValue(const QString &key, float defaultValue = 0.0f) const;
    bool getBoolValue(const QString &key, bool defaultValue = false) const;
    QColor getRGBAValue(const QString &key, const QColor &defaultValue = QColor()) const;
    QVector3D getVec3Value(const QString &key, const QVector3D &defaultValue = QVector3D()) const;

    // Store a value; true when the stored value changed. With notify, a change emits
    // preferenceValueChanged.
    bool setStringValue(const QString &key, const QString &value, bool notify = true);
    bool setIntValue(const QString &key, int value, bool notify = true);
    bool setDoubleValue(const QString &key, double value, bool notify = true);
    bool setFloatValue(const QString &key, float value, bool notify = true);
    bool setBoolValue(const QString &key, bool value, bool notify = true);
    bool setRGBAValue(const QString &key, const QColor &value, bool notify = true);
    bool setVec3Value(const QString &key, const QVector3D &value, bool notify = true);

    // Reads the values of an INI file, which save() then writes.
    void setStorageFile(const QString &fileName);
    QString getStorageFile() const;
    // Keeps the values in "preferences.ini" of the application's configuration location. The
    // file is read when a value is first needed, so that an application name set after start-up
    // and QStandardPaths' test mode decide where it is.
    void useUserStorage();
    // False when there is no storage file or it cannot be written.
    bool save();

    // The requests the application makes of the pages.
    void setDefaults(const QString &name = QString(), bool overwrite = true);
    void storeGUI();
    void apply(const QString &name = QString(), bool force = false);
    void updateGUI(const QString &name = QString());
    void newScene();

signals:
    void preferencesSetDefault(const QString &name, bool overwrite);
    void preferencesStoreGUI();
    void preferencesApply(const QString &name, bool force);
    void preferencesChanged(const QString &name);
    void preferencesNewScene();
    void preferenceValueChanged(const QString &key);

private:
    bool setValue(const QString &key, const QVariant &value, bool notify);
    template <typename T>
    T value(const QString &key, const T &defaultValue) const;
    void load(const QString &fileName) const;
    void loadUserStorage() const;

    // Reading the user's file on first use changes no value a caller has seen.
    mutable QVariantMap m_values;
    QStringList m_categoryNames;
    QHash<QString, QPointer<QObject>> m_categories;
    mutable QString m_storageFile;
    mutable bool m_userStoragePending = false;
};
