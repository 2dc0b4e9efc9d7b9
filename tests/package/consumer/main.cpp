#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkSampleScene.h>

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const zkdObject object = zkSampleScene::find(QStringLiteral("Leather"));
    const zkPropertyEditorZkdObjectWrapper wrapper(object);
    return wrapper.getPropertyCount() > 0 && wrapper.inheritedFrom("zkdMaterial") ? 0 : 1;
}
