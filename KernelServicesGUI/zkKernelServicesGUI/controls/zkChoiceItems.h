#pragma once

class QComboBox;
class QVariant;
class zkLabelMappingOptions;

// Helpers shared by the choice controls.

// The choice controls hold their items' values as plain data (often int) while the property may
// hold an enumeration of its own meta-type, and the editor refuses a write of another type than
// the property's. Returns value in the type of current (an enumeration takes the integer), or
// value itself when current is invalid or the conversion fails.
QVariant zkToValueType(const QVariant &value, const QVariant &current);

// The first item whose data, read as int, is value; -1 (no current item) when there is none.
int zkFindIntData(const QComboBox *comboBox, int value);

// Replaces the items by the pairs of mapping, label as text and value as data; emits nothing.
void zkFillComboBox(QComboBox *comboBox, const zkLabelMappingOptions *mapping);
