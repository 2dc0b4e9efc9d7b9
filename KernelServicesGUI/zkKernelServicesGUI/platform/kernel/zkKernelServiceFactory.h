#pragma once

#include <QByteArray>
#include <QHash>
#include <QPointer>

class zkBaseService;

// The process-wide registry of kernel services, keyed by service class name.
class zkKernelServiceFactory
{
public:
    static zkKernelServiceFactory &the();

    // The service of class S; null, with a line on standard error, when the class is not
    // registered or registered without a service.
    template <typename S>
    S *getService() const { return static_cast<S *>(service(S::staticMetaObject.className())); }
    zkBaseService *service(const char *className) const;

    // Registers (or replaces) the service of its class; the factory does not take ownership.
    void registerService(zkBaseService *service);
    // Registers a class without a service, as a kernel that has not started it yet.
    void registerEmptyService(const char *className);
    void unregisterService(const char *className);
    bool hasService(const char *className) const;
    void clear();

private:
    zkKernelServiceFactory() = default;

    QHash<QByteArray, QPointer<zkBaseService>> m_services;
};
