#include "zkDemoSceneViews.h"

#include <zkBaseMaterialItem.h>
#include <zkFilterBar.h>
#include <zkGroupMaterialItem.h>
#include <zkItemModel.h>
#include <zkKernelServiceFactory.h>
#include <zkMaterialIconView.h>
#include <zkMaterialId.h>
#include <zkMaterialItemFactory.h>
#include <zkMaterialPreviewItemFactory.h>
#include <zkMaterialPreviewModel.h>
#include <zkMaterialPreviewRootItem.h>
#include <zkMaterialSelectionModel.h>
#include <zkMaterialService.h>
#include <zkMaterialTagId.h>
#include <zkMaterialTagItemFactory.h>
#include <zkMaterialTagModel.h>
#include <zkMaterialTagRootItem.h>
#include <zkMaterialTagView.h>
#include <zkMaterialTreeModel.h>
#include <zkMaterialTreeView.h>
#include <zkMaterialTypeRegistry.h>
#include <zkNodeBasedSelectionModel.h>
#include <zkNodeBasedTreeView.h>
#include <zkNodeModelItem.h>
#include <zkNodeService.h>
#include <zkProxyModel.h>
#include <zkTreeView.h>
#include <zkVariantSetSelectionModel.h>
#include <zkVariantSetTreeModel.h>
#include <zkVariantSetsService.h>
#include <zkdLensFlareEffect.h>
#include <zkdLensFlareElement.h>
#include <zkdMaterialNode.h>
#include <zkdObjectManager.h>
#include <zkdVariantSetBase.h>

#include <QAbstractItemView>
#include <QHash>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The filter bar of the material tree: the material kinds of the type registry.
class MaterialFilterBar : public zkFilterBar
{
public:
    MaterialFilterBar() { addTypesToMenu(zkMaterialTypeRegistry::getInstance().getTypes()); }

    QString getTypeName(int type) const override { return zkMaterialTypeRegistry::getInstance().lookup(type).name; }
    int getCategory(int type) const override { return zkMaterialTypeRegistry::getInstance().lookup(type).category; }
};

// The scene graph below the scene root, taking drops of its own rows. The items read the kernel
// when they load, so the model reloads after node changes, undo and redo among them; once the
// change is done, as it may come from an edit of the model itself.
class NodeModel : public zkItemModel
{
public:
    explicit NodeModel(QObject *parent)
        : zkItemModel(parent)
    {
        setMimeType(QStringLiteral("application/zelk-abstract-item"));
        setRootItem(new zkNodeModelItem(nodes()->getRootNode()));
        connect(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged, this, [this](const zkdObject &object) {
            if (!object.isTypeOf<zkdNode>() || m_reloadQueued)
                return;
            m_reloadQueued = true;
            QMetaObject::invokeMethod(this, [this] {
                m_reloadQueued = false;
                reload();
            }, Qt::QueuedConnection);
        });
    }

    static zkNodeService *nodes() { return zkKernelServiceFactory::the().getService<zkNodeService>(); }

private:
    bool m_reloadQueued = false;
};

zkMaterialService *materialService()
{
    return zkKernelServiceFactory::the().getService<zkMaterialService>();
}

// The material nodes below group, depth first, by the object id of their material; the first
// node wins for a material that several hold.
void collectMaterialNodes(const zkdNode &group, QHash<quint64, zkMaterialId> &ids)
{
    for (const zkdNode &child : group.getChildren()) {
        if (const auto node = zkd_cast<zkdMaterialNode>(child); !node.isNull()) {
            const zkdMaterial material = node.getMaterial();
            if (!material.isNull() && !ids.contains(material.getObjectId()))
                ids.insert(material.getObjectId(), zkMaterialId(node));
        } else {
            collectMaterialNodes(child, ids);
        }
    }
}

zkdNode findNode(const zkdNode &parent, const QString &name)
{
    for (const zkdNode &child : parent.getChildren()) {
        if (child.getName() == name)
            return child;
        if (const zkdNode found = findNode(child, name); !found.isNull())
            return found;
    }
    return zkdNode();
}

// The scene object carrying name: a material first, then a node, then a variant set or group.
zkdObject findObject(const QString &name)
{
    const QList<zkdMaterial> materials = materialService()->getSceneMaterials();
    const auto material = std::find_if(materials.cbegin(), materials.cend(),
                                       [&name](const zkdMaterial &m) { return m.getName() == name; });
    if (material != materials.cend())
        return *material;
    if (const zkdNode node = findNode(NodeModel::nodes()->getRootNode(), name); !node.isNull())
        return node;
    const auto *variants = zkKernelServiceFactory::the().getService<zkVariantSetsService>();
    if (const zkdVariantSet set = variants->findVariantSet(name); !set.isNull())
        return set;
    return variants->findVariantSetGroup(name);
}

// What a --select name stands for: the object the editor shows and the scene object the views
// select for it, which differ only for a sub-object.
struct NamedObject
{
    zkdObject object;
    zkdObject owner;
};

// The sub-object a step of a path names: the one the property holds, or below a lens-flare
// effect, which holds its elements in a list, the element of that name.
zkdObject stepInto(const zkdObject &object, const QString &step)
{
    const QVariant value = object.property(step.toLatin1().constData());
    if (value.isValid())
        return zkdObjectManager::fromVariant(value);
    const auto effect = zkd_cast<zkdLensFlareEffect>(object);
    const QList<zkdLensFlareElement> elements = effect.isNull() ? QList<zkdLensFlareElement>()
                                                                : effect.getLensFlareElements();
    const auto element = std::find_if(elements.cbegin(), elements.cend(), [&step](const zkdLensFlareElement &candidate) {
        return candidate.getName() == step;
    });
    return element == elements.cend() ? zkdObject() : zkdObject(*element);
}

// A scene object's name, else a path "<object name>/<property>[/<property>...]" to the
// sub-object that the last property holds (a step below a lens-flare effect may name one of
// its elements); names of scene objects may hold '/' themselves.
NamedObject findNamed(const QString &name)
{
    if (const zkdObject object = findObject(name); !object.isNull())
        return {object, object};
    const int slash = name.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {};
    const zkdObject owner = findObject(name.left(slash));
    zkdObject object = owner;
    for (const QString &property : name.mid(slash + 1).split(QLatin1Char('/'))) {
        if (object.isNull())
            break;
        object = stepInto(object, property);
    }
    return object.isNull() ? NamedObject() : NamedObject{object, owner};
}

template <typename T>
QList<T> objectsOfType(const QList<zkdObject> &objects)
{
    QList<T> typed;
    for (const zkdObject &object : objects) {
        if (object.isTypeOf<T>())
            typed.append(zkd_cast<T>(object));
    }
    return typed;
}

template <typename T>
void appendOnce(QList<zkdObject> &objects, const T &object)
{
    if (!object.isNull() && !objects.contains(object))
        objects.append(object);
}

// Makes every row of model's first two levels exist, so that lookups by id find them.
void populate(QAbstractItemModel &model)
{
    for (int row = 0; row < model.rowCount(); ++row)
        model.rowCount(model.index(row, 0));
}

QWidget *tab(QWidget *view, QWidget *above = nullptr)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (above)
        layout->addWidget(above);
    layout->addWidget(view, 1);
    return page;
}

} // namespace

zkDemoSceneViews::zkDemoSceneViews(QWidget *parent)
    : QTabWidget(parent)
    , m_filterBar(new MaterialFilterBar)
    , m_materialModel(new zkMaterialTreeModel(this))
    , m_materialProxy(new zkProxyModel(this))
    , m_materialView(new zkMaterialTreeView)
    , m_materialSelection(new zkMaterialSelectionModel(m_materialProxy, this))
    , m_nodeModel(new NodeModel(this))
    , m_nodeView(new zkNodeBasedTreeView)
    , m_nodeSelection(new zkNodeBasedSelectionModel(m_nodeModel, this))
    , m_variantSetModel(new zkVariantSetTreeModel(this))
    , m_variantSetProxy(new zkProxyModel(this))
    , m_variantSetView(new zkTreeView)
    , m_variantSetSelection(new zkVariantSetSelectionModel(m_variantSetProxy, this))
    , m_tagModel(new zkMaterialTagModel(this))
    , m_tagView(new zkMaterialTagView)
    , m_previewModel(new zkMaterialPreviewModel(this))
    , m_previewView(new zkMaterialIconView)
    , m_previewNode(materialService()->getMaterialTreeRoot())
{
    setObjectName(QStringLiteral("SceneViews"));
    setDocumentMode(true);

    m_materialModel->setRootItem(zkMaterialItemFactory::createItemForRoot());
    m_materialProxy->setSourceModel(m_materialModel);
    // A match shows with the groups above it.
    m_materialProxy->setRecursiveMatchingEnabled(true);
    m_filterBar->setRecursiveFilteringEnabled(true);
    m_materialProxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_materialProxy->setTypeFilter(m_filterBar->getTypeFilter());
    connect(m_filterBar, &zkFilterBar::nameFilterChanged, m_materialProxy, &zkProxyModel::setFilterFixedString);
    connect(m_filterBar, &zkFilterBar::typeFilterChanged, m_materialProxy, &zkProxyModel::setTypeFilter);
    connect(m_filterBar, &zkFilterBar::typeFilteringToggled, m_materialProxy, &zkProxyModel::setTypeFilteringEnabled);
    connect(m_filterBar, &zkFilterBar::recursiveFilteringToggled, m_materialProxy,
            &zkProxyModel::setRecursiveMatchingEnabled);
    m_materialView->setModel(m_materialProxy);
    m_materialView->setSelectionModel(m_materialSelection);
    connect(m_materialSelection, &QItemSelectionModel::currentChanged, this, &zkDemoSceneViews::showPreviewsOf);
    addTab(tab(m_materialView, m_filterBar), tr("Materials"));

    m_nodeView->setModel(m_nodeModel);
    m_nodeView->setSelectionModel(m_nodeSelection);
    addTab(m_nodeView, tr("Nodes"));

    // The selection model takes variant sets through a proxy only.
    m_variantSetProxy->setSourceModel(m_variantSetModel);
    m_variantSetView->setModel(m_variantSetProxy);
    m_variantSetView->setSelectionModel(m_variantSetSelection);
    addTab(m_variantSetView, tr("Variant Sets"));

    m_tagModel->setRootItem(zkMaterialTagItemFactory::createItemForRoot(0, m_tagCache));
    m_tagModel->refresh();
    m_tagView->setModel(m_tagModel);
    addTab(m_tagView, tr("Tags"));

    m_previewModel->setRootItem(zkMaterialPreviewItemFactory::createItemForRoot(m_previewNode));
    m_previewView->setModel(m_previewModel);
    addTab(m_previewView, tr("Previews"));

    for (QAbstractItemView *view : std::initializer_list<QAbstractItemView *>{
             m_materialView, m_nodeView, m_variantSetView, m_tagView, m_previewView}) {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        const QItemSelectionModel *selection = view->selectionModel();
        connect(selection, &QItemSelectionModel::selectionChanged, this,
                [this, selection] { viewSelectionChanged(selection); });
    }
    m_materialView->expandAll();
    m_nodeView->expandAll();
    m_variantSetView->expandAll();
    m_tagView->expandAll();
}

zkDemoSceneViews::~zkDemoSceneViews()
{
    // Its items read the tag cache, which goes before the children do.
    delete m_tagModel;
}

QStringList zkDemoSceneViews::selectByNames(const QStringList &names)
{
    QStringList missing;
    QList<zkdObject> objects;
    QList<zkdObject> owners;
    for (const QString &name : names) {
        const NamedObject named = findNamed(name);
        if (named.object.isNull()) {
            missing.append(name);
        } else {
            appendOnce(objects, named.object);
            appendOnce(owners, named.owner);
        }
    }
    applySelection(owners, nullptr);
    m_selection = objects;
    if (!owners.isEmpty()) {
        const zkdObject &first = owners.first();
        setCurrentWidget(first.isTypeOf<zkdMaterial>() ? m_materialView->parentWidget()
                             : first.isTypeOf<zkdNode>() ? static_cast<QWidget *>(m_nodeView)
                                                         : m_variantSetView);
    }
    emit objectSelectionChanged(m_selection);
    return missing;
}

void zkDemoSceneViews::viewSelectionChanged(const QItemSelectionModel *selectionModel)
{
    if (m_syncing)
        return;
    applySelection(selectedObjectsOf(selectionModel), selectionModel);
    emit objectSelectionChanged(m_selection);
}

QList<zkdObject> zkDemoSceneViews::selectedObjectsOf(const QItemSelectionModel *selectionModel)
{
    QList<zkdObject> objects;
    if (selectionModel == m_materialSelection) {
        for (const zkMaterialId &id : m_materialSelection->getSelectedIds())
            appendOnce(objects, id.getMaterial());
    } else if (selectionModel == m_nodeSelection) {
        for (const zkdNode &node : m_nodeSelection->getAllSelectedNodes())
            appendOnce(objects, node);
    } else if (selectionModel == m_variantSetSelection) {
        for (const zkdVariantSetBase &item : m_variantSetSelection->getSelectedVariantSetItems())
            appendOnce(objects, item);
    } else {
        const bool tags = selectionModel == m_tagView->selectionModel();
        for (const QModelIndex &index : selectionModel->selectedIndexes()) {
            if (index.column() == 0)
                appendOnce(objects, tags ? m_tagModel->getMaterial(index) : m_previewModel->getMaterial(index));
        }
    }
    return objects;
}

void zkDemoSceneViews::applySelection(const QList<zkdObject> &objects, const QItemSelectionModel *except)
{
    m_selection = objects;
    const QList<zkdMaterial> materials = objectsOfType<zkdMaterial>(objects);
    m_syncing = true;
    if (except != m_materialSelection)
        selectInMaterialView(materials);
    if (except != m_nodeSelection)
        m_nodeSelection->selectNodes(objectsOfType<zkdNode>(objects));
    if (except != m_variantSetSelection)
        m_variantSetSelection->setSelected(objectsOfType<zkdVariantSetBase>(objects));
    if (except != m_tagView->selectionModel())
        selectInTagView(materials);
    if (except != m_previewView->selectionModel())
        selectInPreviewView(materials);
    m_syncing = false;
}

void zkDemoSceneViews::selectInMaterialView(const QList<zkdMaterial> &materials)
{
    QHash<quint64, zkMaterialId> nodeIds;
    collectMaterialNodes(materialService()->getMaterialTreeRoot(), nodeIds);
    QList<zkMaterialId> ids;
    for (const zkdMaterial &material : materials) {
        if (const zkMaterialId id = nodeIds.value(material.getObjectId()); !id.isNull())
            ids.append(id);
    }
    m_materialSelection->setSelectedIds(ids);
    const QModelIndexList selected = m_materialSelection->selectedIndexes();
    if (!selected.isEmpty())
        m_materialView->scrollTo(selected.first());
}

void zkDemoSceneViews::selectInTagView(const QList<zkdMaterial> &materials)
{
    populate(*m_tagModel);
    QItemSelection selection;
    for (const zkdMaterial &material : materials) {
        for (const QString &tag : material.getTags()) {
            const QModelIndex index = m_tagModel->indexFromId(QVariant::fromValue(zkMaterialTagId(tag, material)));
            if (index.isValid())
                selection.select(index, index);
        }
    }
    m_tagView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void zkDemoSceneViews::selectInPreviewView(const QList<zkdMaterial> &materials)
{
    QItemSelection selection;
    for (const zkdMaterial &material : materials) {
        const QModelIndex index = m_previewModel->indexFromId(QVariant::fromValue<quint64>(material.getObjectId()));
        if (index.isValid())
            selection.select(index, index);
    }
    m_previewView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void zkDemoSceneViews::showPreviewsOf(const QModelIndex &current)
{
    // A material shows with the other materials of its group.
    const zkModelItem *item = m_materialModel->itemFromIndex(m_materialProxy->mapToSource(current));
    const auto *materialItem = dynamic_cast<const zkBaseMaterialItem *>(item);
    if (!materialItem)
        return;
    zkdNode node = materialItem->getRawId().getNode();
    if (node.isTypeOf<zkdMaterialNode>())
        node = node.getParent();
    if (node.isNull() || node == m_previewNode)
        return;
    m_previewNode = node;
    m_previewModel->setRootItem(zkMaterialPreviewItemFactory::createItemForRoot(node));
    m_syncing = true;
    selectInPreviewView(objectsOfType<zkdMaterial>(m_selection));
    m_syncing = false;
}

