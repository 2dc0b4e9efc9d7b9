#pragma once

#include <zkMaterialTagCache.h>
#include <zkdMaterial.h>
#include <zkdNode.h>
#include <zkdObject.h>

#include <QList>
#include <QStringList>
#include <QTabWidget>

class QModelIndex;
class QItemSelectionModel;
class zkFilterBar;
class zkItemModel;
class zkMaterialIconView;
class zkMaterialPreviewModel;
class zkMaterialSelectionModel;
class zkMaterialTagModel;
class zkMaterialTagView;
class zkMaterialTreeModel;
class zkMaterialTreeView;
class zkNodeBasedSelectionModel;
class zkNodeBasedTreeView;
class zkProxyModel;
class zkTreeView;
class zkVariantSetSelectionModel;
class zkVariantSetTreeModel;

// The scene in the library's own views, one tab each: the material tree with its filter bar,
// the scene graph, the variant sets, the material tags and the previews of the materials of the
// material tree's current group. The views share one selection: what is selected in one is
// selected in every other view that shows it.
class zkDemoSceneViews : public QTabWidget
{
    Q_OBJECT
public:
    explicit zkDemoSceneViews(QWidget *parent = nullptr);
    ~zkDemoSceneViews() override;

    // The objects of the last selection: materials, nodes, variant sets and groups, and the
    // sub-objects that selectByNames was given paths to.
    QList<zkdObject> getSelectedObjects() const { return m_selection; }
    // Selects the scene objects carrying the given names in every view (per name the first
    // material, else node, else variant set or group), shows the tab of the first and returns
    // the names no object carries. A name "<object name>/<property>", with further
    // "/<property>" steps, stands for the sub-object held there: the editor shows it, the views
    // select the scene object holding it.
    QStringList selectByNames(const QStringList &names);

    zkFilterBar *getFilterBar() const { return m_filterBar; }
    zkMaterialTreeView *getMaterialView() const { return m_materialView; }
    zkNodeBasedTreeView *getNodeView() const { return m_nodeView; }
    zkTreeView *getVariantSetView() const { return m_variantSetView; }
    zkMaterialTagView *getTagView() const { return m_tagView; }
    zkMaterialIconView *getPreviewView() const { return m_previewView; }
    // The group whose materials the previews show.
    zkdNode getPreviewNode() const { return m_previewNode; }

signals:
    void objectSelectionChanged(const QList<zkdObject> &objects);

private:
    // Takes the selection of the view behind selectionModel over to the other views.
    void viewSelectionChanged(const QItemSelectionModel *selectionModel);
    QList<zkdObject> selectedObjectsOf(const QItemSelectionModel *selectionModel);
    // Selects objects in every view but the one behind except.
    void applySelection(const QList<zkdObject> &objects, const QItemSelectionModel *except);
    void selectInMaterialView(const QList<zkdMaterial> &materials);
    void selectInTagView(const QList<zkdMaterial> &materials);
    void selectInPreviewView(const QList<zkdMaterial> &materials);
    void showPreviewsOf(const QModelIndex &current);

    zkFilterBar *m_filterBar = nullptr;
    zkMaterialTreeModel *m_materialModel;
    zkProxyModel *m_materialProxy;
    zkMaterialTreeView *m_materialView;
    zkMaterialSelectionModel *m_materialSelection;
    zkItemModel *m_nodeModel;
    zkNodeBasedTreeView *m_nodeView;
    zkNodeBasedSelectionModel *m_nodeSelection;
    zkVariantSetTreeModel *m_variantSetModel;
    zkProxyModel *m_variantSetProxy;
    zkTreeView *m_variantSetView;
    zkVariantSetSelectionModel *m_variantSetSelection;
    // Read by the tag model's items.
    zkMaterialTagCache m_tagCache;
    zkMaterialTagModel *m_tagModel;
    zkMaterialTagView *m_tagView;
    zkMaterialPreviewModel *m_previewModel;
    zkMaterialIconView *m_previewView;
    zkdNode m_previewNode;
    QList<zkdObject> m_selection;
    // Set while the views are being brought in line with a selection, against feedback.
    bool m_syncing = false;
};
