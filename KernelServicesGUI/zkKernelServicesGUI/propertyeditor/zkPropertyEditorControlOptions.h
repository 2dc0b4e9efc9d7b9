#pragma once

#include <QByteArray>

#include <climits>

class zkPropertyEditorFactory;
class tst_zkPropertyEditorControlOptions;

// The root of every control's options record: what the registration was made for, and how the
// control is placed. Mix-in records derive from it virtually, so a record that combines several
// of them holds exactly one root part; the factory owns the record and shares it with every
// control built from the registration.
class zkPropertyEditorControlOptions
{
public:
    zkPropertyEditorControlOptions() = default;
    zkPropertyEditorControlOptions(const zkPropertyEditorControlOptions &) = default;
    zkPropertyEditorControlOptions &operator=(const zkPropertyEditorControlOptions &) = default;
    virtual ~zkPropertyEditorControlOptions();

    // Empty for basic editors, which serve every object type.
    const QByteArray &getObjectType() const { return m_objectType; }
    // Empty: any property of the value type.
    const QByteArray &getProperty() const { return m_property; }
    const QByteArray &getValueType() const { return m_valueType; }
    // The class of the control built from the registration (zkComboBoxControl,
    // zkZkdObjectControl<zkdTransparency>); empty for rules.
    const QByteArray &getControlClass() const { return m_controlClass; }

    int getSortKey() const { return m_sortKey; }
    void setSortKey(int sortKey) { m_sortKey = sortKey; }

    void skip() { m_skipped = true; }
    bool isSkipped() const { return m_skipped; }
    void forceWritable() { m_forceWritable = true; }
    bool isForceWritable() const { return m_forceWritable; }
    void indent() { m_indented = true; }
    bool isIndented() const { return m_indented; }
    void hideLabel() { m_labelHidden = true; }
    bool isLabelHidden() const { return m_labelHidden; }

    // A sort key not yet assigned.
    static constexpr int getDefaultSortKey() { return INT_MIN; }
    // The distance between consecutive automatic sort keys.
    static constexpr int getDefaultSortKeyStep() { return 100; }

private:
    friend class zkPropertyEditorFactory;
    friend class tst_zkPropertyEditorControlOptions;

    void setObjectType(const QByteArray &objectType) { m_objectType = objectType; }
    void setProperty(const QByteArray &property) { m_property = property; }
    void setValueType(const QByteArray &valueType) { m_valueType = valueType; }
    void setControlClass(const QByteArray &controlClass) { m_controlClass = controlClass; }

    QByteArray m_objectType;
    QByteArray m_property;
    QByteArray m_valueType;
    QByteArray m_controlClass;
    int m_sortKey = getDefaultSortKey();
    bool m_skipped = false;
    bool m_forceWritable = false;
    bool m_indented = false;
    bool m_labelHidden = false;
};
