#include "zkMaterialScene.h"

#include <zkGroupMaterialItem.h>
#include <zkKernelServiceFactory.h>
#include <zkMaterialIconView.h>
#include <zkMaterialIdPayload.h>
#include <zkMaterialItemFactory.h>
#include <zkMaterialPreviewItemFactory.h>
#include <zkMaterialPreviewModel.h>
#include <zkMaterialPreviewRootItem.h>
#include <zkMaterialService.h>
#include <zkMaterialTagCache.h>
#include <zkMaterialTagItemFactory.h>
#include <zkMaterialTagModel.h>
#include <zkMaterialTagRootItem.h>
#include <zkMaterialTagView.h>
#include <zkMaterialTreeModel.h>
#include <zkMaterialTreeView.h>
#include <zkModelTester.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>
#include <zkdPlasticMaterial.h>

#include <QDropEvent>
#include <QHBoxLayout>
#include <QMimeData>
#include <QTest>

#include <memory>

namespace {

// Delivers data to view as a drag that enters, moves over target and drops there; true when
// the view accepted the drop.
bool dropOnto(QAbstractItemView &view, const QModelIndex &target, const QMimeData &data)
{
    const QPoint pos = view.visualRect(target).center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(pos, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &enter);
    QDragMoveEvent move(pos, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(pos, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &drop);
    return drop.isAccepted();
}

QModelIndex findRow(const QAbstractItemModel &model, const QString &text)
{
    const QModelIndexList found = model.match(model.index(0, 0), Qt::DisplayRole, text, 1,
                                              Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}

} // namespace

// Payloads written by one view's model, dropped through the events of another view.
class tst_zkCrossViewDrops : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void drops_data();
    void drops();
    void treeRowsCarryTheirMaterial();

private:
    zkdNode m_group;
    zkdMaterial m_leather;
    zkMaterialTreeModel m_treeModel;
    zkMaterialTagCache m_tagCache;
    zkMaterialTagModel m_tagModel;
    zkMaterialPreviewModel m_previewModel;
    QWidget m_window;
    zkMaterialTreeView *m_treeView = nullptr;
    zkMaterialTagView *m_tagView = nullptr;
    zkMaterialIconView *m_previewView = nullptr;
    std::vector<std::unique_ptr<zkModelTester>> m_testers;
};

void tst_zkCrossViewDrops::initTestCase()
{
    m_group = service()->addMaterialGroup(QStringLiteral("Interior"));
    m_leather = zkdObjectManager::create<zkdPlasticMaterial>();
    m_leather.setName(QStringLiteral("Leather"));
    service()->addMaterial(m_leather, m_group);
    const zkdMaterial chrome = zkdObjectManager::create<zkdPlasticMaterial>();
    chrome.setName(QStringLiteral("Chrome"));
    chrome.setTags({QStringLiteral("Metal")});
    service()->addMaterial(chrome, m_group);

    m_treeModel.setRootItem(zkMaterialItemFactory::createItemForRoot());
    m_tagModel.setRootItem(zkMaterialTagItemFactory::createItemForRoot(0, m_tagCache));
    m_tagModel.refresh();
    m_previewModel.setRootItem(zkMaterialPreviewItemFactory::createItemForRoot(m_group));
    for (QAbstractItemModel *model : std::initializer_list<QAbstractItemModel *>{&m_treeModel, &m_tagModel,
                                                                                 &m_previewModel}) {
        m_testers.push_back(std::make_unique<zkModelTester>(model));
    }

    auto *layout = new QHBoxLayout(&m_window);
    m_treeView = new zkMaterialTreeView;
    m_tagView = new zkMaterialTagView;
    m_previewView = new zkMaterialIconView;
    m_treeView->setModel(&m_treeModel);
    m_tagView->setModel(&m_tagModel);
    m_previewView->setModel(&m_previewModel);
    for (QAbstractItemView *view : std::initializer_list<QAbstractItemView *>{m_treeView, m_tagView, m_previewView})
        layout->addWidget(view);
    m_treeView->expandAll();
    m_tagView->expandAll();
    m_window.resize(900, 400);
    m_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    stack()->clear();
}

void tst_zkCrossViewDrops::cleanupTestCase()
{
    m_testers.clear();
    service()->removeNodes(service()->getMaterialTreeRoot().getChildren());
    stack()->clear();
}

void tst_zkCrossViewDrops::drops_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("cut");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("tagged");

    QTest::newRow("material onto a tag") << "tree" << "Leather" << "" << "tags" << "Metal" << true << true;
    QTest::newRow("group onto a tag") << "tree" << "Interior" << "" << "tags" << "Metal" << false << false;
    QTest::newRow("truncated material onto a tag")
        << "tree" << "Leather" << "truncate" << "tags" << "Metal" << false << false;
    QTest::newRow("deleted material onto a tag")
        << "tree" << "Leather" << "delete" << "tags" << "Metal" << false << false;
    // Within the tree a drop moves rows in the model only.
    QTest::newRow("material within the tree")
        << "tree" << "Leather" << "" << "tree" << "Chrome" << true << false;
    QTest::newRow("preview into the tree")
        << "previews" << "Leather" << "" << "tree" << "Interior" << false << false;
    QTest::newRow("tree material onto a preview")
        << "tree" << "Leather" << "" << "previews" << "Chrome" << false << false;
    // A preview also carries its material for other modules.
    QTest::newRow("preview onto a tag")
        << "previews" << "Leather" << "" << "tags" << "Metal" << true << true;
}

void tst_zkCrossViewDrops::drops()
{
    QFETCH(QString, source);
    QFETCH(QString, dragged);
    QFETCH(QString, cut);
    QFETCH(QString, view);
    QFETCH(QString, target);
    QFETCH(bool, accepted);
    QFETCH(bool, tagged);

    QAbstractItemModel &sourceModel = source == QLatin1String("tree") ? static_cast<QAbstractItemModel &>(m_treeModel)
                                                                       : m_previewModel;
    const std::unique_ptr<QMimeData> data(sourceModel.mimeData({findRow(sourceModel, dragged)}));
    QVERIFY(data && !data->formats().isEmpty());
    if (cut == QLatin1String("truncate")) {
        const QString format = data->formats().constFirst();
        data->setData(format, data->data(format).chopped(3));
    } else if (cut == QLatin1String("delete")) {
        const zkScopedUndo undo(true);
        service()->removeMaterial(m_leather);
    }
    const int steps = stack()->count();

    QAbstractItemView *targetView = view == QLatin1String("tags") ? static_cast<QAbstractItemView *>(m_tagView)
        : view == QLatin1String("tree")                           ? static_cast<QAbstractItemView *>(m_treeView)
                                                                   : m_previewView;
    const QModelIndex targetIndex = findRow(*targetView->model(), target);
    QVERIFY(targetIndex.isValid());
    QCOMPARE(dropOnto(*targetView, targetIndex, *data), accepted);
    QCOMPARE(stack()->count(), steps + int(tagged));
    QCOMPARE(m_leather.getTags().contains(QStringLiteral("Metal")), tagged);
    if (tagged)
        QVERIFY(m_tagModel.match(targetIndex, Qt::DisplayRole, dragged, 1, Qt::MatchRecursive).size() == 1);

    // The next case starts from the scene as it was.
    while (stack()->canUndo())
        stack()->undo();
    stack()->clear();
    m_treeModel.reload();
    QCOMPARE(service()->getNodeMaterials(m_group).size(), 2);
}

void tst_zkCrossViewDrops::treeRowsCarryTheirMaterial()
{
    const std::unique_ptr<QMimeData> material(m_treeModel.mimeData({findRow(m_treeModel, QStringLiteral("Leather"))}));
    QCOMPARE(zkMaterialIdPayload::decode(material->data(zkMaterialIdPayload::mimeType())), m_leather);
    const std::unique_ptr<QMimeData> group(m_treeModel.mimeData({findRow(m_treeModel, QStringLiteral("Interior"))}));
    QVERIFY(!group->hasFormat(zkMaterialIdPayload::mimeType()));
}

QTEST_MAIN(tst_zkCrossViewDrops)

#include "tst_zkCrossViewDrops.moc"
