#include "zkTextureRepeatControl.h"

#include "zkChoiceItems.h"

#include <zkIconManager.h>
#include <zkPlatform.h>
#include <zkPropertyEditorWidget.h>
#include <zkTextureTypes.h>
#include <zkUIStyle.h>

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

zkTextureRepeatControl::zkTextureRepeatControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                               Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_uProperty(propertyName)
    , m_vProperty(options->extraProperties.value(0))
    , m_linkProperty(options->extraProperties.value(1))
    , m_uComboBox(createComboBox())
    , m_vComboBox(createComboBox())
    , m_linkButton(new QToolButton(this))
{
    m_linkButton->setCheckable(true);
    m_linkButton->setIcon(zkIconManager::getIcon(QStringLiteral("Lock"), QString()));
    m_linkButton->setToolTip(tr("Link Repeat Modes"));
    m_linkButton->setFixedSize(qRound(20 * zkPlatform::getDpiScaleX()), qRound(20 * zkPlatform::getDpiScaleY()));
    m_linkButton->installEventFilter(this);
    setEditor(m_uComboBox);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_uComboBox);
    layout->addWidget(m_vComboBox);
    layout->addWidget(m_linkButton);
    layout->addWidget(new QWidget(this), 1);

    connect(m_uComboBox, QOverload<int>::of(&QComboBox::activated), this, &zkTextureRepeatControl::setU);
    connect(m_vComboBox, QOverload<int>::of(&QComboBox::activated), this, &zkTextureRepeatControl::setV);
    connect(m_linkButton, &QToolButton::toggled, this, &zkTextureRepeatControl::setLinked);
}

QComboBox *zkTextureRepeatControl::createComboBox()
{
    auto *comboBox = new QComboBox(this);
    comboBox->setFixedSize(qRound(62 * zkPlatform::getDpiScaleX()), qRound(16 * zkPlatform::getDpiScaleY()));
    comboBox->addItem(tr("Repeat"), QVariant::fromValue(zkTextureTypes::Repeat));
    comboBox->addItem(tr("Mirrored"), QVariant::fromValue(zkTextureTypes::Mirrored));
    comboBox->addItem(tr("Decal"), QVariant::fromValue(zkTextureTypes::Decal));
    comboBox->addItem(tr("Clamp"), QVariant::fromValue(zkTextureTypes::Clamp));
    comboBox->installEventFilter(this);
    return comboBox;
}

void zkTextureRepeatControl::setU(int index)
{
    zkPropertyEditorWidget *editorWidget = getEditorWidget();
    const QVariant mode = zkToValueType(m_uComboBox->itemData(index), getPropertyValue());
    // A link property comes with a V property, the first of the extra ones.
    const bool linked = !m_linkProperty.isEmpty() && editorWidget->getProperty(m_linkProperty).toBool();
    if (linked)
        editorWidget->setProperties({{m_uProperty, mode}, {m_vProperty, mode}}, true);
    else
        editorWidget->setProperty(m_uProperty, mode, true);
    updateControl();
}

void zkTextureRepeatControl::setV(int index)
{
    if (m_vProperty.isEmpty())
        return;
    zkPropertyEditorWidget *editorWidget = getEditorWidget();
    editorWidget->setProperty(m_vProperty,
                              zkToValueType(m_vComboBox->itemData(index), editorWidget->getProperty(m_vProperty)), true);
}

// The button shows unchecked while linked: checking it is the user's request to unlink.
void zkTextureRepeatControl::setLinked(bool unlinkRequested)
{
    if (m_linkProperty.isEmpty())
        return;
    zkPropertyEditorWidget *editorWidget = getEditorWidget();
    if (unlinkRequested)
        editorWidget->setProperty(m_linkProperty, false, true);
    else
        editorWidget->setProperties({{m_vProperty, editorWidget->getProperty(m_uProperty)}, {m_linkProperty, true}},
                                    true);
}

bool zkTextureRepeatControl::hasPropertyName(const QByteArray &name) const
{
    return !name.isEmpty() && (name == m_uProperty || name == m_vProperty || name == m_linkProperty);
}

void zkTextureRepeatControl::updateControl()
{
    zkBaseControl::updateControl();
    zkPropertyEditorWidget *editorWidget = getEditorWidget();
    {
        const QSignalBlocker blocker(m_uComboBox);
        m_uComboBox->setCurrentIndex(m_uComboBox->findData(getPropertyValue()));
    }
    if (!m_vProperty.isEmpty()) {
        const QSignalBlocker blocker(m_vComboBox);
        m_vComboBox->setCurrentIndex(m_vComboBox->findData(editorWidget->getProperty(m_vProperty)));
    }
    if (m_linkProperty.isEmpty()) {
        m_vComboBox->setEnabled(true);
        return;
    }
    const bool linked = editorWidget->getProperty(m_linkProperty).toBool();
    const QSignalBlocker blocker(m_linkButton);
    m_linkButton->setChecked(!linked);
    m_linkButton->setIcon(QIcon(zkIconManager::get(linked ? QStringLiteral("General/LockOffNormal.svg")
                                                          : QStringLiteral("General/UnlockOffNormal.svg"))));
    m_vComboBox->setEnabled(!linked);
}

void zkTextureRepeatControl::setMultiSelectHighlight(bool highlight)
{
    zkBaseControl::setMultiSelectHighlight(highlight);
    zkUIStyle::setMultiSelectHighlight(m_vComboBox, highlight);
    zkUIStyle::setMultiSelectHighlight(m_linkButton, highlight);
}

QList<QWidget *> zkTextureRepeatControl::getFocusWidgets() const
{
    return getFocusable({m_uComboBox, m_vComboBox, m_linkButton});
}
