#pragma once

#include "zkBaseService.h"
#include "zkdMaterial.h"
#include "zkdMaterialNode.h"
#include "zkdNode.h"

#include <QList>

// The scene's materials. They live in the material tree: group nodes (zkdNode) below a root
// group, and material nodes (zkdMaterialNode) that hold one material each. Tree changes are
// undoable steps and notify "children" on the groups involved.
class zkMaterialService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkMaterialService(QObject *parent = nullptr);

    // The materials of the material tree, depth first in child order, each once.
    QList<zkdMaterial> getSceneMaterials() const;
    // The environment used where a material names none; not one of the scene's materials.
    zkdMaterial getDefaultEnvironmentMaterial() const { return m_defaultEnvironment; }

    zkdNode getMaterialTreeRoot() const { return m_root; }
    // A material node's material, or the materials of the material nodes below a group, depth
    // first in child order, each once.
    QList<zkdMaterial> getNodeMaterials(const zkdNode &node) const;

    // Puts material into the scene: a new material node holding it at the end of group (the
    // root for a null group). Returns the node.
    zkdMaterialNode addMaterial(const zkdMaterial &material, const zkdNode &group = zkdNode());
    // A new group named name at the end of parent (the root for a null parent).
    zkdNode addMaterialGroup(const QString &name, const zkdNode &parent = zkdNode());
    // Takes every node that holds material out of the tree, in one step. The material itself
    // stays alive, so that undo can bring it back.
    void removeMaterial(const zkdMaterial &material);
    // Moves nodes of the material tree under group, before the child at index in the child list
    // as it is before the move (moved nodes counted at their old places); an index past the end
    // appends. A group never moves below itself. One step.
    void moveNodes(const zkdNode &group, int index, const QList<zkdNode> &nodes);
    // Takes nodes (groups with everything below them, or material nodes) out of the material
    // tree in one step; they stay alive, so that undo can bring them back.
    void removeNodes(const QList<zkdNode> &nodes);

    // Renders the material's preview image anew, before it returns. The preview is a derived
    // view: it is not an undoable change.
    void updatePreview(const zkdMaterial &material);
    // Tells the views that show materials to bring themselves up to date.
    void refresh();

    static constexpr int previewSize = 64;

signals:
    void refreshed();

private:
    zkdNode m_root;
    zkdMaterial m_defaultEnvironment;
};
