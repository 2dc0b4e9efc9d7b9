#include "zkPropertyEditorFactory.h"

#include "zkPropertyEditorDescriptionBase.h"
#include "zkPropertyEditorWidget.h"

#include <zkBaseControl.h>
#include <zkQRPCMetaProperty.h>

#include <QSet>
#include <QtGlobal>

namespace {

QList<zkPropertyEditorFactory *> factoriesOf(const zkPropertyEditorWidget *widget)
{
    return widget ? widget->getFactories() : QList<zkPropertyEditorFactory *>();
}

// An entry with an empty property serves every property of its value type.
bool matchesProperty(const zkPropertyEditorControlOptions &options, const QByteArray &property)
{
    return options.getProperty().isEmpty() || options.getProperty() == property;
}

bool matches(const zkPropertyEditorControlOptions &options, const QByteArray &objectType, const QByteArray &property)
{
    return options.getObjectType() == objectType && matchesProperty(options, property);
}

} // namespace

zkPropertyEditorFactory::zkPropertyEditorFactory() = default;
zkPropertyEditorFactory::zkPropertyEditorFactory(const zkPropertyEditorFactory &) = default;
zkPropertyEditorFactory &zkPropertyEditorFactory::operator=(const zkPropertyEditorFactory &) = default;
zkPropertyEditorFactory::~zkPropertyEditorFactory() = default;

zkPropertyEditorFactory *zkPropertyEditorFactory::global()
{
    static zkPropertyEditorFactory factory;
    return &factory;
}

void zkPropertyEditorFactory::record(Registration::Kind kind,
                                     std::shared_ptr<const zkPropertyEditorControlOptions> options,
                                     const QByteArray &after)
{
    m_registrations.append({kind, m_registrant, std::move(options), after});
}

int zkPropertyEditorFactory::getWidgetControlSortKey(zkPropertyEditorWidget *widget, const QByteArray &property)
{
    return widget->getControlSortKey(property);
}

void zkPropertyEditorFactory::init()
{
    zkPropertyEditorDescriptionBase::initAll();
}

zkBaseControl *zkPropertyEditorFactory::getEditor(zkPropertyEditorWidget *widget, const zkQRPCMetaProperty &meta,
                                                  const QList<QByteArray> &hierarchy, const QByteArray &property,
                                                  bool &found, qint64 &)
{
    return getEditor(widget, meta, hierarchy, property, found);
}

zkBaseControl *zkPropertyEditorFactory::getEditor(zkPropertyEditorWidget *widget, const zkQRPCMetaProperty &meta,
                                                  const QList<QByteArray> &hierarchy, const QByteArray &property,
                                                  bool &found)
{
    found = widget != nullptr;
    if (!widget)
        return nullptr;

    zkBaseControl *control = getSpecializedEditor(widget, meta, hierarchy, property);
    if (!control && widget->getCreateBasicEditors())
        control = getBasicEditor(widget, meta, property);
    if (!control) {
        found = false;
        return nullptr;
    }

    const zkBaseControlOptions *options = control->getOptions();
    if (options && options->isSkipped()) {
        // The caption sits in the row widget that the next control reuses; a deferred
        // deletion would leave it drawn there until the event loop runs.
        delete control->getLabel();
        delete control;
        return nullptr;
    }
    if (!meta.isWritable() && !(options && options->isForceWritable()))
        control->setEnabled(false);
    control->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    if (options)
        control->setToolTip(options->toolTip);
    return control;
}

zkBaseControl *zkPropertyEditorFactory::getSpecializedEditor(zkPropertyEditorWidget *widget,
                                                             const zkQRPCMetaProperty &meta,
                                                             const QList<QByteArray> &hierarchy,
                                                             const QByteArray &property)
{
    const QByteArray valueType = meta.value.typeName();
    for (zkPropertyEditorFactory *factory : factoriesOf(widget)) {
        for (const QByteArray &className : hierarchy) {
            // By index, and with copies, since a creator may construct a widget whose
            // initialisation of late descriptions adds entries.
            for (std::size_t i = 0; i < factory->m_editors.size(); ++i) {
                const std::shared_ptr<zkPropertyEditorControlOptions> options = factory->m_editors[i].options;
                if (!matches(*options, className, property) || options->getValueType() != valueType)
                    continue;
                const EditorCreator creator = factory->m_editors[i].function;
                if (zkBaseControl *control = creator(widget, property)) {
                    // The key follows the registration order within its factory.
                    if (options->getSortKey() == zkPropertyEditorControlOptions::getDefaultSortKey())
                        options->setSortKey(zkPropertyEditorControlOptions::getDefaultSortKeyStep() * int(i + 1));
                    return control;
                }
            }
        }
    }
    return nullptr;
}

zkBaseControl *zkPropertyEditorFactory::getBasicEditor(zkPropertyEditorWidget *widget, const zkQRPCMetaProperty &meta,
                                                       const QByteArray &property)
{
    const QByteArray valueType = meta.value.typeName();
    for (zkPropertyEditorFactory *factory : factoriesOf(widget)) {
        for (std::size_t i = 0; i < factory->m_basicEditors.size(); ++i) {
            const zkPropertyEditorControlOptions &options = *factory->m_basicEditors[i].options;
            if (!matchesProperty(options, property) || options.getValueType() != valueType)
                continue;
            const EditorCreator creator = factory->m_basicEditors[i].function;
            if (zkBaseControl *control = creator(widget, property))
                return control;
        }
    }
    return nullptr;
}

bool zkPropertyEditorFactory::createCategories(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy)
{
    return createLayouts(widget, hierarchy, &zkPropertyEditorFactory::m_categories);
}

bool zkPropertyEditorFactory::createGroups(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy)
{
    return createLayouts(widget, hierarchy, &zkPropertyEditorFactory::m_groups);
}

bool zkPropertyEditorFactory::createLayouts(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy,
                                            std::vector<Layout> zkPropertyEditorFactory::*list)
{
    // The first registration of a name wins: the most-derived class's, in the first factory.
    QSet<QByteArray> created;
    for (zkPropertyEditorFactory *factory : factoriesOf(widget)) {
        for (const QByteArray &className : hierarchy) {
            for (std::size_t i = 0; i < (factory->*list).size(); ++i) {
                const Layout &entry = (factory->*list)[i];
                if (entry.options->getObjectType() != className || created.contains(entry.name))
                    continue;
                created.insert(entry.name);
                const LayoutCreator creator = entry.creator;
                creator(widget);
            }
        }
    }
    return !created.isEmpty();
}

template <typename TFunction, typename TVisit>
void zkPropertyEditorFactory::visitRules(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy,
                                         const QByteArray &property,
                                         std::vector<Rule<TFunction>> zkPropertyEditorFactory::*list, TVisit visit)
{
    for (zkPropertyEditorFactory *factory : factoriesOf(widget)) {
        for (const QByteArray &className : hierarchy) {
            for (std::size_t i = 0; i < (factory->*list).size(); ++i) {
                const Rule<TFunction> &rule = (factory->*list)[i];
                if (!matches(*rule.options, className, property))
                    continue;
                const TFunction function = rule.function;
                if (!visit(function))
                    return;
            }
        }
    }
}

void zkPropertyEditorFactory::updateChangedProperties(zkPropertyEditorWidget *widget,
                                                      const QList<QByteArray> &hierarchy, const QByteArray &property)
{
    visitRules(widget, hierarchy, property, &zkPropertyEditorFactory::m_changedProperties,
               [&](const WidgetCallback &callback) {
                   callback(widget, property);
                   return false;
               });
}

void zkPropertyEditorFactory::updateSorting(zkPropertyEditorWidget *widget, const QList<QByteArray> &hierarchy,
                                            const QByteArray &property)
{
    visitRules(widget, hierarchy, property, &zkPropertyEditorFactory::m_sortProperties,
               [&](const WidgetCallback &callback) {
                   callback(widget, property);
                   return false;
               });
}

bool zkPropertyEditorFactory::customHandledProperty(zkPropertyEditorWidget *widget,
                                                    const zkPropertyEditorObjectWrapper *wrapper,
                                                    const QList<QByteArray> &hierarchy, const QByteArray &property,
                                                    const QVariant &value, PropertyWrites &writes)
{
    if (!widget || !wrapper)
        return false;
    const SetCallback set = getWriteRules(widget, hierarchy, property).set;
    if (set)
        set(wrapper, property, value, writes);
    return bool(set);
}

void zkPropertyEditorFactory::handleDependentProperties(zkPropertyEditorWidget *widget,
                                                        const zkPropertyEditorObjectWrapper *wrapper,
                                                        const QList<QByteArray> &hierarchy,
                                                        const QByteArray &property, const QVariant &value)
{
    if (!widget || !wrapper)
        return;
    for (const OnSetCallback &callback : getWriteRules(widget, hierarchy, property).onSet)
        callback(wrapper, property, value);
}

zkPropertyWriteRules zkPropertyEditorFactory::getWriteRules(zkPropertyEditorWidget *widget,
                                                            const QList<QByteArray> &hierarchy,
                                                            const QByteArray &property)
{
    zkPropertyWriteRules rules;
    visitRules(widget, hierarchy, property, &zkPropertyEditorFactory::m_setProperties,
               [&rules](const SetCallback &callback) {
                   rules.set = callback;
                   return false;
               });
    visitRules(widget, hierarchy, property, &zkPropertyEditorFactory::m_onSetProperties,
               [&rules](const OnSetCallback &callback) {
                   rules.onSet.push_back(callback);
                   return true;
               });
    return rules;
}

QVariant zkPropertyEditorFactory::getWidgetProperty(zkPropertyEditorWidget *widget, const QByteArray &property)
{
    return widget ? widget->getProperty(property) : QVariant();
}

zkPropertyEditorControlOptions *zkPropertyEditorFactory::getControlOptionsForSorting(zkPropertyEditorWidget *widget,
                                                                                     const QByteArray &property)
{
    if (!widget)
        return nullptr;
    if (zkBaseControl *control = widget->getControl(property))
        return control->getOptions();
    qWarning("zkPropertyEditorFactory::registerSortProperty: Couldn't find control '%s'!", property.constData());
    return nullptr;
}
