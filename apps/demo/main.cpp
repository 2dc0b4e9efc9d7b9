// The demo application: builds the sample scene in the in-memory kernel and lists every object
// with its properties as the property editor's object wrappers see them.

#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkSampleScene.h>
#include <zkdObjectManager.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QQuaternion>
#include <QTextStream>
#include <QVector2D>
#include <QVector3D>

namespace {

QString formatNumber(double value)
{
    return QString::number(value, 'g', 6);
}

QString formatValue(const QVariant &value)
{
    if (!value.isValid())
        return QStringLiteral("<invalid>");
    switch (value.userType()) {
    case QMetaType::QVector2D: {
        const auto v = value.value<QVector2D>();
        return QStringLiteral("(%1, %2)").arg(formatNumber(v.x()), formatNumber(v.y()));
    }
    case QMetaType::QVector3D: {
        const auto v = value.value<QVector3D>();
        return QStringLiteral("(%1, %2, %3)").arg(formatNumber(v.x()), formatNumber(v.y()), formatNumber(v.z()));
    }
    case QMetaType::QQuaternion: {
        const auto q = value.value<QQuaternion>();
        return QStringLiteral("(%1; %2, %3, %4)")
                .arg(formatNumber(q.scalar()), formatNumber(q.x()), formatNumber(q.y()), formatNumber(q.z()));
    }
    case QMetaType::Float:
    case QMetaType::Double:
        return formatNumber(value.toDouble());
    case QMetaType::QStringList:
        return value.toStringList().join(QStringLiteral(", "));
    default:
        break;
    }
    const zkdObject object = zkdObjectManager::fromVariant(value);
    if (!object.isNull())
        return QStringLiteral("%1 #%2").arg(object.getTypeName()).arg(object.getObjectId());
    if (value.canConvert<QString>() && !value.toString().isEmpty())
        return value.toString();
    if (QMetaType::typeFlags(value.userType()) & QMetaType::IsEnumeration)
        return QString::number(value.toInt());
    if (value.canConvert<QVariantList>()) {
        QStringList items;
        for (const QVariant &item : value.value<QVariantList>())
            items.append(formatValue(item));
        return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    return value.canConvert<QString>() ? value.toString() : QStringLiteral("<%1>").arg(QLatin1String(value.typeName()));
}

void printObject(QTextStream &out, const zkdObject &object)
{
    const zkPropertyEditorZkdObjectWrapper wrapper(object);
    out << object.getTypeName() << " \"" << object.property("name").toString() << "\"\n";
    for (int i = 0; i < wrapper.getPropertyCount(); ++i) {
        const zkQRPCMetaProperty meta = wrapper.getMetaProperty(i);
        out << "  " << meta.name << " (" << meta.value.typeName() << (meta.isWritable() ? "" : ", read-only")
            << ") = " << formatValue(meta.value) << '\n';
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zkDemo"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Lists the sample scene's objects and their properties."));
    parser.addHelpOption();
    parser.process(app);

    QTextStream out(stdout);
    for (const zkdObject &object : zkSampleScene::build())
        printObject(out, object);
    return 0;
}
