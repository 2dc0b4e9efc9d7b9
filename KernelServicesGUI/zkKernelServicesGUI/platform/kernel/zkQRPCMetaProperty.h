#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QVariant>

// One reflected property as the object service lists it: name, current value (whose type name is
// the property's value type) and flags.
struct zkQRPCMetaProperty
{
    enum Flag : qint32 {
        Writable = 0x1,
        // The value may change without a notification (command-like properties): callers that
        // cache values must write even when the cached value equals the new one.
        NoCache = 0x2
    };

    QByteArray name;
    QVariant value;
    qint32 flags = 0;

    bool isWritable() const { return flags & Writable; }
    bool isNoCache() const { return flags & NoCache; }

    friend bool operator==(const zkQRPCMetaProperty &a, const zkQRPCMetaProperty &b)
    { return a.name == b.name && a.value == b.value && a.flags == b.flags; }
};

Q_DECLARE_METATYPE(zkQRPCMetaProperty)
