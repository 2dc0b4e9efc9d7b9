#pragma once

#include <QList>

class zkdBaseLightNode;
class zkdNode;
class zkdVariantSetGroup;

// The scene the in-memory kernel holds: the roots of the scene graph and of the variant sets,
// and which nodes share their content. Services and handles reach the scene through here.
namespace zkdScene {

// The top node of the scene graph, made on first use.
zkdNode root();
// The invisible group that holds the ungrouped variant sets and the groups, made on first use.
zkdVariantSetGroup variantSetRoot();

// The light nodes below node, depth first in child order.
QList<zkdBaseLightNode> lightNodes(const zkdNode &node);

// Makes clone share its content with node (and every node that node shares with).
void share(const zkdNode &node, const zkdNode &clone);
// True when another node in the scene shares the node's content; nodes taken out of the scene
// (by an undone creation, say) do not count.
bool isShared(const zkdNode &node);

} // namespace zkdScene
