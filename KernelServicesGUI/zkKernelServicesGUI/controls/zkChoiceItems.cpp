#include "zkChoiceItems.h"

#include <zkControlOptions.h>

#include <QComboBox>
#include <QMetaType>
#include <QSignalBlocker>
#include <QVariant>

QVariant zkToValueType(const QVariant &value, const QVariant &current)
{
    const int type = current.userType();
    if (!current.isValid() || value.userType() == type)
        return value;
    if ((QMetaType::typeFlags(type) & QMetaType::IsEnumeration) && QMetaType::sizeOf(type) == int(sizeof(int))) {
        bool ok = false;
        const int number = value.toInt(&ok);
        return ok ? QVariant(type, &number) : value;
    }
    QVariant converted = value;
    return converted.convert(type) ? converted : value;
}

int zkFindIntData(const QComboBox *comboBox, int value)
{
    for (int i = 0; i < comboBox->count(); ++i) {
        bool ok = false;
        if (comboBox->itemData(i).toInt(&ok) == value && ok)
            return i;
    }
    return -1;
}

void zkFillComboBox(QComboBox *comboBox, const zkLabelMappingOptions *mapping)
{
    const QSignalBlocker blocker(comboBox);
    comboBox->clear();
    for (const zkLabelMappingOptions::Entry &entry : mapping->mappings)
        comboBox->addItem(entry.text, entry.value);
}
