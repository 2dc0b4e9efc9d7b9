#include "zkPropertyEditorWidget.h"

#include "zkCategoryControl.h"
#include "zkGroupControl.h"
#include "zkPropertyEditorFactory.h"
#include "zkPropertyEditorObjectWrapper.h"
#include "zkPropertyEditorQObjectWrapper.h"

#include <zkBaseControl.h>
#include <zkControllerService.h>
#include <zkKernelServiceFactory.h>
#include <zkObjectService.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>

#include <QDynamicPropertyChangeEvent>
#include <QFrame>
#include <QGridLayout>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

const QByteArray defaultCategoryName = QByteArrayLiteral("INTERNAL");

} // namespace

zkPropertyEditorWidget::zkPropertyEditorWidget(QWidget *parent, const QList<zkPropertyEditorFactory *> &factories,
                                               bool verticalScroll, bool hasCache)
    : QTabWidget(parent)
    , m_factories(factories)
    , m_verticalScroll(verticalScroll)
    , m_hasCache(hasCache)
    , m_holder(new QWidget(parent))
{
    m_holder->hide();
    if (m_factories.isEmpty())
        m_factories.append(zkPropertyEditorFactory::global());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setTabPosition(QTabWidget::East);
    connect(this, &QTabWidget::currentChanged, this, qOverload<>(&zkPropertyEditorWidget::resize));
    zkPropertyEditorFactory::init();
    if (auto *objectService = zkKernelServiceFactory::the().getService<zkObjectService>())
        connect(objectService, &zkObjectService::propertyChangedBS, this, &zkPropertyEditorWidget::propertyChanged);
    clear();
}

zkPropertyEditorWidget::~zkPropertyEditorWidget()
{
    // The tabs are destroyed after this body; what they emit meanwhile must not reach this editor.
    disconnect(this, nullptr, this, nullptr);
    clearCurrentObjects(false);
    clearFactories();
    if (m_holder && !m_holder->parent())
        m_holder->deleteLater();
}

void zkPropertyEditorWidget::setCurrentObjects(const QList<zkPropertyEditorObjectWrapper *> &objects)
{
    clearCurrentObjects(false);
    m_currentObjects = objects;
    for (zkPropertyEditorObjectWrapper *wrapper : objects) {
        if (!wrapper->isZkdObject())
            continue;
        // The first wrapper of an object answers for it.
        const quint64 id = wrapper->getObject<zkdObject>().getObjectId();
        if (!m_zkdWrappers.contains(id))
            m_zkdWrappers.insert(id, wrapper);
    }
    registerDynamicProperties();
    update();
}

void zkPropertyEditorWidget::clearCurrentObjects(bool updateAfter)
{
    storeCollapsibleState();
    unregisterDynamicProperties();
    qDeleteAll(m_currentObjects);
    m_currentObjects.clear();
    m_zkdWrappers.clear();
    m_differingObjects.clear();
    m_storedValues.clear();
    if (updateAfter)
        update();
}

zkPropertyEditorObjectWrapper *zkPropertyEditorWidget::getCurrentObject() const
{
    return m_currentObjects.value(0, nullptr);
}

bool zkPropertyEditorWidget::hasSingleType(const QList<zkPropertyEditorObjectWrapper *> &objects)
{
    return std::all_of(objects.cbegin(), objects.cend(), [&objects](const zkPropertyEditorObjectWrapper *object) {
        return object->getTypeId() == objects.first()->getTypeId();
    });
}

void zkPropertyEditorWidget::registerDynamicProperties()
{
    for (zkPropertyEditorObjectWrapper *wrapper : qAsConst(m_currentObjects)) {
        if (dynamic_cast<zkPropertyEditorQObjectWrapper *>(wrapper))
            wrapper->getObject<QObject *>()->installEventFilter(this);
    }
}

void zkPropertyEditorWidget::unregisterDynamicProperties()
{
    for (zkPropertyEditorObjectWrapper *wrapper : qAsConst(m_currentObjects)) {
        if (dynamic_cast<zkPropertyEditorQObjectWrapper *>(wrapper))
            wrapper->getObject<QObject *>()->removeEventFilter(this);
    }
}

void zkPropertyEditorWidget::setFactories(const QList<zkPropertyEditorFactory *> &factories)
{
    clearFactories();
    m_factories = factories;
}

void zkPropertyEditorWidget::clearFactories()
{
    const QSet<zkPropertyEditorFactory *> owned(m_factories.cbegin(), m_factories.cend());
    for (zkPropertyEditorFactory *factory : owned) {
        if (factory != zkPropertyEditorFactory::global())
            delete factory;
    }
    m_factories.clear();
}

int zkPropertyEditorWidget::getControlSortKey(const QByteArray &name) const
{
    const zkBaseControl *control = getControl(name);
    return control ? control->getOptions()->getSortKey() : zkPropertyEditorControlOptions::getDefaultSortKey();
}

QWidget *zkPropertyEditorWidget::getControlLayoutWidget(const QByteArray &name) const
{
    const zkBaseControl *control = getControl(name);
    return control ? control->parentWidget() : nullptr;
}

zkCategoryControl *zkPropertyEditorWidget::findCategory(const QByteArray &name) const
{
    for (int i = 0; i < count(); ++i) {
        auto *category = qobject_cast<zkCategoryControl *>(widget(i));
        if (category && category->getName() == name)
            return category;
    }
    return nullptr;
}

QWidget *zkPropertyEditorWidget::getMainWidget(const QByteArray &category) const
{
    zkCategoryControl *control = findCategory(category);
    if (!control)
        control = m_defaultCategory;
    return control ? control->getMainWidget() : nullptr;
}

QVBoxLayout *zkPropertyEditorWidget::getMainLayout(const QByteArray &category) const
{
    zkCategoryControl *control = findCategory(category);
    if (!control)
        control = m_defaultCategory;
    return control ? control->getMainLayout() : nullptr;
}

zkGroupControl *zkPropertyEditorWidget::findGroupControl(const QByteArray &name) const
{
    QList<zkGroupControl *> groups;
    getGroups(&groups);
    const auto it = std::find_if(groups.cbegin(), groups.cend(),
                                 [&name](zkGroupControl *group) { return group->getName() == name; });
    return it != groups.cend() ? *it : nullptr;
}

QVBoxLayout *zkPropertyEditorWidget::findGroupLayout(const QByteArray &name) const
{
    zkGroupControl *group = findGroupControl(name);
    return group ? group->getLayout() : nullptr;
}

QList<QByteArray> zkPropertyEditorWidget::getInheritanceHierarchy() const
{
    const zkPropertyEditorObjectWrapper *first = getCurrentObject();
    return first ? first->getInheritanceHierarchy() : QList<QByteArray>();
}

void zkPropertyEditorWidget::updateAllControls()
{
    for (zkBaseControl *control : qAsConst(m_controls))
        control->updateControl();
}

zkPropertyEditorWidget *zkPropertyEditorWidget::getParentPropertyEditor() const
{
    for (QObject *ancestor = parent(); ancestor; ancestor = ancestor->parent()) {
        if (auto *editor = qobject_cast<zkPropertyEditorWidget *>(ancestor))
            return editor;
    }
    return nullptr;
}

zkPropertyEditorWidget *zkPropertyEditorWidget::getChildPropertyEditor(const QByteArray &name) const
{
    const zkBaseControl *control = getControl(name);
    return control ? control->getNestedEditor() : nullptr;
}

void zkPropertyEditorWidget::reditectToParent(zkPropertyEditorWidget *parent)
{
    if (!parent)
        return;
    using ObjectSignal = void (zkPropertyEditorWidget::*)(const zkdObject &, const QByteArray &);
    using QObjectSignal = void (zkPropertyEditorWidget::*)(QObject *, const QByteArray &);
    connect(this, ObjectSignal(&zkPropertyEditorWidget::editorPropertyChanged), parent,
            ObjectSignal(&zkPropertyEditorWidget::editorPropertyChanged));
    connect(this, QObjectSignal(&zkPropertyEditorWidget::editorPropertyChanged), parent,
            QObjectSignal(&zkPropertyEditorWidget::editorPropertyChanged));
    connect(this, &zkPropertyEditorWidget::selectObjectRequested, parent,
            &zkPropertyEditorWidget::selectObjectRequested);
}

void zkPropertyEditorWidget::resize()
{
    if (m_verticalScroll)
        return;
    // The layout's minimum size wins over (0, 0).
    QWidget::resize(0, 0);
    if (zkPropertyEditorWidget *parentEditor = getParentPropertyEditor())
        parentEditor->resize();
}

void zkPropertyEditorWidget::createDefaultCategory()
{
    m_defaultCategory = new zkCategoryControl(this, defaultCategoryName, &m_defaultCategoryOptions, true);
}

void zkPropertyEditorWidget::checkDefaultCategory()
{
    auto *first = qobject_cast<zkCategoryControl *>(widget(0));
    if (first && first->getName() == defaultCategoryName && first->getMainLayout()->count() == 0)
        removeTab(0);
    tabBar()->setVisible(count() >= 2);
    QObject::setProperty("fullBorder", count() < 2);
}

void zkPropertyEditorWidget::removeEmptyGroups()
{
    QList<zkGroupControl *> groups;
    getGroups(&groups);
    for (zkGroupControl *group : qAsConst(groups)) {
        if (group->getLayout()->count() == 0)
            delete group;
    }
}

QList<QByteArray> zkPropertyEditorWidget::getGroups(QList<zkGroupControl *> *groups) const
{
    QList<QByteArray> names;
    for (int i = 0; i < count(); ++i) {
        auto *category = qobject_cast<zkCategoryControl *>(widget(i));
        if (!category)
            continue;
        const QVBoxLayout *layout = category->getMainLayout();
        for (int k = 0; k < layout->count(); ++k) {
            auto *group = qobject_cast<zkGroupControl *>(layout->itemAt(k)->widget());
            if (!group)
                continue;
            names.append(group->getName());
            if (groups)
                groups->append(group);
        }
    }
    return names;
}

void zkPropertyEditorWidget::storeCollapsibleState()
{
    if (m_currentObjects.isEmpty())
        return;
    QList<zkGroupControl *> groups;
    getGroups(&groups);
    m_collapsedState.store(getCurrentObject()->getTypeId(), groups);
}

void zkPropertyEditorWidget::restoreCollapsibleState(const QList<zkGroupControl *> &groups)
{
    if (!m_currentObjects.isEmpty())
        m_collapsedState.restore(getCurrentObject()->getTypeId(), groups);
}

void zkPropertyEditorWidget::createControlLayout(QWidget *row, zkBaseControl *control, bool spanColumns)
{
    const zkBaseControlOptions *options = control->getOptions();
    // Filled before the row takes it, so that the row gets no layout request of its own: each one
    // posted to a new widget makes Qt look through all the events the build has posted so far.
    auto *layout = new QGridLayout;
    layout->setContentsMargins(options->isIndented() ? 15 : 0, 0, 0, 0);
    if (spanColumns) {
        // The row has no caption cell; a caption left in the row would be drawn over the control.
        delete control->getLabel();
        layout->addWidget(control, 0, 1, 1, 2, Qt::AlignVCenter);
    } else {
        if (QWidget *label = control->getLabel())
            layout->addWidget(label, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
        layout->addWidget(control, 0, 1, Qt::AlignVCenter);
    }
    if (options->separator) {
        auto *line = new QFrame(row);
        line->setObjectName(QStringLiteral("PropertySeparator"));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        layout->addWidget(line, 1, 0, 1, -1);
    }
    row->setLayout(layout);
}

void zkPropertyEditorWidget::clear()
{
    QObject::setProperty("fullBorder", true);
    QList<QWidget *> pages;
    for (int i = 0; i < count(); ++i)
        pages.append(widget(i));
    QTabWidget::clear();
    if (m_defaultCategory)
        m_defaultCategory->deleteLater();
    for (QWidget *page : qAsConst(pages)) {
        if (page == m_defaultCategory)
            continue;
        page->setUpdatesEnabled(false);
        page->setParent(m_holder);
        page->deleteLater();
    }
    m_defaultCategory = nullptr;
    m_extraPropertyOwners.clear();
}

void zkPropertyEditorWidget::update()
{
    if (m_updating)
        return;
    const QScopedValueRollback<bool> guard(m_updating, true);

    // A cached editor only ever shows one type, so its rows can be refreshed in place.
    if (m_hasCache && hasSingleType(m_currentObjects) && !m_controls.isEmpty()) {
        const QList<QByteArray> hierarchy = getInheritanceHierarchy();
        const QList<QByteArray> names = m_controls.keys();
        for (const QByteArray &name : names)
            zkPropertyEditorFactory::updateChangedProperties(this, hierarchy, name);
        updateMultiselectionSameValue();
        updateAllControls();
        return;
    }

    m_controls.clear();
    m_firstControl = nullptr;
    m_lastControl = nullptr;
    m_currentControlLayoutWidget = nullptr;
    clear();
    createControls(m_currentObjects.size() >= 2);
    style()->unpolish(this);
    style()->polish(this);
}

void zkPropertyEditorWidget::createControls(bool multiselection)
{
    if (m_currentObjects.isEmpty())
        return;
    // Built hidden and without updates, then shown once.
    hide();
    setUpdatesEnabled(false);

    const zkPropertyEditorObjectWrapper *first = getCurrentObject();
    const QList<QByteArray> hierarchy = first->getInheritanceHierarchy();
    createDefaultCategory();
    zkPropertyEditorFactory::createCategories(this, hierarchy);
    zkPropertyEditorFactory::createGroups(this, hierarchy);

    QList<Row> rows;
    QWidget *spareRow = nullptr;
    QWidget *rowParent = this;
    const int propertyCount = first->getPropertyCount();
    for (int i = 0; i < propertyCount; ++i) {
        const zkQRPCMetaProperty meta = first->getMetaProperty(i);
        const QByteArray &name = meta.name;
        if (m_skipProperties.contains(name) || (!m_keepProperties.isEmpty() && !m_keepProperties.contains(name)))
            continue;
        const QByteArray typeName(meta.value.typeName());
        bool sameValue = true;
        if (multiselection && !hasSameProperty(m_currentObjects.first(), name, typeName, sameValue))
            continue;

        if (!spareRow)
            spareRow = new QWidget(rowParent);
        m_currentControlLayoutWidget = spareRow;
        bool found = false;
        zkBaseControl *control = zkPropertyEditorFactory::getEditor(this, meta, hierarchy, name, found);
        if (!control) {
            if (!found)
                std::printf("No editor registered for property '%s' with type '%s'\n", name.constData(),
                            typeName.constData());
            continue;
        }
        if (multiselection && !sameValue)
            control->setMultiSelectHighlight(true);
        const zkBaseControlOptions *options = control->getOptions();
        zkGroupControl *group = options->group.isEmpty() ? nullptr : findGroupControl(options->group);
        QLayout *layout = group ? static_cast<QLayout *>(group->getLayout()) : m_defaultCategory->getMainLayout();
        createControlLayout(spareRow, control, options->spanColumns);
        m_controls.insert(name, control);
        registerExtraProperties(control);
        rows.append({spareRow, layout, control});
        rowParent = layout->parentWidget();
        spareRow = nullptr;
    }
    delete spareRow;
    m_currentControlLayoutWidget = nullptr;
    placeRows(rows, hierarchy);

    QList<zkGroupControl *> groups;
    removeEmptyGroups();
    const QList<QByteArray> groupNames = getGroups(&groups);
    linkFocusChain(rows, groupNames);
    checkDefaultCategory();

    // The change rules see the initial values.
    const QList<QByteArray> names = m_controls.keys();
    for (const QByteArray &name : names)
        zkPropertyEditorFactory::updateChangedProperties(this, hierarchy, name);
    updateAllControls();

    restoreCollapsibleState(groups);
    setUpdatesEnabled(true);
    show();
}

void zkPropertyEditorWidget::placeRows(QList<Row> &rows, const QList<QByteArray> &hierarchy)
{
    // A control that took itself out of its row leaves nothing to show.
    for (auto it = rows.begin(); it != rows.end();) {
        if (it->widget->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).isEmpty()) {
            m_controls.remove(m_controls.key(it->control));
            delete it->widget;
            it = rows.erase(it);
        } else {
            ++it;
        }
    }
    const QList<QByteArray> names = m_controls.keys();
    for (const QByteArray &name : names)
        zkPropertyEditorFactory::updateSorting(this, hierarchy, name);
    // Equal keys keep the order in which the object lists its properties.
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return a.control->getOptions()->getSortKey() < b.control->getOptions()->getSortKey();
    });
    for (const Row &row : qAsConst(rows))
        row.layout->addWidget(row.widget);
    m_firstControl = rows.isEmpty() ? nullptr : rows.first().control;
    m_lastControl = rows.isEmpty() ? nullptr : rows.last().control;
}

void zkPropertyEditorWidget::linkFocusChain(const QList<Row> &rows, const QList<QByteArray> &groups)
{
    const auto link = [](zkBaseControl *earlier, zkBaseControl *later) {
        earlier->setNext(later);
        later->setPrevious(earlier);
    };
    for (int i = 1; i < rows.size(); ++i)
        link(rows.at(i - 1).control, rows.at(i).control);
    // Then group by group, in display order, the chain running on from one group into the next;
    // rows outside the groups keep their links in sort order.
    zkBaseControl *previous = nullptr;
    for (const QByteArray &group : groups) {
        for (const Row &row : rows) {
            if (row.control->getOptions()->group != group)
                continue;
            if (previous)
                link(previous, row.control);
            previous = row.control;
        }
    }
}

void zkPropertyEditorWidget::registerExtraProperties(zkBaseControl *control)
{
    const auto *extra = dynamic_cast<const zkExtraPropertiesOptions *>(control->getOptions());
    if (!extra)
        return;
    for (const QByteArray &name : extra->extraProperties)
        m_extraPropertyOwners.insert(name, control->getPropertyName());
}

QVariant zkPropertyEditorWidget::getProperty(const QByteArray &name) const
{
    const zkPropertyEditorObjectWrapper *first = getCurrentObject();
    return first ? first->getProperty(name) : QVariant();
}

QVariant zkPropertyEditorWidget::getProperty(int index) const
{
    const zkPropertyEditorObjectWrapper *first = getCurrentObject();
    return first ? first->getProperty(index) : QVariant();
}

zkQRPCMetaProperty zkPropertyEditorWidget::getMetaProperty(int index) const
{
    const zkPropertyEditorObjectWrapper *first = getCurrentObject();
    return first ? first->getMetaProperty(index) : zkQRPCMetaProperty();
}

int zkPropertyEditorWidget::getPropertyCount() const
{
    const zkPropertyEditorObjectWrapper *first = getCurrentObject();
    return first ? first->getPropertyCount() : 0;
}

void zkPropertyEditorWidget::setProperty(const QByteArray &name, const QVariant &value, bool undoFlag)
{
    applyProperty(
        name,
        [&value](const zkPropertyEditorObjectWrapper *, QVariant &result) {
            result = value;
            return true;
        },
        undoFlag);
}

void zkPropertyEditorWidget::applyProperty(const QByteArray &name, const ValueFunction &valueFor, bool undoFlag)
{
    if (m_currentObjects.isEmpty())
        return;
    const QList<zkPropertyEditorObjectWrapper *> objects = m_currentObjects;
    writeAsOneStep(undoFlag, [&] {
        for (zkPropertyEditorObjectWrapper *object : objects) {
            QVariant value;
            if (valueFor(object, value))
                setPropertyInternal(object, name, value);
            else
                std::printf("Unable to apply property to selected node\n");
        }
    });
}

void zkPropertyEditorWidget::setProperties(const PropertyValues &values, bool undoFlag)
{
    if (m_currentObjects.isEmpty())
        return;
    const QList<zkPropertyEditorObjectWrapper *> objects = m_currentObjects;
    writeAsOneStep(undoFlag, [&] {
        for (const auto &value : values) {
            for (zkPropertyEditorObjectWrapper *object : objects)
                setPropertyInternal(object, value.first, value.second);
        }
    });
}

void zkPropertyEditorWidget::writeAsOneStep(bool undoFlag, const std::function<void()> &writes)
{
    {
        const QScopedValueRollback<bool> writing(m_writing, true);
        zkScopedUndo undo(undoFlag);
        zkScopedMultiCommand command;
        writes();
    }
    if (!m_writing) {
        // Descriptions may register rules between steps.
        m_writeRules.clear();
        m_lastWriteRules = nullptr;
    }
    if (auto *controller = zkKernelServiceFactory::the().getService<zkControllerService>())
        controller->refresh(true);
}

const zkPropertyWriteRules *zkPropertyEditorWidget::getWriteRules(const QList<QByteArray> &hierarchy,
                                                                   const QByteArray &name)
{
    // A class name stands for its whole hierarchy.
    const QByteArray &className = hierarchy.isEmpty() ? QByteArray() : hierarchy.first();
    if (m_lastWriteRules && m_lastWriteRulesKey.second == name && m_lastWriteRulesKey.first == className)
        return m_lastWriteRules;
    WriteRulesKey key(className, name);
    std::shared_ptr<zkPropertyWriteRules> &rules = m_writeRules[key];
    if (!rules)
        rules = std::make_shared<zkPropertyWriteRules>(zkPropertyEditorFactory::getWriteRules(this, hierarchy, name));
    m_lastWriteRulesKey = std::move(key);
    m_lastWriteRules = rules.get();
    return m_lastWriteRules;
}

void zkPropertyEditorWidget::setPropertyInternal(zkPropertyEditorObjectWrapper *wrapper, const QByteArray &name,
                                                 const QVariant &value)
{
    if (!wrapper)
        return;
    const QList<QByteArray> hierarchy = wrapper->getInheritanceHierarchy();
    const zkPropertyWriteRules *rules = getWriteRules(hierarchy, name);
    const auto writeThrough = [&](const QVariant &written) {
        wrapper->setProperty(name, written);
        for (const zkPropertyEditorFactory::OnSetCallback &onSet : rules->onSet)
            onSet(wrapper, name, written);
    };
    if (!rules->set) {
        writeThrough(value);
        return;
    }
    // A set rule replaced the write: its own property is written directly, others pass through
    // their own rules.
    PropertyValues writes;
    rules->set(wrapper, name, value, writes);
    for (const auto &write : qAsConst(writes)) {
        if (write.first == name)
            writeThrough(write.second);
        else
            setPropertyInternal(wrapper, write.first, write.second);
    }
}

void zkPropertyEditorWidget::storeProperty(const QByteArray &name)
{
    m_storedValues.store(name, m_currentObjects);
}

void zkPropertyEditorWidget::restoreProperty(const QByteArray &name)
{
    m_storedValues.restore(name, m_currentObjects);
}

bool zkPropertyEditorWidget::hasSameProperty(zkPropertyEditorObjectWrapper *reference, const QByteArray &name,
                                             const QByteArray &typeName, bool &sameValue) const
{
    if (m_currentObjects.isEmpty())
        return false;
    sameValue = true;
    const QVariant referenceValue = reference->getProperty(name);
    for (const zkPropertyEditorObjectWrapper *object : m_currentObjects) {
        if (object == reference)
            continue;
        const QVariant value = object->getProperty(name);
        if (!value.isValid() || typeName != value.typeName()) {
            sameValue = false;
            return false;
        }
        sameValue = sameValue && referenceValue == value;
    }
    return true;
}

bool zkPropertyEditorWidget::hasSameValue(const QByteArray &name) const
{
    const int size = m_currentObjects.size();
    if (size < 2)
        return true;
    const QVariant firstValue = m_currentObjects.first()->getProperty(name);
    // The answer does not depend on the order of the comparisons. Starting at the object that
    // differed last time keeps a step that writes the objects one after the other, refreshing
    // the row after each write, from comparing the whole selection after every write.
    int &hint = m_differingObjects[name];
    const int start = hint >= 1 && hint < size ? hint : 1;
    for (int k = 0; k < size - 1; ++k) {
        const int i = 1 + (start - 1 + k) % (size - 1);
        const zkPropertyEditorObjectWrapper *object = m_currentObjects.at(i);
        if (!object || object->getProperty(name) != firstValue) {
            hint = i;
            return false;
        }
    }
    return true;
}

void zkPropertyEditorWidget::updateMultiselectionSameValue()
{
    zkPropertyEditorObjectWrapper *first = getCurrentObject();
    if (!first)
        return;
    const int propertyCount = first->getPropertyCount();
    for (int i = 0; i < propertyCount; ++i) {
        const zkQRPCMetaProperty meta = first->getMetaProperty(i);
        zkBaseControl *control = getControl(meta.name);
        if (!control)
            continue;
        bool sameValue = false;
        hasSameProperty(first, meta.name, meta.value.typeName(), sameValue);
        control->setMultiSelectHighlight(isMultiselection() && !sameValue);
    }
}

void zkPropertyEditorWidget::propertyChanged(const zkdObject &object, const QByteArray &name)
{
    if (!m_currentObjects.isEmpty())
        updatePropertyNoSignal(getObjectWrapper(object), name);
    emit editorPropertyChanged(object, name);
}

bool zkPropertyEditorWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DynamicPropertyChange) {
        if (zkPropertyEditorObjectWrapper *wrapper = getObjectWrapper(watched)) {
            const QByteArray name = static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName();
            updatePropertyNoSignal(wrapper, name);
            emit editorPropertyChanged(watched, name);
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

void zkPropertyEditorWidget::updatePropertyNoSignal(zkPropertyEditorObjectWrapper *wrapper, const QByteArray &name)
{
    if (!wrapper)
        return;
    wrapper->propertyChanged(name);
    updateControl(name);
    zkPropertyEditorFactory::updateChangedProperties(this, getInheritanceHierarchy(), name);
}

void zkPropertyEditorWidget::updateControl(const QByteArray &name)
{
    if (zkBaseControl *control = getControl(name)) {
        control->updateControl();
        return;
    }
    const QByteArray owner = findControlDelegate(name);
    if (!owner.isEmpty() && owner != name)
        updateControl(owner);
}

void zkPropertyEditorWidget::updateProperty(const QByteArray &name)
{
    for (zkPropertyEditorObjectWrapper *wrapper : qAsConst(m_currentObjects))
        wrapper->propertyChanged(name);
    updateControl(name);
}

void zkPropertyEditorWidget::updatePropertyRecursive(const QByteArray &name, zkPropertyEditorWidget *except,
                                                     bool runCallbacks)
{
    const QList<zkPropertyEditorWidget *> children = findChildren<zkPropertyEditorWidget *>();
    for (zkPropertyEditorWidget *child : children) {
        if (child == except)
            continue;
        child->updateProperty(name);
        if (runCallbacks)
            zkPropertyEditorFactory::updateChangedProperties(child, child->getInheritanceHierarchy(), name);
    }
}

zkPropertyEditorObjectWrapper *zkPropertyEditorWidget::getObjectWrapper(const zkdObject &object) const
{
    return m_zkdWrappers.value(object.getObjectId());
}

zkPropertyEditorObjectWrapper *zkPropertyEditorWidget::getObjectWrapper(const QObject *object) const
{
    for (zkPropertyEditorObjectWrapper *wrapper : m_currentObjects) {
        if (dynamic_cast<zkPropertyEditorQObjectWrapper *>(wrapper) && wrapper->getObject<QObject *>() == object)
            return wrapper;
    }
    return nullptr;
}

void zkPropertyEditorWidget::requestSelectObject(const zkdObject &object)
{
    emit selectObjectRequested(object);
}
