#pragma once

#include <zkGroupControl.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkdObjectManager.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

// What the description tests expect of the rows their change rules govern, checked against an
// editor built over real kernel objects.

// One thing a change rule decides: whether a row (or group) is shown, or whether a row is
// enabled. A row path may name a row of a nested editor: "primaryFlakeLayer/pigmentColor".
struct Expectation
{
    enum Kind { RowShown, RowEnabled, GroupShown };

    Kind kind;
    QByteArray name;
    bool on;
};

inline Expectation shown(const QByteArray &row, bool on = true) { return {Expectation::RowShown, row, on}; }
inline Expectation hidden(const QByteArray &row) { return shown(row, false); }
inline Expectation enabled(const QByteArray &row, bool on = true) { return {Expectation::RowEnabled, row, on}; }
inline Expectation disabled(const QByteArray &row) { return enabled(row, false); }
inline Expectation groupShown(const QByteArray &group, bool on = true) { return {Expectation::GroupShown, group, on}; }
inline Expectation groupHidden(const QByteArray &group) { return groupShown(group, false); }

using Expectations = QList<Expectation>;

// A property path names a property of the object or, joined by '/', one of a sub-object's.
inline QByteArray leaf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

inline zkdObject holder(const zkdObject &object, const QByteArray &path)
{
    zkdObject current = object;
    const QList<QByteArray> names = path.split('/');
    for (int i = 0; i + 1 < names.size(); ++i)
        current = zkdObjectManager::fromVariant(current.property(names.at(i).constData()));
    return current;
}

inline zkPropertyEditorWidget *editorOf(zkPropertyEditorWidget *editor, const QByteArray &path)
{
    const QList<QByteArray> names = path.split('/');
    for (int i = 0; editor && i + 1 < names.size(); ++i)
        editor = editor->getChildPropertyEditor(names.at(i));
    return editor;
}

inline QList<zkdObject> createObjects(const QByteArray &type, int count, const QByteArray &property,
                                      const QVariant &value)
{
    QList<zkdObject> materials;
    for (int i = 0; i < count; ++i) {
        materials.append(zkdObjectManager::create(type));
        if (!holder(materials.last(), property).setProperty(leaf(property).constData(), value))
            qFatal("%s of %s not written", property.constData(), type.constData());
    }
    return materials;
}

inline QList<zkPropertyEditorObjectWrapper *> wrap(const QList<zkdObject> &objects)
{
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdObject &object : objects)
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(object));
    return wrappers;
}

inline QWidget *rowWidget(const zkPropertyEditorWidget &editor, const QByteArray &path)
{
    const int slash = path.indexOf('/');
    if (slash < 0)
        return editor.getControlLayoutWidget(path);
    const zkPropertyEditorWidget *nested = editor.getChildPropertyEditor(path.left(slash));
    return nested ? rowWidget(*nested, path.mid(slash + 1)) : nullptr;
}

// Empty when the editor meets every expectation, else what it does instead.
inline QString unmet(const zkPropertyEditorWidget &editor, const Expectations &expectations)
{
    QStringList failures;
    for (const Expectation &expected : expectations) {
        const QWidget *widget = expected.kind == Expectation::GroupShown ? editor.findGroupControl(expected.name)
                                                                          : rowWidget(editor, expected.name);
        if (!widget) {
            failures.append(QStringLiteral("%1: missing").arg(QLatin1String(expected.name)));
            continue;
        }
        const bool on = expected.kind == Expectation::RowEnabled ? widget->isEnabled() : !widget->isHidden();
        if (on != expected.on) {
            const char *state = expected.kind == Expectation::RowEnabled ? (on ? "enabled" : "disabled")
                                                                          : (on ? "shown" : "hidden");
            failures.append(QStringLiteral("%1: %2").arg(QLatin1String(expected.name), QLatin1String(state)));
        }
    }
    return failures.join(QLatin1String("; "));
}


// Empty when the rule holds after an edit of every selected object, after going back and forth,
// and in an editor built over objects that already hold the value; else what went wrong. The
// preset values (by property path) are written to every object first.
inline QString ruleFailures(const QByteArray &type, int selected, const QByteArray &property, const QVariant &before,
                            const QVariant &after, const Expectations &expected, const QVariantMap &preset = {})
{
    const QList<zkdObject> objects = createObjects(type, selected, property, before);
    for (const zkdObject &object : objects) {
        for (auto it = preset.cbegin(); it != preset.cend(); ++it) {
            const QByteArray path = it.key().toLatin1();
            holder(object, path).setProperty(leaf(path).constData(), it.value());
        }
    }
    {
        zkPropertyEditorWidget editor(nullptr, {});
        editor.setCurrentObjects(wrap(objects));
        zkPropertyEditorWidget *edited = editorOf(&editor, property);
        if (!edited)
            return QStringLiteral("no editor for %1").arg(QLatin1String(property));
        edited->setProperty(leaf(property), after);
        for (const zkdObject &object : objects) {
            if (holder(object, property).property(leaf(property).constData()) != after)
                return QStringLiteral("%1 not written").arg(QLatin1String(property));
        }
        QString failures = unmet(editor, expected);
        if (!failures.isEmpty())
            return QStringLiteral("after the edit: ") + failures;
        edited->setProperty(leaf(property), before);
        edited->setProperty(leaf(property), after);
        failures = unmet(editor, expected);
        if (!failures.isEmpty())
            return QStringLiteral("after back and forth: ") + failures;
    }
    zkPropertyEditorWidget rebuilt(nullptr, {});
    rebuilt.setCurrentObjects(wrap(objects));
    const QString failures = unmet(rebuilt, expected);
    return failures.isEmpty() ? QString() : QStringLiteral("after the build: ") + failures;
}

Q_DECLARE_METATYPE(Expectations)

// The columns of a data-driven rule test, as verifyRule() reads them: the object type, how many
// objects are selected, the edited property path, its value before and after the edit, the
// expectations and the preset values.
inline void addRuleColumns()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QVariant>("after");
    QTest::addColumn<Expectations>("expected");
    QTest::addColumn<QVariantMap>("preset");
}

// Checks the rule of the current data row.
inline void verifyRule()
{
    QFETCH(QByteArray, type);
    QFETCH(int, selected);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, before);
    QFETCH(QVariant, after);
    QFETCH(Expectations, expected);
    QFETCH(QVariantMap, preset);

    const QString failures = ruleFailures(type, selected, property, before, after, expected, preset);
    QVERIFY2(failures.isEmpty(), qPrintable(failures));
}
