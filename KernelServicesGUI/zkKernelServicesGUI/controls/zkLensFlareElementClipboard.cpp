#include "zkLensFlareElementClipboard.h"

#include <zkLensFlareTypes.h>
#include <zkScopedUndo.h>
#include <zkdClassInfo.h>
#include <zkdLensFlareEffect.h>
#include <zkdLensFlareGhost.h>
#include <zkdLensFlareGhostLine.h>
#include <zkdObjectData.h>
#include <zkdObjectManager.h>

#include <QClipboard>
#include <QDataStream>
#include <QGuiApplication>
#include <QMetaEnum>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSet>
#include <QVector2D>
#include <QVector3D>

#include <algorithm>
#include <cmath>

namespace {

constexpr quint32 magic = 0x7a6b4c46; // "zkLF"
constexpr quint16 version = 1;
constexpr QDataStream::Version streamVersion = QDataStream::Qt_5_12;
// Far more than an effect ever holds; a count beyond them marks the payload as malformed.
constexpr quint32 maximumElements = 4096;
constexpr quint32 maximumGhosts = 4096;

const QByteArray &ghostLineClass()
{
    static const QByteArray name(zkdLensFlareGhostLine::staticMetaObject.className());
    return name;
}

bool isElementClass(const QByteArray &className)
{
    for (const auto type : {zkLensFlareTypes::GhostLine, zkLensFlareTypes::Glow, zkLensFlareTypes::Ring,
                            zkLensFlareTypes::Starburst, zkLensFlareTypes::Streak}) {
        if (zkdLensFlareEffect::elementClassName(type) == className)
            return true;
    }
    return false;
}

bool isEnumeration(int type)
{
    return QMetaType::typeFlags(type) & QMetaType::IsEnumeration;
}

bool isHandle(int type)
{
    return zkdObjectManager::classInfo(QByteArray(QMetaType::typeName(type))) != nullptr;
}

bool isKnownEnumerator(int type, int value)
{
    const QMetaObject *scope = QMetaType::metaObjectForType(type);
    if (!scope)
        return false;
    QByteArray name(QMetaType::typeName(type));
    name = name.mid(name.lastIndexOf(':') + 1);
    const int index = scope->indexOfEnumerator(name.constData());
    return index >= 0 && scope->enumerator(index).valueToKey(value) != nullptr;
}

// The properties a payload carries: writable plain values of the types below. Owned lists and
// sub-objects are left out; ghosts travel with their line.
bool isCarried(const zkdPropertyInfo &info)
{
    if (!(info.flags & zkdPropertyInfo::Writable)
            || (info.flags & (zkdPropertyInfo::SubObject | zkdPropertyInfo::NoCache)))
        return false;
    switch (info.type) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Float:
    case QMetaType::Double:
    case QMetaType::QString:
    case QMetaType::QVector2D:
    case QMetaType::QVector3D:
        return true;
    default:
        return isEnumeration(info.type) || isHandle(info.type);
    }
}

void writeValue(QDataStream &out, int type, const QVariant &value)
{
    switch (type) {
    case QMetaType::Bool: out << value.toBool(); break;
    case QMetaType::Int: out << qint32(value.toInt()); break;
    case QMetaType::UInt: out << quint32(value.toUInt()); break;
    case QMetaType::Float: out << value.toFloat(); break;
    case QMetaType::Double: out << value.toDouble(); break;
    case QMetaType::QString: out << value.toString(); break;
    case QMetaType::QVector2D: {
        const auto v = value.value<QVector2D>();
        out << v.x() << v.y();
        break;
    }
    case QMetaType::QVector3D: {
        const auto v = value.value<QVector3D>();
        out << v.x() << v.y() << v.z();
        break;
    }
    default:
        if (isEnumeration(type))
            out << qint32(*static_cast<const int *>(value.constData()));
        else
            out << zkdObjectManager::fromVariant(value).getObjectId();
        break;
    }
}

bool finite(std::initializer_list<float> values)
{
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

// Reads a value of the type; false for bytes that no writer makes. A reference to an object of
// another process, or one that is gone, reads as invalid: the property keeps its default.
bool readValue(QDataStream &in, int type, bool ownSession, QVariant *value)
{
    switch (type) {
    case QMetaType::Bool: {
        qint8 v = 0;
        in >> v;
        *value = bool(v);
        return v == 0 || v == 1;
    }
    case QMetaType::Int: {
        qint32 v = 0;
        in >> v;
        *value = int(v);
        return true;
    }
    case QMetaType::UInt: {
        quint32 v = 0;
        in >> v;
        *value = uint(v);
        return true;
    }
    case QMetaType::Float: {
        float v = 0;
        in >> v;
        *value = v;
        return finite({v});
    }
    case QMetaType::Double: {
        double v = 0;
        in >> v;
        *value = v;
        return std::isfinite(v);
    }
    case QMetaType::QString: {
        QString v;
        in >> v;
        *value = v;
        return true;
    }
    case QMetaType::QVector2D: {
        float x = 0, y = 0;
        in >> x >> y;
        *value = QVector2D(x, y);
        return finite({x, y});
    }
    case QMetaType::QVector3D: {
        float x = 0, y = 0, z = 0;
        in >> x >> y >> z;
        *value = QVector3D(x, y, z);
        return finite({x, y, z});
    }
    default:
        break;
    }
    if (isEnumeration(type)) {
        qint32 v = 0;
        in >> v;
        *value = QVariant(type, &v);
        return isKnownEnumerator(type, v);
    }
    quint64 id = 0;
    in >> id;
    const zkdObject object = ownSession ? zkdObjectManager::find(id) : zkdObject();
    const zkdClassInfo *target = zkdObjectManager::classInfo(QByteArray(QMetaType::typeName(type)));
    const zkdClassInfo *found = object.isNull() ? nullptr : zkdObjectManager::classInfo(object.getTypeId());
    *value = found && found->inherits(target) ? QVariant(type, &object) : QVariant();
    return true;
}

void writeValues(QDataStream &out, const zkdObject &object)
{
    const std::shared_ptr<zkdObjectData> data = object.ptr();
    const QVector<zkdPropertyInfo> &properties = data->classInfo().properties;
    QVector<int> carried;
    for (int i = 0; i < properties.size(); ++i) {
        if (isCarried(properties.at(i)))
            carried.append(i);
    }
    out << quint32(carried.size());
    for (const int i : qAsConst(carried)) {
        out << properties.at(i).name;
        writeValue(out, properties.at(i).type, data->property(i));
    }
}

bool readValues(QDataStream &in, const zkdClassInfo &info, bool ownSession, zkLensFlareElementClipboard::Values *values)
{
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > quint32(info.properties.size()))
        return false;
    QSet<QByteArray> seen;
    for (quint32 i = 0; i < count; ++i) {
        QByteArray name;
        in >> name;
        const int index = info.indexOf(name);
        if (in.status() != QDataStream::Ok || index < 0 || !isCarried(info.properties.at(index)) || seen.contains(name))
            return false;
        seen.insert(name);
        QVariant value;
        if (!readValue(in, info.properties.at(index).type, ownSession, &value) || in.status() != QDataStream::Ok)
            return false;
        if (value.isValid())
            values->append({name, value});
    }
    return true;
}

void applyValues(const zkdObject &object, const zkLensFlareElementClipboard::Values &values)
{
    for (const auto &value : values)
        object.setProperty(value.first.constData(), value.second);
}

} // namespace

QString zkLensFlareElementClipboard::mimeType()
{
    return QStringLiteral("application/zelk-lensflare-elements");
}

quint64 zkLensFlareElementClipboard::session()
{
    static const quint64 id = QRandomGenerator::system()->generate64() | 1;
    return id;
}

QByteArray zkLensFlareElementClipboard::encode(const QList<zkdLensFlareElement> &elements)
{
    QList<zkdLensFlareElement> live;
    for (const zkdLensFlareElement &element : elements) {
        if (element.ptr() && isElementClass(element.getTypeName().toUtf8()))
            live.append(element);
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    out << magic << version << session() << quint32(live.size());
    for (const zkdLensFlareElement &element : qAsConst(live)) {
        const QByteArray className = element.getTypeName().toUtf8();
        out << className;
        writeValues(out, element);
        const QList<zkdLensFlareGhost> ghosts = zkd_cast<zkdLensFlareGhostLine>(element).getGhosts();
        out << quint32(ghosts.size());
        for (const zkdLensFlareGhost &ghost : ghosts)
            writeValues(out, ghost);
    }
    return bytes;
}

bool zkLensFlareElementClipboard::decode(const QByteArray &bytes, Payload *payload)
{
    QDataStream in(bytes);
    in.setVersion(streamVersion);
    quint32 readMagic = 0;
    quint16 readVersion = 0;
    Payload result;
    quint32 count = 0;
    in >> readMagic >> readVersion >> result.session >> count;
    if (in.status() != QDataStream::Ok || readMagic != magic || readVersion != version || count > maximumElements)
        return false;
    const bool ownSession = result.session == session();
    const zkdClassInfo *ghostInfo =
            zkdObjectManager::classInfo(QByteArray(zkdLensFlareGhost::staticMetaObject.className()));
    for (quint32 i = 0; i < count; ++i) {
        Element element;
        in >> element.className;
        const zkdClassInfo *info = in.status() == QDataStream::Ok && isElementClass(element.className)
                ? zkdObjectManager::classInfo(element.className)
                : nullptr;
        if (!info || !readValues(in, *info, ownSession, &element.values))
            return false;
        quint32 ghosts = 0;
        in >> ghosts;
        if (in.status() != QDataStream::Ok || ghosts > maximumGhosts
            || (ghosts > 0 && element.className != ghostLineClass()))
            return false;
        for (quint32 g = 0; g < ghosts; ++g) {
            Values values;
            if (!readValues(in, *ghostInfo, ownSession, &values))
                return false;
            element.ghosts.append(values);
        }
        result.elements.append(element);
    }
    if (!in.atEnd())
        return false;
    *payload = result;
    return true;
}

QList<zkdLensFlareElement> zkLensFlareElementClipboard::createElements(const Payload &payload)
{
    // Objects outside every effect are no part of the scene; their setup is no undo step.
    const zkScopedUndo noUndo(false);
    QList<zkdLensFlareElement> elements;
    for (const Element &element : payload.elements) {
        const auto created = zkd_cast<zkdLensFlareElement>(zkdObjectManager::create(element.className));
        if (created.isNull())
            continue;
        applyValues(created, element.values);
        if (const auto line = zkd_cast<zkdLensFlareGhostLine>(created); !line.isNull()) {
            QList<zkdLensFlareGhost> ghosts;
            for (const Values &values : element.ghosts) {
                const auto ghost = zkdObjectManager::create<zkdLensFlareGhost>();
                applyValues(ghost, values);
                ghosts.append(ghost);
            }
            line.insertGhosts(ghosts);
        }
        elements.append(created);
    }
    return elements;
}

void zkLensFlareElementClipboard::copy(const QList<zkdLensFlareElement> &elements)
{
    auto *mimeData = new QMimeData;
    mimeData->setData(mimeType(), encode(elements));
    QGuiApplication::clipboard()->setMimeData(mimeData);
}

bool zkLensFlareElementClipboard::hasForeignPayload()
{
    Payload payload;
    return foreignPayload(&payload);
}

bool zkLensFlareElementClipboard::foreignPayload(Payload *payload)
{
    const QMimeData *mimeData = QGuiApplication::clipboard()->mimeData();
    if (!mimeData || !mimeData->hasFormat(mimeType()))
        return false;
    Payload decoded;
    if (!decode(mimeData->data(mimeType()), &decoded) || decoded.session == session())
        return false;
    *payload = decoded;
    return true;
}
