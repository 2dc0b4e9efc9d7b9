#include "zkLensFlareElementsControl.h"

#include "zkLensFlareElementClipboard.h"

#include <zkIconManager.h>
#include <zkKernelServiceFactory.h>
#include <zkLightService.h>
#include <zkObjectService.h>
#include <zkPlatform.h>
#include <zkPlatformService.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoString.h>
#include <zkdLensFlareEffect.h>
#include <zkdLensFlareElement.h>
#include <zkdLensFlareGhostLine.h>
#include <zkdLensFlareGlow.h>
#include <zkdLensFlareRing.h>
#include <zkdLensFlareStar.h>
#include <zkdLensFlareStreak.h>
#include <zkdObjectManager.h>
#include <zkdPointLightNode.h>

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <iterator>

namespace {

const char *const elementsProperty = "lensFlareElements";

struct ElementTypeRow
{
    zkLensFlareTypes::ElementType type;
    const char *name;
    const char *icon;
};

// In the order of the creation menu.
const ElementTypeRow elementTypes[] = {
    {zkLensFlareTypes::Glow, QT_TRANSLATE_NOOP("zkLensFlareElementsControl", "Glow"), "LightEditor/LensFlare_glow.svg"},
    {zkLensFlareTypes::Starburst, QT_TRANSLATE_NOOP("zkLensFlareElementsControl", "Starburst"),
     "LightEditor/LensFlare_starburst.svg"},
    {zkLensFlareTypes::Streak, QT_TRANSLATE_NOOP("zkLensFlareElementsControl", "Streak"),
     "LightEditor/LensFlare_streak.svg"},
    {zkLensFlareTypes::Ring, QT_TRANSLATE_NOOP("zkLensFlareElementsControl", "Ring"), "LightEditor/LensFlare_ring.svg"},
    {zkLensFlareTypes::GhostLine, QT_TRANSLATE_NOOP("zkLensFlareElementsControl", "Ghost Line"),
     "LightEditor/LensFlare_ghostline.svg"},
};

const QHash<int, const char *> &typeNames()
{
    static const QHash<int, const char *> names = [] {
        QHash<int, const char *> result;
        for (const ElementTypeRow &row : elementTypes)
            result.insert(row.type, row.name);
        return result;
    }();
    return names;
}

const QHash<int, QIcon> &typeIcons()
{
    static const QHash<int, QIcon> icons = [] {
        QHash<int, QIcon> result;
        for (const ElementTypeRow &row : elementTypes)
            result.insert(row.type, QIcon(zkIconManager::get(QString::fromLatin1(row.icon))));
        return result;
    }();
    return icons;
}

zkLightService *lightService()
{
    return zkKernelServiceFactory::the().getService<zkLightService>();
}

zkdLensFlareElement elementOf(const QListWidgetItem *item)
{
    return item ? zkd_cast<zkdLensFlareElement>(item->data(Qt::UserRole).value<zkdObject>()) : zkdLensFlareElement();
}

} // namespace

zkLensFlareElementsControl::zkLensFlareElementsControl(zkPropertyEditorWidget *editorWidget,
                                                       const QByteArray &propertyName, Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
{
    setObjectName(QStringLiteral("zkLensFlareElementsControl"));
    createList();
    createContextMenu();
    // The nested editor deletes the factories it is given except the global one, so it cannot
    // share the owner's own factories; the descriptions register in the global one.
    m_elementEditor = new zkPropertyEditorWidget(this, {zkPropertyEditorFactory::global()}, false, false);
    setEditor(m_list);
    createLayout();
    setConnections();
    setLabel(nullptr);
}

zkLensFlareElementsControl::~zkLensFlareElementsControl() = default;

QString zkLensFlareElementsControl::toString(ElementType type)
{
    const char *name = typeNames().value(type, nullptr);
    return name ? QCoreApplication::translate("zkLensFlareElementsControl", name) : QString();
}

QIcon zkLensFlareElementsControl::toIcon(ElementType type)
{
    return typeIcons().value(type);
}

zkLensFlareElementsControl::ElementType zkLensFlareElementsControl::getElementType(const zkdLensFlareElement &element)
{
    if (element.isTypeOf<zkdLensFlareGlow>())
        return zkLensFlareTypes::Glow;
    if (element.isTypeOf<zkdLensFlareRing>())
        return zkLensFlareTypes::Ring;
    if (element.isTypeOf<zkdLensFlareStar>())
        return zkLensFlareTypes::Starburst;
    if (element.isTypeOf<zkdLensFlareStreak>())
        return zkLensFlareTypes::Streak;
    if (element.isTypeOf<zkdLensFlareGhostLine>())
        return zkLensFlareTypes::GhostLine;
    return zkLensFlareTypes::Glow;
}

void zkLensFlareElementsControl::createList()
{
    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setUniformItemSizes(true);
    m_list->setAlternatingRowColors(true);
    m_list->setSortingEnabled(false);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    const double scaleX = zkPlatform::getDpiScaleX();
    const double scaleY = zkPlatform::getDpiScaleY();
    QSize iconSize(zkPlatform::getTreeViewIconSizeX(), zkPlatform::getTreeViewIconSizeY());
    int minimumHeight = 100;
    int maximumHeight = 200;
    if (const auto *platform = zkKernelServiceFactory::the().getService<zkPlatformService>()) {
        iconSize = platform->getListIconSize();
        minimumHeight = platform->getListMinimumHeight();
        maximumHeight = platform->getListMaximumHeight();
    }
    m_list->setIconSize(QSize(int(iconSize.width() * scaleX), int(iconSize.height() * scaleY)));
    m_list->setMinimumHeight(int(minimumHeight * scaleY));
    m_list->setMaximumHeight(int(maximumHeight * scaleY));
}

void zkLensFlareElementsControl::createContextMenu()
{
    qDeleteAll(m_shortcuts);
    m_shortcuts.clear();
    delete m_contextMenu;
    m_contextMenu = new QMenu(this);
    addCreationMenu(m_contextMenu);
    addStandardMenu(m_contextMenu);
}

void zkLensFlareElementsControl::addCreationMenu(QMenu *menu)
{
    QMenu *creation = menu->addMenu(tr("Create Element"));
    const std::function<void()> creators[] = {
        [this] { createGlowElement(); }, [this] { createStarElement(); }, [this] { createStreakElement(); },
        [this] { createRingElement(); }, [this] { createGhostlineElement(); },
    };
    for (int i = 0; i < int(std::size(elementTypes)); ++i) {
        QAction *action = creation->addAction(toIcon(elementTypes[i].type), toString(elementTypes[i].type));
        connect(action, &QAction::triggered, this, creators[i]);
    }
}

void zkLensFlareElementsControl::addStandardMenu(QMenu *menu)
{
    m_renameAction = createAction(tr("Rename\tCtrl+R"), tr("Renames the selected element"),
                                  [this] { renameSelectedElement(); }, Qt::Key_R, Qt::ControlModifier,
                                  "RenameReference");
    m_copyAction = createAction(tr("Copy\tCtrl+C"), tr("Copies the selected elements"),
                                [this] { copySelectedElements(); }, Qt::Key_C, Qt::ControlModifier, "Copy");
    m_cutAction = createAction(tr("Cut\tCtrl+X"), tr("Cuts the selected elements"), [this] { cutSelectedElements(); },
                               Qt::Key_X, Qt::ControlModifier, "Cut");
    m_pasteAction = createAction(tr("Paste\tCtrl+V"), tr("Pastes the copied elements into the selected lights"),
                                 [this] { pasteElements(); }, Qt::Key_V, Qt::ControlModifier, "Paste");
    m_duplicateAction = createAction(tr("Duplicate\tCtrl+D"), tr("Duplicates the selected elements"),
                                     [this] { duplicateSelectedElements(); }, Qt::Key_D, Qt::ControlModifier,
                                     "Duplicate");
    m_deleteAction = createAction(tr("Delete\tDel"), tr("Deletes the selected elements"),
                                  [this] { removeSelectedElements(); }, Qt::Key_Delete, Qt::NoModifier, "Delete");
    const QList<QAction *> actions = {m_renameAction, m_copyAction, m_cutAction,
                                      m_pasteAction, m_duplicateAction, m_deleteAction};
    // The actions go with the menu when it is built anew.
    for (QAction *action : actions)
        action->setParent(menu);
    menu->addActions(actions);
    updateActionStateBasedOnSelection();
}

QAction *zkLensFlareElementsControl::createAction(const QString &text, const QString &statusTip,
                                                  const std::function<void()> &slot, Qt::Key key,
                                                  Qt::KeyboardModifiers modifiers, const std::string &iconName)
{
    auto *action = new QAction(text, this);
    action->setStatusTip(statusTip);
    connect(action, &QAction::triggered, this, slot);
    if (!iconName.empty())
        action->setIcon(zkIconManager::getIcon(QString::fromStdString(iconName), QString()));
    if (key != Qt::Key_unknown) {
        // On the list alone, so that the same keys elsewhere in the editor keep their meaning.
        auto *shortcut = new QShortcut(QKeySequence(int(key) | int(modifiers)), m_list);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
        m_shortcuts.append(shortcut);
    }
    return action;
}

QAction *zkLensFlareElementsControl::createAction(const QString &text, const QString &statusTip,
                                                  const std::function<void()> &slot, const std::string &iconName)
{
    return createAction(text, statusTip, slot, Qt::Key_unknown, Qt::NoModifier, iconName);
}

void zkLensFlareElementsControl::createLayout()
{
    m_frame = new QFrame(this);
    auto *frameLayout = new QVBoxLayout(m_frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(m_list);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame);
    layout->addWidget(m_elementEditor);
}

void zkLensFlareElementsControl::setConnections()
{
    connect(m_list, &QWidget::customContextMenuRequested, this, &zkLensFlareElementsControl::openContextMenu);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &zkLensFlareElementsControl::onSelectionChanged);
    connect(m_list, &QListWidget::itemChanged, this, &zkLensFlareElementsControl::onItemChanged);
    connect(m_list->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            &zkLensFlareElementsControl::onNameChanged);
    if (auto *objectService = zkKernelServiceFactory::the().getService<zkObjectService>())
        connect(objectService, &zkObjectService::propertyChangedBS, this,
                &zkLensFlareElementsControl::onPropertyChanged);
    // Elements copied in another process make paste possible.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &zkLensFlareElementsControl::updateActionStateBasedOnSelection);
}

void zkLensFlareElementsControl::openContextMenu(const QPoint &position)
{
    m_contextMenu->exec(m_list->viewport()->mapToGlobal(position));
}

void zkLensFlareElementsControl::updateControl()
{
    zkBaseControl::updateControl();
    updateList();
}

bool zkLensFlareElementsControl::eventFilter(QObject *watched, QEvent *event)
{
    return QObject::eventFilter(watched, event);
}

QListWidgetItem *zkLensFlareElementsControl::createItem(const zkdLensFlareElement &element)
{
    auto *item = new QListWidgetItem(toIcon(getElementType(element)), element.getName(), m_list);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setData(Qt::CheckStateRole, element.getIsActive() ? Qt::Checked : Qt::Unchecked);
    item->setData(Qt::UserRole, QVariant::fromValue(zkdObject(element)));
    return item;
}

QListWidgetItem *zkLensFlareElementsControl::findItem(const zkdObject &element) const
{
    for (int row = 0; row < m_list->count(); ++row) {
        if (elementOf(m_list->item(row)) == element)
            return m_list->item(row);
    }
    return nullptr;
}

void zkLensFlareElementsControl::updateList()
{
    const QList<zkdLensFlareElement> selected = getSelectedElements();
    const zkdLensFlareElement current = elementOf(m_list->currentItem());
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const zkdLensFlareElement &element : getPropertyValue().value<QList<zkdLensFlareElement>>()) {
            QListWidgetItem *item = createItem(element);
            // Elements that survive a rebuild stay selected.
            if (element == current)
                m_list->setCurrentItem(item, QItemSelectionModel::NoUpdate);
            item->setSelected(selected.contains(element));
        }
    }
    onSelectionChanged();
}

void zkLensFlareElementsControl::updateNameProperty(const zkdLensFlareElement &element)
{
    if (QListWidgetItem *item = findItem(element)) {
        const QSignalBlocker blocker(m_list);
        item->setText(element.getName());
    }
}

QList<zkdLensFlareEffect> zkLensFlareElementsControl::getSelectedEffects() const
{
    QList<zkdLensFlareEffect> effects;
    for (const zkPropertyEditorObjectWrapper *object : getEditorWidget()->getCurrentObjects()) {
        if (!object->isZkdObject())
            continue;
        if (const auto effect = zkd_cast<zkdLensFlareEffect>(object->getObject<zkdObject>()); !effect.isNull())
            effects.append(effect);
    }
    return effects;
}

QList<zkdLensFlareElement> zkLensFlareElementsControl::getSelectedElements() const
{
    QList<zkdLensFlareElement> elements;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            elements.append(elementOf(m_list->item(row)));
    }
    return elements;
}

void zkLensFlareElementsControl::setSelectedElement(const zkdLensFlareElement &element)
{
    QListWidgetItem *item = findItem(element);
    if (!item)
        return;
    const QSignalBlocker blocker(m_list);
    m_list->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    onSelectionChanged();
}

void zkLensFlareElementsControl::onSelectionChanged()
{
    const QList<zkdLensFlareElement> selected = getSelectedElements();
    if (selected.isEmpty()) {
        m_elementEditor->clearCurrentObjects(true);
    } else {
        QList<zkPropertyEditorObjectWrapper *> wrappers;
        for (const zkdLensFlareElement &element : selected)
            wrappers.append(new zkPropertyEditorZkdObjectWrapper(element));
        m_elementEditor->setCurrentObjects(wrappers);
    }
    updateActionStateBasedOnSelection();
    if (zkLightService *service = lightService())
        service->setSelectedElements(selected);
}

void zkLensFlareElementsControl::updateActionStateBasedOnSelection()
{
    const bool hasSelection = m_list && !m_list->selectedItems().isEmpty();
    for (QAction *action : {m_renameAction, m_copyAction, m_cutAction, m_duplicateAction, m_deleteAction}) {
        if (action)
            action->setEnabled(hasSelection);
    }
    const zkLightService *service = lightService();
    if (m_pasteAction)
        m_pasteAction->setEnabled(
                service && (service->hasCopiedElements() || zkLensFlareElementClipboard::hasForeignPayload()));
    if (m_frame)
        m_frame->setEnabled(getSelectedEffects().size() == 1);
}

void zkLensFlareElementsControl::createElement(const QString &name, ElementType type)
{
    const QList<zkdLensFlareEffect> effects = getSelectedEffects();
    if (effects.isEmpty())
        return;
    zkdLensFlareElement element;
    {
        const zkScopedUndo undo;
        element = effects.first().createLensFlareElement(name, type);
    }
    // The change notification has listed the element by now.
    setSelectedElement(element);
}

void zkLensFlareElementsControl::createGlowElement()
{
    createElement(toString(zkLensFlareTypes::Glow), zkLensFlareTypes::Glow);
}

void zkLensFlareElementsControl::createStarElement()
{
    createElement(toString(zkLensFlareTypes::Starburst), zkLensFlareTypes::Starburst);
}

void zkLensFlareElementsControl::createStreakElement()
{
    createElement(toString(zkLensFlareTypes::Streak), zkLensFlareTypes::Streak);
}

void zkLensFlareElementsControl::createRingElement()
{
    createElement(toString(zkLensFlareTypes::Ring), zkLensFlareTypes::Ring);
}

void zkLensFlareElementsControl::createGhostlineElement()
{
    createElement(toString(zkLensFlareTypes::GhostLine), zkLensFlareTypes::GhostLine);
}

void zkLensFlareElementsControl::onItemChanged(QListWidgetItem *item)
{
    const zkdLensFlareElement element = elementOf(item);
    const bool active = item->data(Qt::CheckStateRole).toInt() == Qt::Checked;
    if (element.isNull() || element.getIsActive() == active)
        return;
    const zkScopedUndo undo;
    element.setIsActive(active);
}

void zkLensFlareElementsControl::renameSelectedElement()
{
    if (QListWidgetItem *item = m_list->currentItem())
        m_list->editItem(item);
}

void zkLensFlareElementsControl::onNameChanged(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const auto *lineEdit = qobject_cast<QLineEdit *>(editor);
    const zkdLensFlareElement element = elementOf(m_list->currentItem());
    if (!lineEdit || element.isNull())
        return;
    // Escape closes the editor with the revert hint: the typed text is dropped.
    if (hint != QAbstractItemDelegate::RevertModelCache && lineEdit->text() != element.getName()) {
        const zkScopedUndo undo;
        element.setName(lineEdit->text());
    }
    // The delegate wrote the typed text into the item, also when the kernel refused it.
    updateNameProperty(element);
}

void zkLensFlareElementsControl::removeSelectedElements()
{
    const QList<zkdLensFlareElement> selected = getSelectedElements();
    if (!lightService() || selected.isEmpty())
        return;
    const zkScopedUndo undo;
    for (const zkdLensFlareEffect &effect : getSelectedEffects())
        effect.removeElements(selected);
}

void zkLensFlareElementsControl::copySelectedElements()
{
    zkLightService *service = lightService();
    const QList<zkdLensFlareElement> selected = getSelectedElements();
    if (!service || selected.isEmpty())
        return;
    service->copyElements(selected);
    zkLensFlareElementClipboard::copy(selected);
    updateActionStateBasedOnSelection();
}

void zkLensFlareElementsControl::cutSelectedElements()
{
    copySelectedElements();
    removeSelectedElements();
}

void zkLensFlareElementsControl::takeForeignClipboard()
{
    zkLensFlareElementClipboard::Payload payload;
    if (!zkLensFlareElementClipboard::foreignPayload(&payload))
        return;
    const QList<zkdLensFlareElement> elements = zkLensFlareElementClipboard::createElements(payload);
    if (!elements.isEmpty())
        lightService()->copyElements(elements);
    for (const zkdLensFlareElement &element : elements)
        zkdObjectManager::destroy(element);
}

void zkLensFlareElementsControl::pasteElements()
{
    zkLightService *service = lightService();
    if (!service || service->getSelectedLights().isEmpty())
        return;
    takeForeignClipboard();
    if (!service->hasCopiedElements())
        return;
    const zkScopedUndo undo;
    const zkScopedMultiCommand step(zkUndoString("Add Lens Flare Elements", "Light Commands"));
    for (const zkdBaseLightNode &light : service->getSelectedLights()) {
        if (const auto pointLight = zkd_cast<zkdPointLightNode>(light); !pointLight.isNull())
            service->pasteElements(pointLight);
    }
}

void zkLensFlareElementsControl::duplicateSelectedElements()
{
    zkLightService *service = lightService();
    const QList<zkdLensFlareElement> selected = getSelectedElements();
    if (!service || selected.isEmpty())
        return;
    const QList<zkdBaseLightNode> lights = service->getSelectedLights();
    const auto light = lights.size() == 1 ? zkd_cast<zkdPointLightNode>(lights.first()) : zkdPointLightNode();
    if (light.isNull())
        return;
    const zkScopedUndo undo;
    service->duplicateElements(light, selected);
}

void zkLensFlareElementsControl::onPropertyChanged(const zkdObject &object, const QByteArray &name)
{
    if (name == "name") {
        if (findItem(object))
            updateNameProperty(zkd_cast<zkdLensFlareElement>(object));
    } else if (name == "isActive") {
        // Undo and redo of a check change the flag behind the list's back.
        if (QListWidgetItem *item = findItem(object)) {
            const QSignalBlocker blocker(m_list);
            item->setCheckState(zkd_cast<zkdLensFlareElement>(object).getIsActive() ? Qt::Checked : Qt::Unchecked);
        }
    } else if (name == elementsProperty) {
        if (getSelectedEffects().contains(zkd_cast<zkdLensFlareEffect>(object)))
            updateList();
    }
}

QList<QWidget *> zkLensFlareElementsControl::getFocusWidgets() const
{
    return getFocusable({m_list, m_elementEditor});
}
