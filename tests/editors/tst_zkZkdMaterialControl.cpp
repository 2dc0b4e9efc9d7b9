#include <zkZkdMaterialControl.h>

#include <zkKernelServiceFactory.h>
#include <zkMaterialIdPayload.h>
#include <zkMaterialService.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdMaterial.h>
#include <zkdObjectManager.h>
#include <zkdWebEngine.h>

#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

zkUndoStack *stack()
{
    return zkUndoStack::instance();
}

zkdMaterial createMaterial(const QByteArray &className, const QString &name)
{
    const zkdMaterial material = zkd_cast<zkdMaterial>(zkdObjectManager::create(className));
    material.setName(name);
    return material;
}

QVariantList materialsOf(const QList<zkdWebEngine> &engines)
{
    QVariantList values;
    for (const zkdWebEngine &engine : engines)
        values.append(engine.property("material"));
    return values;
}

// Sends a drag of data onto control, and a drop when the drag was accepted; true when both were.
bool dragAndDrop(QWidget *control, const QMimeData &data)
{
    const QPoint centre = control->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &drop);
    return drop.isAccepted();
}

} // namespace

class tst_zkZkdMaterialControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void drops_data();
    void drops();
    void deleteClearsEveryObject();

private:
    QList<zkdWebEngine> m_engines;
    std::unique_ptr<zkPropertyEditorWidget> m_editor;
    zkZkdMaterialControl *m_control = nullptr;
};

void tst_zkZkdMaterialControl::init()
{
    m_engines = {zkdObjectManager::create<zkdWebEngine>(), zkdObjectManager::create<zkdWebEngine>()};
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdWebEngine, zkdMaterial, zkZkdMaterialControl>("material");
    m_editor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>{factory});
    m_editor->setKeepProperties({"material"});
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdWebEngine &engine : qAsConst(m_engines))
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(engine));
    m_editor->setCurrentObjects(wrappers);
    m_control = qobject_cast<zkZkdMaterialControl *>(m_editor->getControl("material"));
    QVERIFY(m_control);
    stack()->clear();
}

void tst_zkZkdMaterialControl::cleanup()
{
    m_editor.reset();
    for (const zkdWebEngine &engine : qAsConst(m_engines))
        zkdObjectManager::destroy(engine);
    stack()->clear();
}

void tst_zkZkdMaterialControl::drops_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QString>("payload");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("plastic") << QByteArray("zkdPlasticMaterial") << "pair" << true;
    QTest::newRow("glass") << QByteArray("zkdGlassMaterial") << "pair" << true;
    QTest::newRow("chrome") << QByteArray("zkdChromeMaterial") << "pair" << false;
    QTest::newRow("truncated") << QByteArray("zkdPlasticMaterial") << "truncated" << false;
    QTest::newRow("deleted material") << QByteArray("zkdPlasticMaterial") << "deleted" << false;
    QTest::newRow("foreign type") << QByteArray("zkdPlasticMaterial") << "foreign" << false;
}

void tst_zkZkdMaterialControl::drops()
{
    QFETCH(QByteArray, className);
    QFETCH(QString, payload);
    QFETCH(bool, accepted);

    const zkdMaterial material = createMaterial(className, QStringLiteral("Screen"));
    if (auto *service = zkKernelServiceFactory::the().getService<zkMaterialService>())
        service->updatePreview(material);
    QByteArray bytes = zkMaterialIdPayload::encode(material);
    QMimeData data;
    if (payload == QLatin1String("truncated"))
        bytes.chop(1);
    if (payload == QLatin1String("deleted"))
        zkdObjectManager::destroy(material);
    data.setData(payload == QLatin1String("foreign") ? QStringLiteral("application/zelk-material") : zkMaterialIdPayload::mimeType(),
                 bytes);

    QCOMPARE(m_control->getNameLabel()->text(), QStringLiteral("Drop a Material here"));
    QVERIFY(!m_control->getDeleteButton()->isEnabled());
    QCOMPARE(dragAndDrop(m_control, data), accepted);
    QCOMPARE(stack()->count(), int(accepted));
    const QVariant expected = accepted ? QVariant::fromValue(material) : QVariant::fromValue(zkdMaterial());
    QCOMPARE(materialsOf(m_engines), QVariantList({expected, expected}));
    QCOMPARE(m_control->getNameLabel()->text(), accepted ? QStringLiteral("Screen") : QStringLiteral("Drop a Material here"));
    QCOMPARE(m_control->getPreviewLabel()->size(), accepted ? QSize(16, 16) : QSize(0, 0));
    QCOMPARE(m_control->getDeleteButton()->isEnabled(), accepted);
    if (payload != QLatin1String("deleted"))
        zkdObjectManager::destroy(material);
}

void tst_zkZkdMaterialControl::deleteClearsEveryObject()
{
    // A material that was never rendered has no preview: its name shows with an empty one.
    const zkdMaterial material = createMaterial("zkdPhongMaterial", QStringLiteral("Screen"));
    for (const zkdWebEngine &engine : qAsConst(m_engines))
        engine.setProperty("material", QVariant::fromValue(material));
    QCOMPARE(m_control->getNameLabel()->text(), QStringLiteral("Screen"));
    QCOMPARE(m_control->getPreviewLabel()->size(), QSize(0, 0));
    stack()->clear();

    QSignalSpy refreshed(zkKernelServiceFactory::the().getService<zkMaterialService>(), &zkMaterialService::refreshed);
    QTest::mouseClick(m_control->getDeleteButton(), Qt::LeftButton);
    QCOMPARE(materialsOf(m_engines), QVariantList({QVariant::fromValue(zkdMaterial()), QVariant::fromValue(zkdMaterial())}));
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(refreshed.count(), 1);
    QCOMPARE(m_control->getNameLabel()->text(), QStringLiteral("Drop a Material here"));
    QVERIFY(!m_control->getDeleteButton()->isEnabled());

    stack()->undo();
    QCOMPARE(materialsOf(m_engines), QVariantList({QVariant::fromValue(material), QVariant::fromValue(material)}));
    QCOMPARE(m_control->getNameLabel()->text(), QStringLiteral("Screen"));
    zkdObjectManager::destroy(material);
}

QTEST_MAIN(tst_zkZkdMaterialControl)

#include "tst_zkZkdMaterialControl.moc"
