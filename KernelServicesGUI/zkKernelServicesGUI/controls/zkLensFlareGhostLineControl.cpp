#include "zkLensFlareGhostLineControl.h"

#include "zkGhostItem.h"
#include "zkGhostLineEditor.h"
#include "zkLensFlareGhostLineScrollArea.h"

#include <zkIconManager.h>
#include <zkKernelServiceFactory.h>
#include <zkLightService.h>
#include <zkObjectService.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkScopedUndo.h>
#include <zkdLensFlareElement.h>

#include <QAction>
#include <QGridLayout>
#include <QMenu>
#include <QShortcut>
#include <QSignalBlocker>

namespace {

constexpr int stripHeight = 60;

using Ghosts = QList<zkdLensFlareGhost>;

zkLightService *lightService()
{
    return zkKernelServiceFactory::the().getService<zkLightService>();
}

} // namespace

zkLensFlareGhostLineControl::zkLensFlareGhostLineControl(zkPropertyEditorWidget *editorWidget,
                                                         const QByteArray &propertyName, Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
{
    setObjectName(QStringLiteral("zkLensFlareGhostLineControl"));
    m_scrollArea = new zkLensFlareGhostLineScrollArea(this);
    m_scrollArea->setMinimumHeight(stripHeight);
    m_ghostLineEditor = new zkGhostLineEditor(m_scrollArea);
    m_scrollArea->setWidget(m_ghostLineEditor);
    // The nested editor deletes the factories it is given except the global one, so it cannot
    // share the owner's own factories; the descriptions register in the global one.
    m_ghostEditor = new zkPropertyEditorWidget(this, {zkPropertyEditorFactory::global()}, false, false);
    createContextMenu();
    createLayout();
    setConnections();
    setEditor(m_ghostLineEditor);
    setLabel(nullptr);
    if (const zkLightService *service = lightService())
        onElementSelectionChanged(service->getSelectedElements());
    else
        onElementSelectionChanged({});
}

zkLensFlareGhostLineControl::~zkLensFlareGhostLineControl() = default;

QList<zkdLensFlareGhostLine> zkLensFlareGhostLineControl::ghostLines(const QList<zkdLensFlareElement> &elements)
{
    QList<zkdLensFlareGhostLine> lines;
    for (const zkdLensFlareElement &element : elements) {
        if (element.isTypeOf<zkdLensFlareGhostLine>())
            lines.append(zkd_cast<zkdLensFlareGhostLine>(element));
    }
    return lines;
}

void zkLensFlareGhostLineControl::createContextMenu()
{
    m_contextMenu = new QMenu(this);
    QAction *create = createAction(tr("Create Ghost"), tr("Creates a ghost at the mouse position"),
                                   [this] { m_ghostLineEditor->createGhost(); }, "CreateNew");
    m_copyAction = createAction(tr("Copy\tCtrl+C"), tr("Copies the selected ghosts"), [this] { onCopy(); }, Qt::Key_C,
                                Qt::ControlModifier, "Copy");
    m_cutAction = createAction(tr("Cut\tCtrl+X"), tr("Cuts the selected ghosts"), [this] { onCut(); }, Qt::Key_X,
                               Qt::ControlModifier, "Cut");
    m_pasteAction = createAction(tr("Paste\tCtrl+V"), tr("Pastes the copied ghosts into the ghost line"),
                                 [this] { onPaste(); }, Qt::Key_V, Qt::ControlModifier, "Paste");
    m_duplicateAction = createAction(tr("Duplicate\tCtrl+D"), tr("Duplicates the selected ghosts"),
                                     [this] { duplicateSelectedGhosts(); }, Qt::Key_D, Qt::ControlModifier,
                                     "Duplicate");
    m_deleteAction = createAction(tr("Delete\tDel"), tr("Deletes the selected ghosts"),
                                  [this] { removeSelectedGhosts(); }, Qt::Key_Delete, Qt::NoModifier, "Delete");
    QAction *zoomIn = createAction(tr("Zoom In\tCtrl+Alt+I"), tr("Zooms into the ghost line"),
                                   [this] { m_scrollArea->zoomInAtMiddle(); }, Qt::Key_I,
                                   Qt::ControlModifier | Qt::AltModifier, "ZoomIn");
    QAction *zoomOut = createAction(tr("Zoom Out\tCtrl+Alt+O"), tr("Zooms out of the ghost line"),
                                    [this] { m_scrollArea->zoomOutAtMiddle(); }, Qt::Key_O,
                                    Qt::ControlModifier | Qt::AltModifier, "ZoomOut");
    QAction *fit = createAction(tr("Fit View\tCtrl+F5"), tr("Shows the whole ghost line"),
                                [this] { m_scrollArea->fit(); }, Qt::Key_F5, Qt::ControlModifier, "Navigation");
    m_contextMenu->addActions({create, m_copyAction, m_cutAction, m_pasteAction, m_duplicateAction, m_deleteAction});
    m_contextMenu->addSeparator();
    m_contextMenu->addActions({zoomIn, zoomOut, fit});
    m_ghostLineEditor->setContextMenu(m_contextMenu);
    updateActionStateBasedOnSelection({});
}

QAction *zkLensFlareGhostLineControl::createAction(const QString &text, const QString &statusTip,
                                                   const std::function<void()> &slot, Qt::Key key,
                                                   Qt::KeyboardModifiers modifiers, const std::string &iconName)
{
    auto *action = new QAction(text, m_contextMenu);
    action->setStatusTip(statusTip);
    connect(action, &QAction::triggered, this, slot);
    if (!iconName.empty())
        action->setIcon(zkIconManager::getIcon(QString::fromStdString(iconName), QString()));
    if (key != Qt::Key_unknown) {
        // On the strip alone, so that the same keys elsewhere in the editor keep their meaning.
        auto *shortcut = new QShortcut(QKeySequence(int(key) | int(modifiers)), m_ghostLineEditor);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, action, &QAction::trigger);
    }
    return action;
}

QAction *zkLensFlareGhostLineControl::createAction(const QString &text, const QString &statusTip,
                                                   const std::function<void()> &slot, const std::string &iconName)
{
    return createAction(text, statusTip, slot, Qt::Key_unknown, Qt::NoModifier, iconName);
}

void zkLensFlareGhostLineControl::createLayout()
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scrollArea->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_ghostLineEditor->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_ghostEditor->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    layout->addWidget(m_scrollArea, 0, 0);
    layout->addWidget(m_ghostEditor, 1, 0);
}

void zkLensFlareGhostLineControl::setConnections()
{
    connect(m_ghostLineEditor, &zkGhostLineEditor::selectionChanged, this,
            &zkLensFlareGhostLineControl::onEditorGhostSelectionChanged);
    connect(m_ghostLineEditor, &zkGhostLineEditor::ghostAdded, this, &zkLensFlareGhostLineControl::onGhostAdded);
    connect(m_ghostLineEditor, &zkGhostLineEditor::ghostsRemoved, this,
            &zkLensFlareGhostLineControl::onGhostsRemoved);
    connect(m_ghostLineEditor, &zkGhostLineEditor::panLeft, m_scrollArea, &zkLensFlareGhostLineScrollArea::panLeft);
    connect(m_ghostLineEditor, &zkGhostLineEditor::panRight, m_scrollArea, &zkLensFlareGhostLineScrollArea::panRight);
    connect(m_ghostLineEditor, &zkGhostLineEditor::zoomIn, m_scrollArea, &zkLensFlareGhostLineScrollArea::zoomIn);
    connect(m_ghostLineEditor, &zkGhostLineEditor::zoomOut, m_scrollArea, &zkLensFlareGhostLineScrollArea::zoomOut);
    if (zkLightService *service = lightService()) {
        connect(service, &zkLightService::lensFlareElementSelectionChanged, this,
                &zkLensFlareGhostLineControl::onElementSelectionChanged);
        connect(service, &zkLightService::lensFlareGhostSelectionChanged, this,
                &zkLensFlareGhostLineControl::onServiceGhostSelectionChanged);
    }
    if (auto *objectService = zkKernelServiceFactory::the().getService<zkObjectService>())
        connect(objectService, &zkObjectService::propertyChangedBS, this,
                &zkLensFlareGhostLineControl::onPropertyChanged);
}

void zkLensFlareGhostLineControl::updateControl()
{
    zkBaseControl::updateControl();
    updateGhostLineEditor();
}

void zkLensFlareGhostLineControl::onElementSelectionChanged(const QList<zkdLensFlareElement> &elements)
{
    const QList<zkdLensFlareGhostLine> lines = ghostLines(elements);
    m_ghostLine = lines.size() == 1 ? lines.first() : zkdLensFlareGhostLine();
    const bool shown = !m_ghostLine.isNull();
    m_scrollArea->setVisible(shown);
    m_ghostEditor->setVisible(shown);
    updateGhostLineEditor();
}

void zkLensFlareGhostLineControl::updateGhostLineEditor()
{
    const QList<zkdLensFlareGhost> selected = m_ghostLineEditor->getSelectedGhosts();
    {
        // A rebuild keeps the ghosts that survive it selected; only a change is reported.
        const QSignalBlocker blocker(m_ghostLineEditor);
        m_ghostLineEditor->removeAllGhostItems();
        if (!m_ghostLine.isNull())
            m_ghostLineEditor->createGhostItems(m_ghostLine.getGhosts());
        for (const zkdLensFlareGhost &ghost : selected) {
            if (zkGhostItem *item = m_ghostLineEditor->findGhostItem(ghost))
                item->setSelected(true);
        }
    }
    const QList<zkdLensFlareGhost> survivors = m_ghostLineEditor->getSelectedGhosts();
    if (survivors != selected)
        onEditorGhostSelectionChanged(survivors);
    else
        updateActionStateBasedOnSelection(survivors);
}

void zkLensFlareGhostLineControl::onEditorGhostSelectionChanged(const QList<zkdLensFlareGhost> &ghosts)
{
    updatePropertyEditor(ghosts);
    updateActionStateBasedOnSelection(ghosts);
    if (zkLightService *service = lightService())
        service->setSelectedGhosts(ghosts);
}

void zkLensFlareGhostLineControl::onServiceGhostSelectionChanged(const QList<zkdLensFlareGhost> &ghosts)
{
    updatePropertyEditor(ghosts);
}

void zkLensFlareGhostLineControl::updatePropertyEditor(const QList<zkdLensFlareGhost> &ghosts)
{
    // The strip's report and the service's echo of it show the same ghosts; build once.
    const QList<zkPropertyEditorObjectWrapper *> &shown = m_ghostEditor->getCurrentObjects();
    bool same = shown.size() == ghosts.size();
    for (int i = 0; same && i < ghosts.size(); ++i)
        same = shown.at(i)->isZkdObject() && shown.at(i)->getObject<zkdObject>() == ghosts.at(i);
    if (same)
        return;
    if (ghosts.isEmpty()) {
        m_ghostEditor->clearCurrentObjects(true);
        return;
    }
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdLensFlareGhost &ghost : ghosts)
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(ghost));
    m_ghostEditor->setCurrentObjects(wrappers);
}

void zkLensFlareGhostLineControl::updateItemInGhostLineEditor(const zkdObject &ghost)
{
    zkGhostItem *item = m_ghostLineEditor->findGhostItem(ghost);
    if (!item)
        return;
    item->setPos(zkGhostItem::toPosition(item->getGhost().getDistance()), 0.0);
    item->updateColor();
}

void zkLensFlareGhostLineControl::onPropertyChanged(const zkdObject &object, const QByteArray &name)
{
    if (name == "distance" || name == "color") {
        updateItemInGhostLineEditor(object);
    } else if (name == "ghosts" && object == m_ghostLine) {
        // The owning editor refreshes this row only when it shows the line itself.
        Ghosts shown;
        for (const zkGhostItem *item : m_ghostLineEditor->getGhostItems())
            shown.append(item->getGhost());
        if (shown != m_ghostLine.getGhosts())
            updateGhostLineEditor();
    }
}

void zkLensFlareGhostLineControl::updateActionStateBasedOnSelection(const QList<zkdLensFlareGhost> &ghosts)
{
    const bool hasSelection = !ghosts.isEmpty();
    for (QAction *action : {m_copyAction, m_cutAction, m_duplicateAction, m_deleteAction})
        action->setEnabled(hasSelection);
    const zkLightService *service = lightService();
    m_pasteAction->setEnabled(service && service->hasCopiedGhosts());
}

void zkLensFlareGhostLineControl::onGhostAdded(double posX)
{
    if (m_ghostLine.isNull())
        return;
    zkdLensFlareGhost ghost;
    {
        const zkScopedUndo undo;
        ghost = m_ghostLine.createGhost(posX);
    }
    // The new ghost alone becomes the selection, so that its properties show.
    if (!m_ghostLineEditor->findGhostItem(ghost))
        updateGhostLineEditor();
    if (zkGhostItem *item = m_ghostLineEditor->findGhostItem(ghost)) {
        {
            const QSignalBlocker blocker(m_ghostLineEditor);
            m_ghostLineEditor->clearSelection();
        }
        item->setSelected(true);
    }
}

void zkLensFlareGhostLineControl::createGhost()
{
    m_ghostLineEditor->createGhost(0.0);
}

void zkLensFlareGhostLineControl::onGhostsRemoved(const QList<zkdLensFlareGhost> &ghosts)
{
    if (m_ghostLine.isNull() || ghosts.isEmpty())
        return;
    const zkScopedUndo undo;
    m_ghostLine.removeGhosts(ghosts);
}

void zkLensFlareGhostLineControl::removeSelectedGhosts()
{
    onGhostsRemoved(m_ghostLineEditor->getSelectedGhosts());
}

void zkLensFlareGhostLineControl::onCopy()
{
    zkLightService *service = lightService();
    const QList<zkdLensFlareGhost> selected = m_ghostLineEditor->getSelectedGhosts();
    if (!service || selected.isEmpty())
        return;
    service->copyGhosts(selected);
    updateActionStateBasedOnSelection(selected);
}

void zkLensFlareGhostLineControl::onCut()
{
    onCopy();
    removeSelectedGhosts();
}

void zkLensFlareGhostLineControl::onPaste()
{
    zkLightService *service = lightService();
    if (!service || m_ghostLine.isNull() || !service->hasCopiedGhosts())
        return;
    const zkScopedUndo undo;
    service->pasteGhosts(m_ghostLine);
}

void zkLensFlareGhostLineControl::duplicateSelectedGhosts()
{
    zkLightService *service = lightService();
    const QList<zkdLensFlareGhost> selected = m_ghostLineEditor->getSelectedGhosts();
    if (!service || selected.isEmpty())
        return;
    const zkScopedUndo undo;
    service->duplicateGhosts(selected);
}

QList<QWidget *> zkLensFlareGhostLineControl::getFocusWidgets() const
{
    return getFocusable({m_ghostLineEditor, m_ghostEditor});
}
