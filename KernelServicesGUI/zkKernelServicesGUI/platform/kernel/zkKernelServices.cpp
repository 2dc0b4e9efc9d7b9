#include "zkKernelServices.h"

#include "QZKIntVector.h"
#include "QZKSpectrum.h"
#include "zkControllerService.h"
#include "zkKernelServiceFactory.h"
#include "zkObjectService.h"
#include "zkPlatformService.h"
#include "zkQRPCMetaProperty.h"
#include "zkdObjectManager.h"

#include <QCoreApplication>

namespace {

void registerBaseClasses()
{
    zkdObjectManager::registerClass<zkdObject>({
        zkdProperty::value<bool>("null", false, 0),
        zkdProperty::value<bool>("visible", true),
        zkdProperty::value<quint64>("objectId", 0, 0),
        zkdProperty::value<quint64>("typeId", 0, 0),
    });
    zkdObjectManager::registerClass<zkdSceneObject>();
}

void startServices()
{
    static QObject owner;
    zkKernelServiceFactory &factory = zkKernelServiceFactory::the();
    factory.registerService(new zkObjectService(&owner));
    factory.registerService(new zkControllerService(&owner));
    factory.registerService(new zkPlatformService(&owner));
}

void initializeKernel()
{
    zkKernelServices::initialize();
}

} // namespace

void zkKernelServices::initialize()
{
    static const bool initialized = [] {
        qRegisterMetaType<zkQRPCMetaProperty>("zkQRPCMetaProperty");
        registerQZKSpectrumType();
        registerQZKIntVectorTypes();
        registerBaseClasses();
        startServices();
        return true;
    }();
    Q_UNUSED(initialized);
}

Q_COREAPP_STARTUP_FUNCTION(initializeKernel)
