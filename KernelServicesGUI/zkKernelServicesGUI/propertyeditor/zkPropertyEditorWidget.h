#pragma once

#include "zkCollapsedGroupStates.h"
#include "zkControlOptions.h"
#include "zkStoredPropertyValues.h"

#include <zkQRPCMetaProperty.h>
#include <zkdObject.h>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QTabWidget>
#include <QVariant>

#include <functional>
#include <memory>
#include <utility>

class QLayout;
class QVBoxLayout;
class zkBaseControl;
class zkCategoryControl;
class zkGroupControl;
class zkPropertyEditorFactory;
class zkPropertyEditorObjectWrapper;
struct zkPropertyWriteRules;

// Shows the properties of one or more edited objects as rows of controls, arranged in category
// tabs and collapsible groups in the order the factories' sort rules give, and writes each edit
// to every object as one undo step. Changes made elsewhere (in the kernel, or to a QObject's
// dynamic properties) flow back into the rows.
//
// Only properties that every object has with the same value type are shown; a row whose objects
// disagree in value shows the first object's value with the mixed-values look. Editors nest: a
// control that edits a sub-object holds a child editor that forwards its signals to this one.
class zkPropertyEditorWidget : public QTabWidget
{
    Q_OBJECT
public:
    using ValueFunction = std::function<bool(const zkPropertyEditorObjectWrapper *, QVariant &)>;
    using PropertyValues = QList<QPair<QByteArray, QVariant>>;

    // An empty factory list means the global factory. With verticalScroll false the categories
    // take the height of their rows and the editor keeps to its minimum size (nested editors);
    // with hasCache a new selection of the same type refreshes the rows instead of rebuilding.
    zkPropertyEditorWidget(QWidget *parent, const QList<zkPropertyEditorFactory *> &factories,
                           bool verticalScroll = true, bool hasCache = false);
    ~zkPropertyEditorWidget() override;

    // Takes ownership of the wrappers (deleting those held before) and rebuilds or refreshes.
    void setCurrentObjects(const QList<zkPropertyEditorObjectWrapper *> &objects);
    void clearCurrentObjects(bool update);
    const QList<zkPropertyEditorObjectWrapper *> &getCurrentObjects() const { return m_currentObjects; }
    zkPropertyEditorObjectWrapper *getCurrentObject() const;
    bool isMultiselection() const { return m_currentObjects.size() > 1; }
    // True for an empty list.
    static bool hasSingleType(const QList<zkPropertyEditorObjectWrapper *> &objects);

    // The widget owns every listed factory except the global one.
    const QList<zkPropertyEditorFactory *> &getFactories() const { return m_factories; }
    void setFactories(const QList<zkPropertyEditorFactory *> &factories);
    void clearFactories();
    // Empties the list without deleting; the caller takes over what the widget owned.
    QList<zkPropertyEditorFactory *> takeFactories() { return std::exchange(m_factories, {}); }

    // Read at the next build.
    void setSkipProperties(const QSet<QByteArray> &properties) { m_skipProperties = properties; }
    // When non-empty, the only properties shown.
    void setKeepProperties(const QSet<QByteArray> &properties) { m_keepProperties = properties; }
    void setCreateBasicEditors(bool create) { m_createBasicEditors = create; }
    bool getCreateBasicEditors() const { return m_createBasicEditors; }
    bool getVerticalScroll() const { return m_verticalScroll; }
    bool hasCache() const { return m_hasCache; }
    zkzkCategoryOptionsControlOptions &getDefaultCategoryOptions() { return m_defaultCategoryOptions; }
    void setParentPropertyName(const QByteArray &name) { m_parentPropertyName = name; }
    const QByteArray &getParentPropertyName() const { return m_parentPropertyName; }
    // The row that controls created now are parented to.
    void setCurrentControlLayoutWidget(QWidget *widget) { m_currentControlLayoutWidget = widget; }
    QWidget *getCurrentControlLayoutWidget() const { return m_currentControlLayoutWidget; }

    zkBaseControl *getControl(const QByteArray &name) const { return m_controls.value(name); }
    // In name order.
    QList<zkBaseControl *> getControls() const { return m_controls.values(); }
    // First and last in sort order.
    zkBaseControl *getFirstControl() const { return m_firstControl; }
    zkBaseControl *getLastControl() const { return m_lastControl; }
    // INT_MIN without such a control.
    int getControlSortKey(const QByteArray &name) const;
    // The row widget that holds the control and its caption.
    QWidget *getControlLayoutWidget(const QByteArray &name) const;
    zkCategoryControl *findCategory(const QByteArray &name) const;
    // Of the named category; the default category stands in for a name no tab carries.
    QWidget *getMainWidget(const QByteArray &category) const;
    QVBoxLayout *getMainLayout(const QByteArray &category) const;
    zkGroupControl *findGroupControl(const QByteArray &name) const;
    QVBoxLayout *findGroupLayout(const QByteArray &name) const;
    // The name of the control that shows an extra property, or an empty name.
    QByteArray findControlDelegate(const QByteArray &name) const { return m_extraPropertyOwners.value(name); }
    // Of the first object; empty without objects.
    QList<QByteArray> getInheritanceHierarchy() const;
    void updateAllControls();

    // The nearest enclosing editor, or null.
    zkPropertyEditorWidget *getParentPropertyEditor() const;
    // The editor nested in the named control, or null.
    zkPropertyEditorWidget *getChildPropertyEditor(const QByteArray &name) const;
    // Forwards this editor's signals through parent, so that they come out of the outermost one.
    void reditectToParent(zkPropertyEditorWidget *parent);

    void createDefaultCategory();
    // Hides the tab bar for a single tab and drops the default tab when nothing went into it.
    void checkDefaultCategory();
    void removeEmptyGroups();
    // Group names tab by tab in layout order; the groups themselves are appended when asked.
    QList<QByteArray> getGroups(QList<zkGroupControl *> *groups = nullptr) const;
    void storeCollapsibleState();
    void restoreCollapsibleState(const QList<zkGroupControl *> &groups);
    // Lays out a row: caption and control, or the control alone across both columns.
    void createControlLayout(QWidget *row, zkBaseControl *control, bool spanColumns);
    // Removes every tab; removed tabs are deleted later, as a rebuild may run inside one of
    // their controls' signals.
    void clear();
    // Rebuilds the rows, or refreshes them when the cache allows.
    void update();

    // Of the first object; invalid, empty or 0 without objects.
    QVariant getProperty(const QByteArray &name) const;
    QVariant getProperty(int index) const;
    zkQRPCMetaProperty getMetaProperty(int index) const;
    int getPropertyCount() const;

    // Each writes to every object as one undo step (undoFlag is handed to the kernel's undo
    // scope) through the factories' set rules, then asks the controller to refresh once.
    // setProperty hides QObject's: dynamic properties of the editor itself are set through a
    // QObject or QWidget pointer.
    void setProperty(const QByteArray &name, const QVariant &value, bool undoFlag = true);
    // valueFor fills the value for one object; an object it declines is reported and skipped.
    void applyProperty(const QByteArray &name, const ValueFunction &valueFor, bool undoFlag = true);
    void setProperties(const PropertyValues &values, bool undoFlag = true);
    void storeProperty(const QByteArray &name);
    void restoreProperty(const QByteArray &name);

    // True when every object holds the first object's value.
    bool hasSameValue(const QByteArray &name) const;

    // Re-reads the property of every object and refreshes its row; runs no change rules.
    void updateProperty(const QByteArray &name);
    // updateProperty on every nested editor except one, optionally with its change rules.
    void updatePropertyRecursive(const QByteArray &name, zkPropertyEditorWidget *except, bool runCallbacks);
    zkPropertyEditorObjectWrapper *getObjectWrapper(const zkdObject &object) const;
    zkPropertyEditorObjectWrapper *getObjectWrapper(const QObject *object) const;
    void requestSelectObject(const zkdObject &object);

    // Forwards dynamic-property changes of the edited QObjects into the rows.
    bool eventFilter(QObject *watched, QEvent *event) override;

    using QWidget::resize;
    using QWidget::update;

public slots:
    // Without vertical scrolling: shrinks this and every enclosing editor to its minimum size.
    void resize();

signals:
    void editorPropertyChanged(const zkdObject &object, const QByteArray &name);
    void editorPropertyChanged(QObject *object, const QByteArray &name);
    void selectObjectRequested(const zkdObject &object);

private slots:
    void propertyChanged(const zkdObject &object, const QByteArray &name);

private:
    struct Row
    {
        QWidget *widget;
        QLayout *layout;
        zkBaseControl *control;
    };

    void registerDynamicProperties();
    void unregisterDynamicProperties();
    void createControls(bool multiselection);
    void placeRows(QList<Row> &rows, const QList<QByteArray> &hierarchy);
    // Links the rows in sort order, then re-links them group by group.
    void linkFocusChain(const QList<Row> &rows, const QList<QByteArray> &groups);
    void registerExtraProperties(zkBaseControl *control);
    // The writes form one undo step; the controller refreshes once, after the scopes closed.
    void writeAsOneStep(bool undoFlag, const std::function<void()> &writes);
    void setPropertyInternal(zkPropertyEditorObjectWrapper *wrapper, const QByteArray &name, const QVariant &value);
    // Valid until the write step ends.
    const zkPropertyWriteRules *getWriteRules(const QList<QByteArray> &hierarchy, const QByteArray &name);
    bool hasSameProperty(zkPropertyEditorObjectWrapper *reference, const QByteArray &name,
                         const QByteArray &typeName, bool &sameValue) const;
    void updateMultiselectionSameValue();
    void updatePropertyNoSignal(zkPropertyEditorObjectWrapper *wrapper, const QByteArray &name);
    void updateControl(const QByteArray &name);

    QList<zkPropertyEditorFactory *> m_factories;
    QList<zkPropertyEditorObjectWrapper *> m_currentObjects;
    // The kernel objects' wrappers by object id: a change notification finds its wrapper without
    // a walk over a large selection.
    QHash<quint64, zkPropertyEditorObjectWrapper *> m_zkdWrappers;
    zkCategoryControl *m_defaultCategory = nullptr;
    zkzkCategoryOptionsControlOptions m_defaultCategoryOptions;
    QMap<QByteArray, zkBaseControl *> m_controls;
    zkBaseControl *m_firstControl = nullptr;
    zkBaseControl *m_lastControl = nullptr;
    bool m_verticalScroll;
    bool m_hasCache;
    bool m_updating = false;
    // Set while a write step runs; a set rule may start another one inside it.
    bool m_writing = false;
    // By property name, the position of the object that differed from the first object when
    // hasSameValue last compared them.
    mutable QHash<QByteArray, int> m_differingObjects;
    // The write rules by most-derived class and property, for the length of one write step; the
    // last ones asked for are kept aside, as a step mostly writes one property of one class.
    using WriteRulesKey = QPair<QByteArray, QByteArray>;
    QHash<WriteRulesKey, std::shared_ptr<zkPropertyWriteRules>> m_writeRules;
    WriteRulesKey m_lastWriteRulesKey;
    const zkPropertyWriteRules *m_lastWriteRules = nullptr;
    bool m_createBasicEditors = true;
    QWidget *m_currentControlLayoutWidget = nullptr;
    QByteArray m_parentPropertyName;
    QSet<QByteArray> m_skipProperties;
    QSet<QByteArray> m_keepProperties;
    QMap<QByteArray, QByteArray> m_extraPropertyOwners;
    zkStoredPropertyValues m_storedValues;
    zkCollapsedGroupStates m_collapsedState;
    // Takes the tabs being deleted; hidden.
    QPointer<QWidget> m_holder;
};
