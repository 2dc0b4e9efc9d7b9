#include "zkPreferencesCategory.h"

#include <zkKernelServiceFactory.h>
#include <zkPreferencesService.h>

#include <QColor>
#include <QVector3D>

namespace {

zkPreferencesService *preferences()
{
    return zkKernelServiceFactory::the().getService<zkPreferencesService>();
}

} // namespace

zkPreferencesCategory::zkPreferencesCategory(const QString &name)
    : m_name(name)
{
}

void zkPreferencesCategory::registerCategory()
{
    zkPreferencesService *service = preferences();
    if (!service)
        return;
    connect(service, &zkPreferencesService::preferencesSetDefault, this, &zkPreferencesCategory::preferencesSetDefault);
    connect(service, &zkPreferencesService::preferencesStoreGUI, this, &zkPreferencesCategory::preferencesStoreGUI);
    connect(service, &zkPreferencesService::preferencesApply, this, &zkPreferencesCategory::preferencesApply);
    connect(service, &zkPreferencesService::preferencesChanged, this, &zkPreferencesCategory::preferencesUpdateGUI);
    connect(service, &zkPreferencesService::preferencesNewScene, this, &zkPreferencesCategory::preferencesNewScene);
    service->registerCategory(m_name, QString(), this);
}

bool zkPreferencesCategory::isAddressed(const QString &name) const
{
    return name.isEmpty() || name == m_name;
}

void zkPreferencesCategory::preferencesSetDefault(const QString &name, bool overwrite)
{
    if (isAddressed(name))
        setDefaults(overwrite);
}

void zkPreferencesCategory::preferencesStoreGUI()
{
    m_unchanged.clear();
    storeGUI();
}

void zkPreferencesCategory::preferencesApply(const QString &name, bool force)
{
    if (!isAddressed(name))
        return;
    if (force)
        m_unchanged.clear();
    apply();
    m_unchanged.clear();
}

void zkPreferencesCategory::preferencesUpdateGUI(const QString &name)
{
    if (isAddressed(name))
        updateGUI();
}

void zkPreferencesCategory::preferencesNewScene()
{
    newScene();
}

QString zkPreferencesCategory::getStringValue(const QString &key, const QString &defaultValue) const
{
    const zkPreferencesService *service = preferences();
    return service ? service->getStringValue(key, defaultValue) : defaultValue;
}

int zkPreferencesCategory::getIntValue(const QString &key, int defaultValue) const
{
    const zkPreferencesService *service = preferences();
    return service ? service->getIntValue(key, defaultValue) : defaultValue;
}

double zkPreferencesCategory::getDoubleValue(const QString &key, double defaultValue) const
{
    const zkPreferencesService *service = preferences();
    return service ? service->getDoubleValue(key, defaultValue) : defaultValue;
}

float zkPreferencesCategory::getFloatValue(const QString &key, float defaultValue) const
{
    const zkPreferencesService *service = preferences();
    return service ? service->getFloatValue(key, defaultValue) : defaultValue;
}

bool zkPreferencesCategory::getBoolValue(const QString &key, bool defaultValue) const
{
    const zkPreferencesService *service = preferences();
    return service ? service->getBoolValue(key, defaultValue) : defaultValue;
}

QColor zkPreferencesCategory::getRGBAValue(const QString &key, const QColor &defaultValue) const
{
    const zkPreferencesService *service = preferences();
    return service ? service->getRGBAValue(key, defaultValue) : defaultValue;
}

QVector3D zkPreferencesCategory::getVec3Value(const QString &key, const QVector3D &defaultValue) const
{
    const zkPreferencesService *service = preferences();
    return service ? service->getVec3Value(key, defaultValue) : defaultValue;
}

void zkPreferencesCategory::setStringValue(const QString &key, const QString &value, bool notify)
{
    zkPreferencesService *service = preferences();
    recordWrite(key, service && service->setStringValue(key, value, notify));
}

void zkPreferencesCategory::setIntValue(const QString &key, int value, bool notify)
{
    zkPreferencesService *service = preferences();
    recordWrite(key, service && service->setIntValue(key, value, notify));
}

void zkPreferencesCategory::setDoubleValue(const QString &key, double value, bool notify)
{
    zkPreferencesService *service = preferences();
    recordWrite(key, service && service->setDoubleValue(key, value, notify));
}

void zkPreferencesCategory::setFloatValue(const QString &key, float value, bool notify)
{
    zkPreferencesService *service = preferences();
    recordWrite(key, service && service->setFloatValue(key, value, notify));
}

void zkPreferencesCategory::setBoolValue(const QString &key, bool value, bool notify)
{
    zkPreferencesService *service = preferences();
    recordWrite(key, service && service->setBoolValue(key, value, notify));
}

void zkPreferencesCategory::setRGBAValue(const QString &key, const QColor &value, bool notify)
{
    zkPreferencesService *service = preferences();
    recordWrite(key, service && service->setRGBAValue(key, value, notify));
}

void zkPreferencesCategory::setVec3Value(const QString &key, const QVector3D &value, bool notify)
{
    zkPreferencesService *service = preferences();
    recordWrite(key, service && service->setVec3Value(key, value, notify));
}

void zkPreferencesCategory::recordWrite(const QString &key, bool changed)
{
    if (!changed)
        addUnchanged(key);
}

void zkPreferencesCategory::addUnchanged(const QString &key)
{
    m_unchanged.insert(key);
}

bool zkPreferencesCategory::isChanged(const QString &key) const
{
    return m_unchanged.find(key) == m_unchanged.end();
}
