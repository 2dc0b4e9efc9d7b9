#include "zkComboBoxControl.h"

#include "zkChoiceItems.h"

#include <QZKComboBox.h>
#include <zkPlatform.h>
#include <zkPropertyEditorWidget.h>

#include <QFrame>
#include <QHBoxLayout>
#include <QSignalBlocker>

zkComboBoxControl::zkComboBoxControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                     Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_comboBox(new QZKComboBox(this))
    , m_layout(new QHBoxLayout(this))
{
    m_comboBox->setFixedSize(qRound(130 * zkPlatform::getDpiScaleX()), qRound(16 * zkPlatform::getDpiScaleY()));
    resetContent(options);
    if (options->icons.size() <= m_comboBox->count())
        setIcons(options->icons);
    setEditor(m_comboBox);

    auto *filler = new QFrame(this);
    filler->setFrameShape(QFrame::NoFrame);
    filler->setFrameShadow(QFrame::Plain);
    filler->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_comboBox);
    m_layout->addWidget(filler);

    connect(m_comboBox, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        const QVariant value = zkToValueType(m_comboBox->itemData(index), getPropertyValue());
        getEditorWidget()->setProperty(getPropertyName(), value, true);
    });
}

void zkComboBoxControl::updateControl()
{
    zkBaseControl::updateControl();
    const int value = getPropertyValue().toInt();
    const QSignalBlocker blocker(m_comboBox);
    m_comboBox->setCurrentIndex(zkFindIntData(m_comboBox, value));
}

void zkComboBoxControl::resetContent(const zkLabelMappingOptions *mapping)
{
    zkFillComboBox(m_comboBox, mapping);
}

void zkComboBoxControl::setIcons(const QList<QIcon> &icons)
{
    for (int i = 0; i < icons.size() && i < m_comboBox->count(); ++i)
        m_comboBox->setItemIcon(i, icons.at(i));
}

void zkComboBoxControl::setVisibleLabels(const QSet<QString> &labels)
{
    const QSignalBlocker blocker(m_comboBox);
    const QVariant current = m_comboBox->currentData();
    m_comboBox->clear();
    for (const zkLabelMappingOptions::Entry &entry : options()->mappings) {
        if (labels.contains(entry.text))
            m_comboBox->addItem(entry.text, entry.value);
    }
    m_comboBox->setCurrentIndex(m_comboBox->findData(current));
}
