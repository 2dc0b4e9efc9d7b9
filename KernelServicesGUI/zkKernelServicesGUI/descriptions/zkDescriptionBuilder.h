#pragma once

#include <zkCategoryControl.h>
#include <zkControlOptions.h>
#include <zkGroupControl.h>
#include <zkNullControl.h>
#include <zkPropertyEditorDescriptionBase.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkZkdObjectControl.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <utility>

// The vocabulary in which a type description's init() declares the rows and rules of one kernel
// type T: one call per row or rule, so that a description reads as a table.
//
//     zkDescriptionBuilder<zkdSpotLightNode> rows(getFactory());
//     rows.group("Spot Light", tr("Spot Light"), rows.Expanded);
//     rows.editor<bool, zkCheckBoxControl>("useConeAngle", [](zkCheckBoxControlOptions &options) {
//         options.group = "Spot Light";
//         options.label = tr("Use Cone Angle");
//     });
//     rows.editor<float, zkDoubleSliderControl>("coneAngle", ...);
//     rows.after<float>("coneAngle", "useConeAngle");
//     rows.hidden<QZKSpectrum>("colorSpectrum");
//     rows.subObject<zkdShadowMap>("shadowMap", "Shadow Map", tr("Shadow Map"));
//     rows.showWhen("useConeAngle", {"coneAngle", "penumbraAngle"});
//
// What every description keeps to:
// - One static instance of each concrete description, defined in its .cpp, bound to the global
//   factory when the library loads. init() runs once, before the first editor is built, and
//   depends on no scene content.
// - Labels, tool tips, item texts and group titles are tr() of the description class; group keys
//   stay untranslated. A type's main group starts expanded, the groups of embedded objects
//   collapsed.
// - Registrations made for a base type serve its subclasses and are never repeated; a
//   description's init() never calls another's. Blocks shared by several types are member
//   templates of an intermediate description, instantiated per type, and take the name of the
//   row they follow as a parameter.
// - Callbacks tolerate several selected objects (they loop over getCurrentObjects() where they
//   touch objects) and return at once for a null widget.
template <typename T>
class zkDescriptionBuilder
{
public:
    enum GroupState { Collapsed, Expanded };

    explicit zkDescriptionBuilder(zkPropertyEditorFactory *factory)
        : m_factory(factory)
    {
    }

    zkPropertyEditorFactory *getFactory() const { return m_factory; }

    // A collapsible group that rows name by key.
    zkDescriptionBuilder &group(const QByteArray &key, const QString &title, GroupState state = Collapsed)
    {
        m_factory->template registerGroup<T, zkGroupControl>(key, [title, state](zkGroupControlOptions &options) {
            options.label = title;
            options.collapsed = state == Collapsed;
        });
        return *this;
    }

    // A category tab that groups name by name.
    zkDescriptionBuilder &category(const QByteArray &name, const QString &title)
    {
        m_factory->template registerCategory<T, zkCategoryControl>(
            name, [title](zkzkCategoryOptionsControlOptions &options) { options.label = title; });
        return *this;
    }

    // The row of a property of value type V, shown by control C; the modifier fills C's options
    // once, at registration.
    template <typename V, typename C>
    zkDescriptionBuilder &editor(const QByteArray &property,
                                 std::function<void(typename C::Options &)> modifier = {})
    {
        m_factory->template registerEditor<T, V, C>(property, std::move(modifier));
        return *this;
    }

    // The row of a sub-object property: the nested editor of the sub-object of type S, in the
    // group, across both columns and editable although the handle itself is read-only.
    template <typename S>
    zkDescriptionBuilder &subObject(const QByteArray &property, const QByteArray &group, const QString &label)
    {
        return editor<S, zkZkdObjectControl<S>>(property, [group, label](zkZkdZkdObjectControlOptions &options) {
            options.group = group;
            options.label = label;
            options.spanColumns = true;
            options.forceWritable();
        });
    }

    // A property the object reports but the editor shows no row for.
    template <typename V>
    zkDescriptionBuilder &hidden(const QByteArray &property)
    {
        return editor<V, zkNullControl>(property, [](zkBaseControlOptions &options) { options.skip(); });
    }

    // Places the row directly after the row of previous, whatever order the object lists its
    // properties in.
    template <typename V>
    zkDescriptionBuilder &after(const QByteArray &property, const QByteArray &previous)
    {
        m_factory->template registerSortAfter<T, V>(property, previous);
        return *this;
    }

    // Runs with the first object's value after the build, on every refresh and whenever the
    // property changed. A property has one such rule: the first registered wins.
    template <typename V>
    zkDescriptionBuilder &onChanged(const QByteArray &property,
                                    std::function<void(zkPropertyEditorWidget *, V)> callback)
    {
        m_factory->template registerChangedProperty<T, V>(property, std::move(callback));
        return *this;
    }

    // Shows the rows while shown(value) holds and hides them otherwise.
    template <typename V>
    zkDescriptionBuilder &showWhen(const QByteArray &property, const QList<QByteArray> &rows,
                                   std::function<bool(V)> shown)
    {
        return onChanged<V>(property, [rows, shown](zkPropertyEditorWidget *widget, V value) {
            if (!widget)
                return;
            zkPropertyEditorDescriptionBase::setControlsVisible(widget, rows, shown(value));
            widget->resize();
        });
    }

    // Shows the rows while the bool property is on.
    zkDescriptionBuilder &showWhen(const QByteArray &property, const QList<QByteArray> &rows)
    {
        return showWhen<bool>(property, rows, [](bool on) { return on; });
    }

    // Enables the rows while enabled(value) holds and disables them otherwise.
    template <typename V>
    zkDescriptionBuilder &enableWhen(const QByteArray &property, const QList<QByteArray> &rows,
                                     std::function<bool(V)> enabled)
    {
        return onChanged<V>(property, [rows, enabled](zkPropertyEditorWidget *widget, V value) {
            zkPropertyEditorDescriptionBase::setControlsEnabled(widget, rows, enabled(value));
        });
    }

    // Enables the rows while the bool property is on.
    zkDescriptionBuilder &enableWhen(const QByteArray &property, const QList<QByteArray> &rows)
    {
        return enableWhen<bool>(property, rows, [](bool on) { return on; });
    }

private:
    zkPropertyEditorFactory *m_factory;
};
