#include "zkCheckBoxControl.h"

#include <zkPropertyEditorWidget.h>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

zkCheckBoxControl::zkCheckBoxControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                     Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_checkBox(new QCheckBox(this))
{
    setCheckStateMapping(options);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (options->inLeftColumn) {
        // The editor widget lays the caption out in the row, so the check box moves there.
        m_checkBox->setParent(editorWidget->getCurrentControlLayoutWidget());
        m_checkBox->setText(getLabelName());
        if (options->leftToRight) {
            m_checkBox->setLayoutDirection(Qt::LeftToRight);
        } else {
            // Right aligned in the caption cell, the box stands next to the value column.
            m_checkBox->setLayoutDirection(Qt::RightToLeft);
            m_checkBox->setFixedWidth(options->labelWidth);
            m_checkBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        }
        setLabel(m_checkBox);
        layout->addWidget(new QWidget(this));
    } else {
        if (options->leftToRight) {
            m_checkBox->setText(getLabelName());
            m_checkBox->setLayoutDirection(Qt::LeftToRight);
            if (auto *label = qobject_cast<QLabel *>(getLabel()))
                label->clear();
        }
        layout->addWidget(m_checkBox);
    }
    setEditor(m_checkBox);
    connect(m_checkBox, &QCheckBox::stateChanged, this, [this](int state) { setValue(state != Qt::Unchecked); });
}

void zkCheckBoxControl::setCheckStateMapping(const zkCheckBoxControlOptions *options)
{
    m_readMapping = options->readMapping;
    m_writeMapping = options->writeMapping;
}

void zkCheckBoxControl::setValue(bool checked)
{
    setPropertyValue(m_writeMapping ? m_writeMapping(checked) : QVariant(checked), true);
}

void zkCheckBoxControl::updateControl()
{
    zkBaseControl::updateControl();
    const QVariant value = getPropertyValue();
    const bool checked = m_readMapping ? m_readMapping(value) : value.toBool();
    const QSignalBlocker blocker(m_checkBox);
    m_checkBox->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}
