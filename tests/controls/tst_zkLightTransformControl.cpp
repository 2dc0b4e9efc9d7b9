#include <zkLightTransformControl.h>

#include <zkCameraService.h>
#include <zkKernelServiceFactory.h>
#include <zkLightService.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkTreeService.h>
#include <zkUndoStack.h>
#include <zkdCameraNode.h>
#include <zkdLightTransform.h>
#include <zkdObjectManager.h>
#include <zkdPointLightNode.h>

#include <QGridLayout>
#include <QPushButton>
#include <QQuaternion>
#include <QTest>
#include <QVector3D>

#include <memory>

namespace {

zkUndoStack *stack()
{
    return zkUndoStack::instance();
}

zkLightService *lights()
{
    return zkKernelServiceFactory::the().getService<zkLightService>();
}

zkCameraService *cameras()
{
    return zkKernelServiceFactory::the().getService<zkCameraService>();
}

zkTreeService *tree()
{
    return zkKernelServiceFactory::the().getService<zkTreeService>();
}

QVector3D translationOf(const zkdObject &node)
{
    return node.property("translation").value<QVector3D>();
}

enum Button { FromCamera, ToCamera, FromNodes };

const QVector3D cameraPlace(1, 2, 3);
const QVector3D firstLightPlace(10, 0, 0);
const QVector3D secondLightPlace(20, 0, 0);
// Two selected nodes centre at (2, 2, 0).
const QVector3D firstNodePlace(4, 0, 0);
const QVector3D secondNodePlace(0, 4, 0);

} // namespace

Q_DECLARE_METATYPE(Button)

class tst_zkLightTransformControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void construction_data();
    void construction();
    void neverShowsMixedValues();
    void buttons_data();
    void buttons();

private:
    QPushButton *button(Button which) const;

    QList<zkdPointLightNode> m_lights;
    QList<zkdPointLightNode> m_nodes;
    zkdCameraNode m_camera;
    std::unique_ptr<zkPropertyEditorWidget> m_editor;
    zkLightTransformControl *m_control = nullptr;
};

void tst_zkLightTransformControl::init()
{
    for (const QVector3D &place : {firstLightPlace, secondLightPlace}) {
        m_lights.append(zkdObjectManager::create<zkdPointLightNode>());
        m_lights.last().setProperty("translation", place);
    }
    for (const QVector3D &place : {firstNodePlace, secondNodePlace}) {
        m_nodes.append(zkdObjectManager::create<zkdPointLightNode>());
        m_nodes.last().setProperty("translation", place);
    }
    m_camera = zkdObjectManager::create<zkdCameraNode>();
    m_camera.setTransform(cameraPlace, QQuaternion::fromAxisAndAngle(0, 1, 0, 90));

    auto *factory = new zkPropertyEditorFactory;
    // As the light descriptions register the row: the transform itself is read-only.
    factory->registerEditor<zkdPointLightNode, zkdLightTransform, zkLightTransformControl>(
            "lightTransform", [](zkBaseControlOptions &options) { options.forceWritable(); });
    m_editor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>{factory});
    m_editor->setKeepProperties({"lightTransform"});
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdPointLightNode &light : qAsConst(m_lights))
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(light));
    m_editor->setCurrentObjects(wrappers);
    m_control = qobject_cast<zkLightTransformControl *>(m_editor->getControl("lightTransform"));
    QVERIFY(m_control);
    stack()->clear();
}

void tst_zkLightTransformControl::cleanup()
{
    m_editor.reset();
    lights()->setSelectedLights({});
    cameras()->setCurrentCamera(zkdCameraNode());
    tree()->setSelectedNodes({});
    for (const zkdObject &object : QList<zkdObject>{m_lights.cbegin(), m_lights.cend()} +
                                           QList<zkdObject>{m_nodes.cbegin(), m_nodes.cend()} +
                                           QList<zkdObject>{m_camera})
        zkdObjectManager::destroy(object);
    m_lights.clear();
    m_nodes.clear();
    stack()->clear();
}

QPushButton *tst_zkLightTransformControl::button(Button which) const
{
    switch (which) {
    case FromCamera: return m_control->getFromCameraButton();
    case ToCamera: return m_control->getToCameraButton();
    case FromNodes: return m_control->getFromNodesButton();
    }
    return nullptr;
}

void tst_zkLightTransformControl::construction_data()
{
    QTest::addColumn<Button>("which");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("from camera") << FromCamera << "Get from Camera"
                                 << "Apply current camera transformation to light." << 0 << 0;
    QTest::newRow("to camera") << ToCamera << "Apply to Camera"
                               << "Apply light transformation to current camera." << 0 << 1;
    QTest::newRow("from nodes") << FromNodes << "Get from Node(s)"
                                << "Apply transformation of selected node to light" << 1 << 0;
}

void tst_zkLightTransformControl::construction()
{
    QFETCH(Button, which);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(int, row);
    QFETCH(int, column);

    QCOMPARE(m_control->objectName(), QStringLiteral("zkLightTransformControl"));
    const QPushButton *pushButton = button(which);
    QCOMPARE(pushButton->text(), text);
    QCOMPARE(pushButton->toolTip(), toolTip);
    QCOMPARE(pushButton->minimumWidth(), 130);
    QCOMPARE(pushButton->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    auto *grid = qobject_cast<QGridLayout *>(m_control->layout());
    QVERIFY(grid);
    QCOMPARE(grid->itemAtPosition(row, column)->widget(), pushButton);
    // The third column holds the fillers that take the spare width.
    QVERIFY(qobject_cast<QFrame *>(grid->itemAtPosition(row, 2)->widget()));
}

void tst_zkLightTransformControl::neverShowsMixedValues()
{
    // Each light has a transform of its own, so the shown objects never hold the same value.
    QVERIFY(m_editor->isMultiselection());
    QVERIFY(!m_editor->hasSameValue("lightTransform"));
    QVERIFY(!m_control->isMultiSelectHighlight());
    m_control->updateControl();
    QVERIFY(!m_control->isMultiSelectHighlight());
    QVERIFY(m_control->isEnabled());
}

void tst_zkLightTransformControl::buttons_data()
{
    QTest::addColumn<Button>("which");
    QTest::addColumn<int>("selectedLights");
    QTest::addColumn<bool>("withCamera");
    QTest::addColumn<int>("selectedNodes");
    QTest::addColumn<QVector3D>("firstLight");
    QTest::addColumn<QVector3D>("secondLight");
    QTest::addColumn<QVector3D>("camera");

    const QVector3D nodesCentre = (firstNodePlace + secondNodePlace) / 2;
    QTest::newRow("from camera, one light") << FromCamera << 1 << true << 0 << cameraPlace << secondLightPlace
                                            << cameraPlace;
    QTest::newRow("from camera, two lights")
            << FromCamera << 2 << true << 0 << cameraPlace << cameraPlace << cameraPlace;
    QTest::newRow("from camera, no camera")
            << FromCamera << 2 << false << 0 << firstLightPlace << secondLightPlace << cameraPlace;
    QTest::newRow("from camera, no light")
            << FromCamera << 0 << true << 0 << firstLightPlace << secondLightPlace << cameraPlace;
    QTest::newRow("to camera, one light")
            << ToCamera << 1 << true << 0 << firstLightPlace << secondLightPlace << firstLightPlace;
    QTest::newRow("to camera, two lights")
            << ToCamera << 2 << true << 0 << firstLightPlace << secondLightPlace << cameraPlace;
    QTest::newRow("to camera, no camera")
            << ToCamera << 1 << false << 0 << firstLightPlace << secondLightPlace << cameraPlace;
    QTest::newRow("from one node") << FromNodes << 2 << false << 1 << firstNodePlace << firstNodePlace
                                   << cameraPlace;
    QTest::newRow("from two nodes") << FromNodes << 2 << false << 2 << nodesCentre << nodesCentre << cameraPlace;
    QTest::newRow("from nodes, none selected")
            << FromNodes << 2 << true << 0 << firstLightPlace << secondLightPlace << cameraPlace;
    QTest::newRow("from nodes, no light")
            << FromNodes << 0 << false << 2 << firstLightPlace << secondLightPlace << cameraPlace;
}

void tst_zkLightTransformControl::buttons()
{
    QFETCH(Button, which);
    QFETCH(int, selectedLights);
    QFETCH(bool, withCamera);
    QFETCH(int, selectedNodes);
    QFETCH(QVector3D, firstLight);
    QFETCH(QVector3D, secondLight);
    QFETCH(QVector3D, camera);

    // The buttons act on the light service's selection, not on the editor's objects.
    lights()->setSelectedLights({m_lights.cbegin(), m_lights.cbegin() + selectedLights});
    cameras()->setCurrentCamera(withCamera ? m_camera : zkdCameraNode());
    tree()->setSelectedNodes({m_nodes.cbegin(), m_nodes.cbegin() + selectedNodes});

    button(which)->click();

    QCOMPARE(translationOf(m_lights.at(0)), firstLight);
    QCOMPARE(translationOf(m_lights.at(1)), secondLight);
    QCOMPARE(translationOf(m_camera), camera);
    for (const zkdPointLightNode &node : qAsConst(m_nodes))
        QCOMPARE(translationOf(node), node == m_nodes.first() ? firstNodePlace : secondNodePlace);

    const bool changed = firstLight != firstLightPlace || secondLight != secondLightPlace || camera != cameraPlace;
    QCOMPARE(stack()->count(), changed ? 1 : 0);
    if (!changed)
        return;
    stack()->undo();
    QCOMPARE(translationOf(m_lights.at(0)), firstLightPlace);
    QCOMPARE(translationOf(m_lights.at(1)), secondLightPlace);
    QCOMPARE(translationOf(m_camera), cameraPlace);
    stack()->redo();
    QCOMPARE(translationOf(m_lights.at(0)), firstLight);
    QCOMPARE(translationOf(m_lights.at(1)), secondLight);
    QCOMPARE(translationOf(m_camera), camera);
}

QTEST_MAIN(tst_zkLightTransformControl)
#include "tst_zkLightTransformControl.moc"
