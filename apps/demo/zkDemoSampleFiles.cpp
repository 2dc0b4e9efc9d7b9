#include "zkDemoSampleFiles.h"

#include <zkImageService.h>
#include <zkKernelServiceFactory.h>
#include <zkSampleScene.h>
#include <zkdImage.h>
#include <zkdLightProfile.h>
#include <zkdObjectManager.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zkDemoSampleFiles {

QString find(const QString &name)
{
    const QDir application(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {application.filePath(name),
                                     application.filePath(QStringLiteral("../share/zkKernelServicesGUI/") + name)}) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return QString();
}

namespace {

struct FileUse
{
    QString object;
    // The property of the object, or of its sub-object when the path has two parts.
    QByteArray path;
    QString file;
};

zkdObject target(const FileUse &use, QByteArray *property)
{
    zkdObject object = zkSampleScene::find(use.object);
    const QList<QByteArray> parts = use.path.split('/');
    for (int i = 0; i + 1 < parts.size() && !object.isNull(); ++i)
        object = zkdObjectManager::fromVariant(object.property(parts.at(i)));
    *property = parts.constLast();
    return object;
}

void applyImages(QStringList &failures)
{
    static const FileUse uses[] = {
        {QStringLiteral("Leather"), "diffuseTexture/image", QStringLiteral("textures/leather.png")},
        {QStringLiteral("Studio"), "environment", QStringLiteral("textures/studio.hdr")},
    };
    const auto *images = zkKernelServiceFactory::the().getService<zkImageService>();
    for (const FileUse &use : uses) {
        const QString path = find(use.file);
        if (path.isEmpty()) {
            failures.append(QStringLiteral("no sample file '%1' beside the application").arg(use.file));
            continue;
        }
        QString error;
        const zkdImage image = images ? images->loadImage(path, &error) : zkdImage();
        QByteArray property;
        const zkdObject object = target(use, &property);
        if (image.isNull() || object.isNull()) {
            failures.append(error.isEmpty() ? QStringLiteral("couldn't use '%1'").arg(path) : error);
            continue;
        }
        object.setProperty(property, QVariant::fromValue(image));
    }
}

void applyProfiles(QStringList &failures)
{
    static const FileUse uses[] = {
        {QStringLiteral("Head Lamp"), "lightProfile", QStringLiteral("profiles/downlight.ies")},
        {QStringLiteral("Softbox"), "lightProfile", QStringLiteral("profiles/wallwasher.ies")},
    };
    for (const FileUse &use : uses) {
        const QString path = find(use.file);
        const auto profile = zkd_cast<zkdLightProfile>(
                zkdObjectManager::fromVariant(zkSampleScene::find(use.object).property(use.path)));
        QString error;
        if (path.isEmpty()) {
            failures.append(QStringLiteral("no sample file '%1' beside the application").arg(use.file));
        } else if (profile.isNull()) {
            failures.append(QStringLiteral("no light profile on '%1'").arg(use.object));
        } else if (!profile.load(path, &error)) {
            failures.append(error);
        } else {
            profile.setUseLightProfile(true);
        }
    }
}

} // namespace

QStringList apply()
{
    QStringList failures;
    applyImages(failures);
    applyProfiles(failures);
    return failures;
}

} // namespace zkDemoSampleFiles
