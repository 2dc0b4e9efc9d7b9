#include "zkRadioButtonGroupControl.h"

#include "zkChoiceItems.h"

#include <zkUIStyle.h>

#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

const char typeIdProperty[] = "typeId";

} // namespace

zkRadioButtonGroupControl::zkRadioButtonGroupControl(zkPropertyEditorWidget *editorWidget,
                                                     const QByteArray &propertyName, Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
{
    auto *container = new QWidget(this);
    auto *buttonLayout = new QHBoxLayout(container);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    for (const zkLabelMappingOptions::Entry &entry : options->mappings) {
        auto *button = new QRadioButton(entry.text, container);
        button->setProperty(typeIdProperty, entry.value);
        buttonLayout->addWidget(button);
        m_buttons.append(button);
        connect(button, &QRadioButton::toggled, this, [this, button](bool checked) {
            if (checked)
                setPropertyValue(zkToValueType(button->property(typeIdProperty), getPropertyValue()), true);
        });
    }
    setEditor(container);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);
}

void zkRadioButtonGroupControl::updateControl()
{
    zkBaseControl::updateControl();
    const int value = getPropertyValue().toInt();
    for (QRadioButton *button : qAsConst(m_buttons)) {
        bool ok = false;
        if (button->property(typeIdProperty).toInt(&ok) == value && ok) {
            // The button the exclusive check turns off reports it, which writes nothing.
            const QSignalBlocker blocker(button);
            button->setChecked(true);
            return;
        }
    }
}

void zkRadioButtonGroupControl::setMultiSelectHighlight(bool highlight)
{
    zkBaseControl::setMultiSelectHighlight(highlight);
    for (QRadioButton *button : qAsConst(m_buttons))
        zkUIStyle::setMultiSelectHighlight(button, highlight);
}

void zkRadioButtonGroupControl::setVisibleLabels(const QSet<QString> &labels)
{
    for (QRadioButton *button : qAsConst(m_buttons))
        button->setVisible(labels.contains(button->text()));
}

QList<QWidget *> zkRadioButtonGroupControl::getFocusWidgets() const
{
    return getFocusable({m_buttons.cbegin(), m_buttons.cend()});
}
