#include "zkKernelServiceFactory.h"

#include "zkBaseService.h"

#include <cstdio>

zkKernelServiceFactory &zkKernelServiceFactory::the()
{
    static zkKernelServiceFactory factory;
    return factory;
}

zkBaseService *zkKernelServiceFactory::service(const char *className) const
{
    const auto it = m_services.constFind(QByteArray(className));
    if (it == m_services.constEnd()) {
        std::fprintf(stderr, "zkKernelServiceFactory: couldn't find class '%s'!\n", className);
        return nullptr;
    }
    if (it->isNull()) {
        std::fprintf(stderr, "zkKernelServiceFactory: service '%s' is NULL!\n", className);
        return nullptr;
    }
    return it->data();
}

void zkKernelServiceFactory::registerService(zkBaseService *service)
{
    if (service)
        m_services.insert(QByteArray(service->metaObject()->className()), service);
}

void zkKernelServiceFactory::registerEmptyService(const char *className)
{
    m_services.insert(QByteArray(className), QPointer<zkBaseService>());
}

void zkKernelServiceFactory::unregisterService(const char *className)
{
    m_services.remove(QByteArray(className));
}

bool zkKernelServiceFactory::hasService(const char *className) const
{
    return m_services.contains(QByteArray(className));
}

void zkKernelServiceFactory::clear()
{
    m_services.clear();
}
