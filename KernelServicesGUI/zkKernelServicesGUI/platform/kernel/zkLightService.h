#pragma once

#include "zkBaseService.h"
#include "zkdBaseLightNode.h"
#include "zkdLensFlareElement.h"
#include "zkdLensFlareGhost.h"

#include <QList>

class zkdLensFlareGhostLine;
class zkdPointLightNode;

// The light editor's side of the kernel: the selected lights, the selected lens-flare elements
// and ghosts, and clipboards of elements and ghosts that outlive what they were copied from.
// Pastes and duplicates add copies and are one undo step each when an undo scope records.
class zkLightService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkLightService(QObject *parent = nullptr);

    QList<zkdBaseLightNode> getSelectedLights() const { return m_selectedLights; }
    void setSelectedLights(const QList<zkdBaseLightNode> &lights);

    // The light nodes of the scene, depth first in child order.
    QList<zkdBaseLightNode> getLightNodes() const;

    // Lens-flare elements.
    void copyElements(const QList<zkdLensFlareElement> &elements);
    bool hasCopiedElements() const { return !m_copiedElements.isEmpty(); }
    // Adds copies of the copied elements after the light's elements.
    void pasteElements(const zkdPointLightNode &light);
    // Adds a copy of each of the light's elements among elements right after it.
    void duplicateElements(const zkdPointLightNode &light, const QList<zkdLensFlareElement> &elements);
    QList<zkdLensFlareElement> getSelectedElements() const { return m_selectedElements; }
    // Emits lensFlareElementSelectionChanged before it returns, also for an unchanged selection.
    void setSelectedElements(const QList<zkdLensFlareElement> &elements);

    // Ghosts.
    void copyGhosts(const QList<zkdLensFlareGhost> &ghosts);
    bool hasCopiedGhosts() const { return !m_copiedGhosts.isEmpty(); }
    // Adds copies of the copied ghosts after the line's ghosts.
    void pasteGhosts(const zkdLensFlareGhostLine &ghostLine);
    // Adds a copy of each ghost right after it in its line.
    void duplicateGhosts(const QList<zkdLensFlareGhost> &ghosts);
    QList<zkdLensFlareGhost> getSelectedGhosts() const { return m_selectedGhosts; }
    // Emits lensFlareGhostSelectionChanged before it returns, also for an unchanged selection.
    void setSelectedGhosts(const QList<zkdLensFlareGhost> &ghosts);

signals:
    void lightSelectionChanged(const QList<zkdBaseLightNode> &lights);
    void lensFlareElementSelectionChanged(const QList<zkdLensFlareElement> &elements);
    void lensFlareGhostSelectionChanged(const QList<zkdLensFlareGhost> &ghosts);

private:
    QList<zkdBaseLightNode> m_selectedLights;
    QList<zkdLensFlareElement> m_selectedElements;
    QList<zkdLensFlareGhost> m_selectedGhosts;
    // Copies of their own, outside every effect and line.
    QList<zkdLensFlareElement> m_copiedElements;
    QList<zkdLensFlareGhost> m_copiedGhosts;
};
