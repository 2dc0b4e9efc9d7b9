#include "zkdMaterial.h"

#include "zkMaterialSwatch.h"
#include "zkdObjectManager.h"

#include <QHash>

namespace {

// Previews are rendered views of a material, not part of its reflected state, so they are kept
// beside the materials; an entry goes with its material.
QHash<quint64, zkdImage> &previewImages()
{
    static QHash<quint64, zkdImage> images;
    static const QMetaObject::Connection cleanup = QObject::connect(
            zkdObjectManager::instance(), &zkdObjectManager::objectDestroyed, [](const zkdObject &object) {
                const zkdImage image = images.take(object.getObjectId());
                if (!image.isNull())
                    zkdObjectManager::destroy(image);
            });
    Q_UNUSED(cleanup);
    return images;
}

} // namespace

QString zkdMaterial::getName() const
{
    return property("name").toString();
}

void zkdMaterial::setName(const QString &name) const
{
    setProperty("name", name);
}

QStringList zkdMaterial::getTags() const
{
    return property("tags").toStringList();
}

void zkdMaterial::setTags(const QStringList &tags) const
{
    setProperty("tags", tags);
}

QIcon zkdMaterial::getIcon() const
{
    return isNull() ? QIcon() : zkMaterialSwatch::icon(getTypeName().toUtf8());
}

zkdImage zkdMaterial::getPreviewImage() const
{
    return isNull() ? zkdImage() : previewImages().value(getObjectId());
}

void zkdMaterial::setPreviewImage(const zkdImage &image) const
{
    if (isValid())
        previewImages().insert(getObjectId(), image);
}
