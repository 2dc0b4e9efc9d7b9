#include "zkDemoDumps.h"

#include <QZKComboBox.h>
#include <zkBaseControl.h>
#include <zkCategoryControl.h>
#include <zkComboBoxControl.h>
#include <zkControlOptionRecords.h>
#include <zkControlOptions.h>
#include <zkGroupControl.h>
#include <zkPropertyEditorDescriptionBase.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkdObject.h>

#include <QHash>
#include <QLayout>
#include <QMetaEnum>
#include <QMetaType>
#include <QSet>
#include <QVector2D>
#include <QVector3D>
#include <QVector4D>

#include <algorithm>

namespace {

using Registration = zkPropertyEditorFactory::Registration;

const QChar tab = QLatin1Char('\t');

// Settings are doubles given as decimal literals; shown values are mostly floats, whose
// seventh significant digit is noise.
QString number(double value, int precision = 10)
{
    return QString::number(value, 'g', precision);
}

QString shownNumber(double value)
{
    return number(value, 6);
}

// Tabs and line breaks would break the line format.
QString escaped(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(tab, QLatin1String("\\t"));
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + escaped(text) + QLatin1Char('"');
}

// As the descriptions' tables write value types: an enumeration by its own name, qualified by
// its class only where that is not the object type the row is registered for.
QString valueTypeName(const QByteArray &typeName, const QByteArray &objectType)
{
    if (typeName.isEmpty())
        return {};
    const int type = QMetaType::type(typeName);
    if (type != QMetaType::UnknownType && (QMetaType::typeFlags(type) & QMetaType::IsEnumeration)) {
        const int scope = typeName.lastIndexOf("::");
        const bool ownScope = scope < 0 || typeName.left(scope) == objectType;
        return QLatin1String("enum ") + QString::fromLatin1(ownScope ? typeName.mid(scope + 2) : typeName);
    }
    return QString::fromLatin1(typeName);
}

QString itemsSetting(const QList<zkLabelMappingOptions::Entry> &mappings)
{
    bool counting = true;
    for (int i = 0; i < mappings.size() && counting; ++i)
        counting = mappings.at(i).value.toInt() == i;
    QStringList items;
    for (const zkLabelMappingOptions::Entry &entry : mappings)
        items.append(counting ? quoted(entry.text) : quoted(entry.text) + QLatin1String(" = ") + entry.value.toString());
    return QLatin1String("items ") + items.join(QLatin1String(", "));
}

// The settings column: what the options record holds, in the tables' words.
QString settings(const zkPropertyEditorControlOptions &options, const QByteArray &after)
{
    QStringList parts;
    if (options.isSkipped()) {
        parts.append(QStringLiteral("skipped"));
    } else {
        if (const auto *range = dynamic_cast<const zkDoubleRangeOptions *>(&options)) {
            parts.append(QStringLiteral("range [%1, %2]").arg(number(range->minimum), number(range->maximum)));
            parts.append(QLatin1String("step ") + number(range->singleStep));
        } else if (const auto *range = dynamic_cast<const zkIntRangeOptions *>(&options)) {
            parts.append(QStringLiteral("range [%1, %2]").arg(range->minimum).arg(range->maximum));
            parts.append(QLatin1String("step ") + QString::number(range->singleStep));
        }
        if (const auto *decimals = dynamic_cast<const zkDecimalOptions *>(&options); decimals && decimals->decimals >= 0)
            parts.append(QLatin1String("decimals ") + QString::number(decimals->decimals));
        if (const auto *value = dynamic_cast<const zkValueOptions *>(&options)) {
            if (!value->prefix.isEmpty())
                parts.append(QLatin1String("prefix ") + quoted(value->prefix));
            if (!value->suffix.isEmpty())
                parts.append(QLatin1String("suffix ") + quoted(value->suffix));
        }
        if (const auto *mapping = dynamic_cast<const zkLabelMappingOptions *>(&options); mapping && !mapping->mappings.isEmpty())
            parts.append(itemsSetting(mapping->mappings));
        if (const auto *file = dynamic_cast<const zkFilenameControlOptions *>(&options); file && !file->fileFilter.isEmpty())
            parts.append(QLatin1String("file filter ") + quoted(file->fileFilter));
        if (const auto *extra = dynamic_cast<const zkExtraPropertiesOptions *>(&options); extra && !extra->extraProperties.isEmpty()) {
            QStringList names;
            for (const QByteArray &name : extra->extraProperties)
                names.append(QString::fromLatin1(name));
            parts.append(QLatin1String("extra ") + names.join(QLatin1String(", ")));
        }
        if (const auto *sequence = dynamic_cast<const zkImageSequenceOptions *>(&options); sequence && !sequence->imageProperty.isEmpty())
            parts.append(QLatin1String("image property ") + QString::fromLatin1(sequence->imageProperty));
        if (const auto *common = dynamic_cast<const zkCommonOptions *>(&options)) {
            if (!common->toolTip.isEmpty())
                parts.append(QLatin1String("tooltip ") + quoted(common->toolTip));
            if (common->spanColumns)
                parts.append(QStringLiteral("spanColumns"));
        }
        if (options.isForceWritable())
            parts.append(QStringLiteral("forceWritable"));
        if (const auto *common = dynamic_cast<const zkCommonOptions *>(&options); common && common->separator)
            parts.append(QStringLiteral("separator"));
        if (options.isIndented())
            parts.append(QStringLiteral("indent"));
        if (options.isLabelHidden())
            parts.append(QStringLiteral("hideLabel"));
    }
    if (!after.isEmpty())
        parts.append(QLatin1String("after ") + QString::fromLatin1(after));
    return parts.join(QLatin1String("; "));
}

QString label(const zkPropertyEditorControlOptions &options)
{
    const auto *labelled = dynamic_cast<const zkLabelOptions *>(&options);
    return labelled ? escaped(labelled->label) : QString();
}

QString groupKey(const zkPropertyEditorControlOptions &options)
{
    const auto *common = dynamic_cast<const zkCommonOptions *>(&options);
    return common ? QString::fromLatin1(common->group) : QString();
}

QStringList describeOne(const zkPropertyEditorDescriptionBase *description)
{
    const QByteArray className = description->metaObject()->className();
    const QMetaObject *base = description->metaObject()->superClass();
    QList<const Registration *> own;
    if (const zkPropertyEditorFactory *factory = description->getFactory()) {
        for (const Registration &registration : factory->getRegistrations()) {
            if (registration.registrant == className)
                own.append(&registration);
        }
    }

    QStringList objectTypes;
    // The placement of a row or group, printed with it rather than as a line of its own.
    QHash<QPair<QByteArray, QByteArray>, QByteArray> placements;
    QSet<QPair<QByteArray, QByteArray>> rows;
    for (const Registration *registration : own) {
        const zkPropertyEditorControlOptions &options = *registration->options;
        const QString objectType = QString::fromLatin1(options.getObjectType());
        if (!objectType.isEmpty() && !objectTypes.contains(objectType))
            objectTypes.append(objectType);
        const QPair<QByteArray, QByteArray> key{options.getObjectType(), options.getProperty()};
        if (registration->kind == Registration::SortRule && !registration->after.isEmpty())
            placements.insert(key, registration->after);
        else if (registration->kind != Registration::SortRule && registration->kind != Registration::ChangedRule
                 && registration->kind != Registration::SetRule && registration->kind != Registration::OnSetRule)
            rows.insert(key);
    }

    QStringList lines{QStringList{QStringLiteral("description"), QString::fromLatin1(className),
                                  QString::fromLatin1(base ? base->className() : ""), objectTypes.join(QLatin1Char(','))}
                          .join(tab)};
    for (const Registration *registration : own) {
        const zkPropertyEditorControlOptions &options = *registration->options;
        const QPair<QByteArray, QByteArray> key{options.getObjectType(), options.getProperty()};
        const QString name = QString::fromLatin1(options.getProperty());
        switch (registration->kind) {
        case Registration::Editor:
        case Registration::BasicEditor:
        case Registration::Category:
            lines.append(QStringList{QStringLiteral("row"), name, QString::fromLatin1(options.getControlClass()),
                                     valueTypeName(options.getValueType(), options.getObjectType()), label(options), groupKey(options),
                                     settings(options, placements.value(key))}
                             .join(tab));
            break;
        case Registration::Group: {
            const auto *group = dynamic_cast<const zkGroupControlOptions *>(&options);
            QStringList state{group && !group->collapsed ? QStringLiteral("starts expanded")
                                                         : QStringLiteral("starts collapsed")};
            if (group && !group->category.isEmpty())
                state.append(QLatin1String("category ") + QString::fromLatin1(group->category));
            if (placements.contains(key))
                state.append(QLatin1String("after ") + QString::fromLatin1(placements.value(key)));
            lines.append(QStringList{QStringLiteral("group"), name, QString::fromLatin1(options.getControlClass()),
                                     QString(), label(options), QString(), state.join(QLatin1String("; "))}
                             .join(tab));
            break;
        }
        case Registration::SortRule:
            // The placement of a row that a base type's description registers.
            if (!registration->after.isEmpty() && !rows.contains(key))
                lines.append(QStringList{QStringLiteral("row"), name, QString(), valueTypeName(options.getValueType(), options.getObjectType()),
                                         QString(), QString(), settings(zkPropertyEditorControlOptions(), registration->after)}
                                 .join(tab));
            break;
        case Registration::ChangedRule:
        case Registration::SetRule:
        case Registration::OnSetRule:
            break;
        }
    }
    return lines;
}

// The text a row shows for its value.
QString displayedValue(const zkBaseControl *control, const QVariant &value)
{
    if (!value.isValid())
        return {};
    const int type = value.userType();
    // A description may offer other items than those registered (the units of a light).
    if (const auto *box = qobject_cast<const zkComboBoxControl *>(control); box && box->getComboBox()->currentIndex() >= 0)
        return escaped(box->getComboBox()->currentText());
    if (const auto *mapping = dynamic_cast<const zkLabelMappingOptions *>(control->getOptions())) {
        for (const zkLabelMappingOptions::Entry &entry : mapping->mappings) {
            if (entry.value.toInt() == value.toInt())
                return escaped(entry.text);
        }
    }
    if (QMetaType::typeFlags(type) & QMetaType::IsEnumeration) {
        if (const QMetaObject *scope = QMetaType::metaObjectForType(type)) {
            const QByteArray typeName = QMetaType::typeName(type);
            const int index = scope->indexOfEnumerator(typeName.mid(typeName.lastIndexOf("::") + 2));
            if (index >= 0) {
                if (const char *key = scope->enumerator(index).valueToKey(value.toInt()))
                    return QString::fromLatin1(key);
            }
        }
        return QString::number(value.toInt());
    }
    switch (type) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Float:
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 6);
    case QMetaType::QVector2D: {
        const auto v = value.value<QVector2D>();
        return QStringLiteral("(%1, %2)").arg(shownNumber(v.x()), shownNumber(v.y()));
    }
    case QMetaType::QVector3D: {
        const auto v = value.value<QVector3D>();
        return QStringLiteral("(%1, %2, %3)").arg(shownNumber(v.x()), shownNumber(v.y()), shownNumber(v.z()));
    }
    case QMetaType::QVector4D: {
        const auto v = value.value<QVector4D>();
        return QStringLiteral("(%1, %2, %3, %4)").arg(shownNumber(v.x()), shownNumber(v.y()), shownNumber(v.z()), shownNumber(v.w()));
    }
    case QMetaType::QStringList:
        return escaped(value.toStringList().join(QLatin1String(", ")));
    default:
        break;
    }
    // A reference to another object, which a label names, not the value.
    if (QMetaType::metaObjectForType(type) && QMetaType::metaObjectForType(type)->inherits(&zkdObject::staticMetaObject))
        return {};
    return value.canConvert<QString>() ? escaped(value.toString()) : QString::fromLatin1(value.typeName());
}

void dumpEditor(const zkPropertyEditorWidget *editor, const QString &prefix, QStringList &lines);

void dumpRow(const zkPropertyEditorWidget *editor, const zkBaseControl *control, const QString &prefix,
             QStringList &lines)
{
    const QByteArray name = control->getPropertyName();
    const QWidget *row = editor->getControlLayoutWidget(name);
    const bool hidden = control->isHidden() || (row && row->isHidden());
    const zkPropertyEditorWidget *nested = editor->getChildPropertyEditor(name);
    // A sub-object row shows no value of its own: its nested rows do.
    const QString value = nested ? QString()
        : editor->hasSameValue(name) ? displayedValue(control, editor->getProperty(name))
                                     : QStringLiteral("mixed");
    const zkBaseControlOptions *options = control->getOptions();
    const QString controlClass = QString::fromLatin1(options && !options->getControlClass().isEmpty()
                                                         ? options->getControlClass()
                                                         : QByteArray(control->metaObject()->className()));
    lines.append(QStringList{QStringLiteral("row"), prefix + QString::fromLatin1(name), escaped(control->getLabelName()),
                             controlClass, hidden ? QStringLiteral("hidden") : QStringLiteral("shown"),
                             control->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"), value}
                     .join(tab));
    if (nested)
        dumpEditor(nested, prefix + QString::fromLatin1(name) + QLatin1Char('/'), lines);
}

// The rows and groups of one layout, in layout order.
void dumpLayoutItems(const zkPropertyEditorWidget *editor, const QLayout *layout,
                     const QHash<const QWidget *, const zkBaseControl *> &rows, const QString &prefix,
                     QStringList &lines)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        const QWidget *widget = layout->itemAt(i)->widget();
        if (!widget)
            continue;
        if (const auto *group = qobject_cast<const zkGroupControl *>(widget)) {
            const zkGroupControlOptions *options = group->getOptions();
            lines.append(QStringList{QStringLiteral("group"), prefix + QString::fromLatin1(group->getName()),
                                     options ? escaped(options->label) : QString(),
                                     group->isCollapsed() ? QStringLiteral("collapsed") : QStringLiteral("expanded")}
                             .join(tab));
            dumpLayoutItems(editor, group->getLayout(), rows, prefix, lines);
        } else if (const zkBaseControl *control = rows.value(widget)) {
            dumpRow(editor, control, prefix, lines);
        }
    }
}

void dumpEditor(const zkPropertyEditorWidget *editor, const QString &prefix, QStringList &lines)
{
    QHash<const QWidget *, const zkBaseControl *> rows;
    for (const zkBaseControl *control : editor->getControls()) {
        const QWidget *row = editor->getControlLayoutWidget(control->getPropertyName());
        rows.insert(row ? row : control, control);
    }
    for (int i = 0; i < editor->count(); ++i) {
        const auto *category = qobject_cast<const zkCategoryControl *>(editor->widget(i));
        if (!category)
            continue;
        lines.append(QStringList{QStringLiteral("tab"), prefix + escaped(editor->tabText(i))}.join(tab));
        dumpLayoutItems(editor, category->getMainLayout(), rows, prefix, lines);
    }
}

// Sub-object rows build their nested rows on demand; building them all first lets the change
// rules that reach into a parent editor (a roughness texture in use disables the material's
// roughness) run before any row is printed.
void buildNestedEditors(const zkPropertyEditorWidget *editor)
{
    for (const zkBaseControl *control : editor->getControls()) {
        if (const zkPropertyEditorWidget *nested = editor->getChildPropertyEditor(control->getPropertyName()))
            buildNestedEditors(nested);
    }
}

} // namespace

namespace zkDemoDumps {

QStringList describe(const QList<QByteArray> &descriptions, QList<QByteArray> *unknown)
{
    zkPropertyEditorFactory::init();
    QList<const zkPropertyEditorDescriptionBase *> all = zkPropertyEditorDescriptionBase::getDescriptions();
    std::sort(all.begin(), all.end(), [](const zkPropertyEditorDescriptionBase *a, const zkPropertyEditorDescriptionBase *b) {
        return qstrcmp(a->metaObject()->className(), b->metaObject()->className()) < 0;
    });
    QStringList lines;
    if (descriptions.isEmpty()) {
        for (const zkPropertyEditorDescriptionBase *description : all)
            lines += describeOne(description);
        return lines;
    }
    for (const QByteArray &name : descriptions) {
        const auto found = std::find_if(all.cbegin(), all.cend(), [&name](const zkPropertyEditorDescriptionBase *description) {
            return name == description->metaObject()->className();
        });
        if (found == all.cend()) {
            if (unknown)
                unknown->append(name);
            continue;
        }
        lines += describeOne(*found);
    }
    return lines;
}

QStringList dumpLayout(const zkPropertyEditorWidget *editor)
{
    QStringList lines;
    if (editor) {
        buildNestedEditors(editor);
        dumpEditor(editor, QString(), lines);
    }
    return lines;
}

} // namespace zkDemoDumps
