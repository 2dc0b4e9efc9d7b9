#pragma once

#include <QString>
#include <QWidget>

#include <set>

class QColor;
class QVector3D;

// The base of a preference page. A page follows the requests of the kernel's preferences service
// that name it (or name no page), and reads and writes its values through that service.
class zkPreferencesCategory : public QWidget
{
    Q_OBJECT
public:
    explicit zkPreferencesCategory(const QString &name);

    const QString &getName() const { return m_name; }

    QString getStringValue(const QString &key, const QString &defaultValue) const;
    int getIntValue(const QString &key, int defaultValue) const;
    double getDoubleValue(const QString &key, double defaultValue) const;
    float getFloatValue(const QString &key, float defaultValue) const;
    bool getBoolValue(const QString &key, bool defaultValue) const;
    QColor getRGBAValue(const QString &key, const QColor &defaultValue) const;
    QVector3D getVec3Value(const QString &key, const QVector3D &defaultValue) const;

    // A write that leaves the stored value as it was marks the key unchanged until the next
    // store or apply.
    void setStringValue(const QString &key, const QString &value, bool notify = true);
    void setIntValue(const QString &key, int value, bool notify = true);
    void setDoubleValue(const QString &key, double value, bool notify = true);
    void setFloatValue(const QString &key, float value, bool notify = true);
    void setBoolValue(const QString &key, bool value, bool notify = true);
    void setRGBAValue(const QString &key, const QColor &value, bool notify = true);
    void setVec3Value(const QString &key, const QVector3D &value, bool notify = true);

    void addUnchanged(const QString &key);
    bool isChanged(const QString &key) const;

public slots:
    virtual void setDefaults(bool overwrite) = 0;
    virtual void apply() = 0;
    virtual void updateGUI() = 0;
    virtual void storeGUI() = 0;

    void preferencesSetDefault(const QString &name, bool overwrite);
    void preferencesStoreGUI();
    void preferencesApply(const QString &name, bool force);
    void preferencesUpdateGUI(const QString &name);
    void preferencesNewScene();

protected slots:
    virtual void newScene() {}

protected:
    // Connects the page to the service and registers it there; called once the page is built.
    void registerCategory();

private:
    bool isAddressed(const QString &name) const;
    // Records the key as unchanged when the service reports that the write changed nothing.
    void recordWrite(const QString &key, bool changed);

    QString m_name;
    std::set<QString> m_unchanged;
};
