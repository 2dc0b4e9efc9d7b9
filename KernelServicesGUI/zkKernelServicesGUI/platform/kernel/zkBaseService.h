#pragma once

#include <QObject>

// The base of every kernel service. Services are fetched from zkKernelServiceFactory by class.
class zkBaseService : public QObject
{
    Q_OBJECT
public:
    explicit zkBaseService(QObject *parent = nullptr) : QObject(parent) {}
};
