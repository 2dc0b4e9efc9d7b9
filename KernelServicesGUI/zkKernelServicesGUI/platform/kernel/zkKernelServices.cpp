#include "zkKernelServices.h"

#include "QZKIntVector.h"
#include "QZKSpectrum.h"
#include "zkActionService.h"
#include "zkAnimationService.h"
#include "zkCameraService.h"
#include "zkControllerService.h"
#include "zkFileIOService.h"
#include "zkImageService.h"
#include "zkKernelServiceFactory.h"
#include "zkLightService.h"
#include "zkMaterialService.h"
#include "zkNodeService.h"
#include "zkObjectService.h"
#include "zkPlatformService.h"
#include "zkPreferencesService.h"
#include "zkQRPCMetaProperty.h"
#include "zkTreeService.h"
#include "zkVariantSetsService.h"
#include "zkdMaterialClasses.h"
#include "zkdObjectManager.h"
#include "zkdSceneClasses.h"

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
    factory.registerService(new zkMaterialService(&owner));
    factory.registerService(new zkImageService(&owner));
    factory.registerService(new zkFileIOService(&owner));
    auto *preferences = new zkPreferencesService(&owner);
    preferences->useUserStorage();
    factory.registerService(preferences);
    factory.registerService(new zkActionService(&owner));
    factory.registerService(new zkAnimationService(&owner));
    factory.registerService(new zkNodeService(&owner));
    factory.registerService(new zkTreeService(&owner));
    factory.registerService(new zkCameraService(&owner));
    factory.registerService(new zkLightService(&owner));
    factory.registerService(new zkVariantSetsService(&owner));
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
        registerMaterialClasses();
        registerSceneClasses();
        startServices();
        return true;
    }();
    Q_UNUSED(initialized);
}

Q_COREAPP_STARTUP_FUNCTION(initializeKernel)
