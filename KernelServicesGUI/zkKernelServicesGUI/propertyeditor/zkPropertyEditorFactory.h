#pragma once

#include "zkControlOptions.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QPair>
#include <QVariant>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

class zkBaseControl;
class zkPropertyEditorObjectWrapper;
class zkPropertyEditorWidget;
struct zkPropertyWriteRules;
struct zkQRPCMetaProperty;

// The registry that turns an object type, a property and a value type into a control, and that
// holds the per-type rules of the editor: categories, groups, and what happens after a property
// changed, how controls sort and how a write is replaced or accompanied.
//
// Descriptions fill it once through the register templates; the editor widget queries it through
// the static operations, which walk the widget's factories in order and, within a factory, the
// first edited object's class hierarchy from the most-derived class on, so that rules of a base
// class serve its subclasses and a subclass's rules are met first.
//
// The class name under which a control's registrations are reported: its meta-object's, or what
// a class template that has none of its own (zkZkdObjectControl<T>) gives by controlClassName().
template <typename TControl, typename = void>
struct zkHasControlClassName : std::false_type
{
};
template <typename TControl>
struct zkHasControlClassName<TControl, std::void_t<decltype(TControl::controlClassName())>> : std::true_type
{
};

template <typename TControl>
QByteArray zkControlClassName()
{
    if constexpr (zkHasControlClassName<TControl>::value)
        return TControl::controlClassName();
    else
        return TControl::staticMetaObject.className();
}

// A control class names its options record as the member type Options; every control built from
// one registration shares that registration's record. A copy of a factory shares the records of
// the registrations it copies.
class zkPropertyEditorFactory
{
public:
    using PropertyWrites = QList<QPair<QByteArray, QVariant>>;
    using EditorCreator = std::function<zkBaseControl *(zkPropertyEditorWidget *, const QByteArray &property)>;
    using LayoutCreator = std::function<void(zkPropertyEditorWidget *)>;
    using WidgetCallback = std::function<void(zkPropertyEditorWidget *, const QByteArray &property)>;
    using SetCallback = std::function<void(const zkPropertyEditorObjectWrapper *, const QByteArray &property,
                                           const QVariant &value, PropertyWrites &writes)>;
    using OnSetCallback = std::function<void(const zkPropertyEditorObjectWrapper *, const QByteArray &property,
                                             const QVariant &value)>;

    // One register call, as the factory keeps it for inspection (the descriptions' dump).
    struct Registration
    {
        enum Kind { Editor, BasicEditor, Category, Group, SortRule, ChangedRule, SetRule, OnSetRule };

        Kind kind;
        // The class name of the description whose init() made the call; empty outside one.
        QByteArray registrant;
        std::shared_ptr<const zkPropertyEditorControlOptions> options;
        // For sort rules made by registerSortAfter(): the row placed before.
        QByteArray after;
    };

    zkPropertyEditorFactory();
    zkPropertyEditorFactory(const zkPropertyEditorFactory &);
    zkPropertyEditorFactory &operator=(const zkPropertyEditorFactory &);

    // The process-wide factory that all descriptions register into; it lives until exit.
    static zkPropertyEditorFactory *global();
    // Runs init() of every description not initialised yet.
    static void init();

    // Every register call so far, in call order.
    const QList<Registration> &getRegistrations() const { return m_registrations; }
    // Names the description that the following register calls are made for.
    void setRegistrant(const QByteArray &description) { m_registrant = description; }

    template <typename TObject, typename TValue, typename TControl>
    void registerEditor(const QByteArray &property,
                        std::function<void(typename TControl::Options &)> modifier = {});
    // A basic editor: serves every object type.
    template <typename TValue, typename TControl>
    void registerEditor(const QByteArray &property,
                        std::function<void(typename TControl::Options &)> modifier = {});
    template <typename TObject, typename TControl>
    void registerCategory(const QByteArray &name,
                          std::function<void(zkzkCategoryOptionsControlOptions &)> modifier = {});
    template <typename TObject, typename TControl>
    void registerGroup(const QByteArray &name, std::function<void(zkGroupControlOptions &)> modifier = {});
    // The callback gets the first edited object's value of the property.
    template <typename TObject, typename TValue>
    zkPropertyEditorControlOptions &registerChangedProperty(
        const QByteArray &property, std::function<void(zkPropertyEditorWidget *, TValue)> callback);
    // The callback gets the options record of the widget's control for the property.
    template <typename TObject, typename TValue>
    zkPropertyEditorControlOptions &registerSortProperty(
        const QByteArray &property,
        std::function<void(zkPropertyEditorWidget *, zkPropertyEditorControlOptions &)> callback);
    // Places the property's control directly after previous's.
    template <typename TObject, typename TValue>
    zkPropertyEditorControlOptions &registerSortAfter(const QByteArray &property, const QByteArray &previous);
    // The callback lists the writes to perform in place of the requested one.
    template <typename TObject, typename TValue>
    zkPropertyEditorControlOptions &registerSetProperty(
        const QByteArray &property,
        std::function<void(const zkPropertyEditorObjectWrapper *, TValue, PropertyWrites &)> callback);
    // The callback runs after every write of the property to one object.
    template <typename TObject, typename TValue>
    zkPropertyEditorControlOptions &registerOnSetProperty(
        const QByteArray &property, std::function<void(const zkPropertyEditorObjectWrapper *, TValue)> callback);

    // A control for the property: a registration for one of the classes, else a basic editor.
    // found is false when nothing could show the property, and stays true when its registration
    // hides it (the result is null then too). reserved is neither read nor written.
    static zkBaseControl *getEditor(zkPropertyEditorWidget *widget, const zkQRPCMetaProperty &meta,
                                    const QList<QByteArray> &hierarchy, const QByteArray &property, bool &found,
                                    qint64 &reserved);
    static zkBaseControl *getEditor(zkPropertyEditorWidget *widget, const zkQRPCMetaProperty &meta,
                                    const QList<QByteArray> &hierarchy, const QByteArray &property, bool &found);
    // Each category (group) name is created once per call; true when any was created.
    static bool createCategories(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy);
    static bool createGroups(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy);
    // Runs the first matching rule only.
    static void updateChangedProperties(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy,
                                        const QByteArray &property);
    static void updateSorting(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy,
                              const QByteArray &property);
    // True when a set rule matched and listed the writes to perform instead.
    static bool customHandledProperty(zkPropertyEditorWidget *widget, const zkPropertyEditorObjectWrapper *wrapper,
                                      const QList<QByteArray> &hierarchy, const QByteArray &property,
                                      const QVariant &value, PropertyWrites &writes);
    // Runs every matching on-set rule.
    static void handleDependentProperties(zkPropertyEditorWidget *widget, const zkPropertyEditorObjectWrapper *wrapper,
                                          const QList<QByteArray> &hierarchy, const QByteArray &property,
                                          const QVariant &value);
    // The set and on-set rules of the property for the classes, resolved once so that a write to
    // many objects of one class need not look them up per object.
    static zkPropertyWriteRules getWriteRules(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy,
                                              const QByteArray &property);

private:
    // Owned factories are deleted by the widget that was given them.
    friend class zkPropertyEditorWidget;
    virtual ~zkPropertyEditorFactory();

    template <typename TFunction>
    struct Rule
    {
        std::shared_ptr<zkPropertyEditorControlOptions> options;
        TFunction function;
    };
    struct Layout
    {
        LayoutCreator creator;
        std::shared_ptr<zkPropertyEditorControlOptions> options;
        QByteArray name;
    };

    static zkBaseControl *getSpecializedEditor(zkPropertyEditorWidget *widget, const zkQRPCMetaProperty &meta,
                                               const QList<QByteArray> &hierarchy, const QByteArray &property);
    static zkBaseControl *getBasicEditor(zkPropertyEditorWidget *widget, const zkQRPCMetaProperty &meta,
                                         const QByteArray &property);
    static bool createLayouts(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy,
                              std::vector<Layout> zkPropertyEditorFactory::*list);
    // Calls visit with every rule of list that is registered for property and one of the classes,
    // factory by factory and class by class, until visit returns false.
    template <typename TFunction, typename TVisit>
    static void visitRules(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy,
                           const QByteArray &property, std::vector<Rule<TFunction>> zkPropertyEditorFactory::*list,
                           TVisit visit);

    // Type-erased access to the widget, so that the templates need no complete widget type.
    static QVariant getWidgetProperty(zkPropertyEditorWidget *widget, const QByteArray &property);
    static int getWidgetControlSortKey(zkPropertyEditorWidget *widget, const QByteArray &property);
    // The options of the widget's control for property; logs the sort warning when there is none.
    static zkPropertyEditorControlOptions *getControlOptionsForSorting(zkPropertyEditorWidget *widget,
                                                                      const QByteArray &property);

    template <typename TValue>
    static TValue convertedValue(QVariant value);
    template <typename TOptions>
    static std::shared_ptr<TOptions> createOptions(const QByteArray &objectType, const QByteArray &property,
                                                   const QByteArray &valueType, const QByteArray &controlClass,
                                                   const std::function<void(TOptions &)> &modifier);
    template <typename TFunction>
    zkPropertyEditorControlOptions &appendRule(std::vector<Rule<TFunction>> &list, Registration::Kind kind,
                                               const QByteArray &objectType, const QByteArray &property,
                                               const QByteArray &valueType, TFunction function);
    void record(Registration::Kind kind, std::shared_ptr<const zkPropertyEditorControlOptions> options,
                const QByteArray &after = {});
    template <typename T>
    static QByteArray typeName() { return QMetaType::typeName(qMetaTypeId<T>()); }

    std::vector<Rule<EditorCreator>> m_basicEditors;
    std::vector<Rule<EditorCreator>> m_editors;
    std::vector<Layout> m_categories;
    std::vector<Layout> m_groups;
    std::vector<Rule<WidgetCallback>> m_changedProperties;
    std::vector<Rule<SetCallback>> m_setProperties;
    std::vector<Rule<OnSetCallback>> m_onSetProperties;
    std::vector<Rule<WidgetCallback>> m_sortProperties;
    QList<Registration> m_registrations;
    QByteArray m_registrant;
};

struct zkPropertyWriteRules
{
    // The first matching set rule; empty when the write goes through as requested.
    zkPropertyEditorFactory::SetCallback set;
    std::vector<zkPropertyEditorFactory::OnSetCallback> onSet;
};

template <typename TValue>
TValue zkPropertyEditorFactory::convertedValue(QVariant value)
{
    if constexpr (std::is_same_v<TValue, QVariant>) {
        return value;
    } else if constexpr (std::is_enum_v<TValue>) {
        // Enumerations convert to int but not back.
        if (value.userType() == qMetaTypeId<TValue>())
            return value.value<TValue>();
        return static_cast<TValue>(value.toInt());
    } else {
        const int type = qMetaTypeId<TValue>();
        if (value.userType() != type)
            value.convert(type);
        return value.value<TValue>();
    }
}

template <typename TOptions>
std::shared_ptr<TOptions> zkPropertyEditorFactory::createOptions(const QByteArray &objectType,
                                                                 const QByteArray &property,
                                                                 const QByteArray &valueType,
                                                                 const QByteArray &controlClass,
                                                                 const std::function<void(TOptions &)> &modifier)
{
    auto options = std::make_shared<TOptions>();
    if (modifier)
        modifier(*options);
    options->setObjectType(objectType);
    options->setProperty(property);
    options->setValueType(valueType);
    options->setControlClass(controlClass);
    return options;
}

template <typename TFunction>
zkPropertyEditorControlOptions &zkPropertyEditorFactory::appendRule(std::vector<Rule<TFunction>> &list,
                                                                    Registration::Kind kind,
                                                                    const QByteArray &objectType,
                                                                    const QByteArray &property,
                                                                    const QByteArray &valueType, TFunction function)
{
    list.push_back({createOptions<zkPropertyEditorControlOptions>(objectType, property, valueType, {}, {}),
                    std::move(function)});
    record(kind, list.back().options);
    return *list.back().options;
}

template <typename TObject, typename TValue, typename TControl>
void zkPropertyEditorFactory::registerEditor(const QByteArray &property,
                                             std::function<void(typename TControl::Options &)> modifier)
{
    using TOptions = typename TControl::Options;
    std::shared_ptr<TOptions> options = createOptions(QByteArray(TObject::staticMetaObject.className()), property,
                                                      typeName<TValue>(), zkControlClassName<TControl>(), modifier);
    TOptions *record = options.get();
    this->record(Registration::Editor, options);
    m_editors.push_back({std::move(options), [record](zkPropertyEditorWidget *widget, const QByteArray &name)
                             -> zkBaseControl * { return new TControl(widget, name, record); }});
}

template <typename TValue, typename TControl>
void zkPropertyEditorFactory::registerEditor(const QByteArray &property,
                                             std::function<void(typename TControl::Options &)> modifier)
{
    using TOptions = typename TControl::Options;
    std::shared_ptr<TOptions> options =
        createOptions(QByteArray(), property, typeName<TValue>(), zkControlClassName<TControl>(), modifier);
    TOptions *record = options.get();
    this->record(Registration::BasicEditor, options);
    m_basicEditors.push_back({std::move(options), [record](zkPropertyEditorWidget *widget, const QByteArray &name)
                                  -> zkBaseControl * { return new TControl(widget, name, record); }});
}

template <typename TObject, typename TControl>
void zkPropertyEditorFactory::registerCategory(const QByteArray &name,
                                               std::function<void(zkzkCategoryOptionsControlOptions &)> modifier)
{
    std::shared_ptr<zkzkCategoryOptionsControlOptions> options = createOptions(
        QByteArray(TObject::staticMetaObject.className()), name, QByteArray(), zkControlClassName<TControl>(), modifier);
    zkzkCategoryOptionsControlOptions *record = options.get();
    this->record(Registration::Category, options);
    m_categories.push_back(
        {[name, record](zkPropertyEditorWidget *widget) { new TControl(widget, name, record, true); },
         std::move(options), name});
}

template <typename TObject, typename TControl>
void zkPropertyEditorFactory::registerGroup(const QByteArray &name,
                                            std::function<void(zkGroupControlOptions &)> modifier)
{
    std::shared_ptr<zkGroupControlOptions> options = createOptions(
        QByteArray(TObject::staticMetaObject.className()), name, QByteArray(), zkControlClassName<TControl>(), modifier);
    zkGroupControlOptions *record = options.get();
    this->record(Registration::Group, options);
    m_groups.push_back({[name, record](zkPropertyEditorWidget *widget) { new TControl(widget, name, record); },
                        std::move(options), name});
}

template <typename TObject, typename TValue>
zkPropertyEditorControlOptions &zkPropertyEditorFactory::registerChangedProperty(
    const QByteArray &property, std::function<void(zkPropertyEditorWidget *, TValue)> callback)
{
    return appendRule<WidgetCallback>(
        m_changedProperties, Registration::ChangedRule, TObject::staticMetaObject.className(), property, typeName<TValue>(),
        [callback](zkPropertyEditorWidget *widget, const QByteArray &name) {
            callback(widget, convertedValue<TValue>(getWidgetProperty(widget, name)));
        });
}

template <typename TObject, typename TValue>
zkPropertyEditorControlOptions &zkPropertyEditorFactory::registerSortProperty(
    const QByteArray &property,
    std::function<void(zkPropertyEditorWidget *, zkPropertyEditorControlOptions &)> callback)
{
    return appendRule<WidgetCallback>(m_sortProperties, Registration::SortRule, TObject::staticMetaObject.className(), property,
                                      typeName<TValue>(),
                                      [callback](zkPropertyEditorWidget *widget, const QByteArray &name) {
                                          if (zkPropertyEditorControlOptions *options = getControlOptionsForSorting(widget, name))
                                              callback(widget, *options);
                                      });
}

template <typename TObject, typename TValue>
zkPropertyEditorControlOptions &zkPropertyEditorFactory::registerSetProperty(
    const QByteArray &property,
    std::function<void(const zkPropertyEditorObjectWrapper *, TValue, PropertyWrites &)> callback)
{
    return appendRule<SetCallback>(
        m_setProperties, Registration::SetRule, TObject::staticMetaObject.className(), property, typeName<TValue>(),
        [callback](const zkPropertyEditorObjectWrapper *wrapper, const QByteArray &, const QVariant &value,
                   PropertyWrites &writes) { callback(wrapper, convertedValue<TValue>(value), writes); });
}

template <typename TObject, typename TValue>
zkPropertyEditorControlOptions &zkPropertyEditorFactory::registerOnSetProperty(
    const QByteArray &property, std::function<void(const zkPropertyEditorObjectWrapper *, TValue)> callback)
{
    return appendRule<OnSetCallback>(
        m_onSetProperties, Registration::OnSetRule, TObject::staticMetaObject.className(), property, typeName<TValue>(),
        [callback](const zkPropertyEditorObjectWrapper *wrapper, const QByteArray &, const QVariant &value) {
            callback(wrapper, convertedValue<TValue>(value));
        });
}

template <typename TObject, typename TValue>
zkPropertyEditorControlOptions &zkPropertyEditorFactory::registerSortAfter(const QByteArray &property,
                                                                           const QByteArray &previous)
{
    zkPropertyEditorControlOptions &options = registerSortProperty<TObject, TValue>(
        property, [previous](zkPropertyEditorWidget *widget, zkPropertyEditorControlOptions &options) {
            options.setSortKey(getWidgetControlSortKey(widget, previous) + 1);
        });
    m_registrations.last().after = previous;
    return options;
}
