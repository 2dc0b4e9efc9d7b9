#include "zkTextureSlotControl.h"

#include <zkKernelServiceFactory.h>
#include <zkMaterialService.h>
#include <zkdWebEngine.h>

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include <algorithm>
#include <iterator>

namespace {

// The slot of each item; the value 2 is not a slot.
constexpr zkdWebEngine::TextureSlotType slotTypes[] = {zkdWebEngine::Diffuse, zkdWebEngine::Incandescence,
                                                   zkdWebEngine::DiffuseAndIncandescence};

} // namespace

zkTextureSlotControl::zkTextureSlotControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                           Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_comboBox(new QComboBox(this))
{
    m_comboBox->addItems({tr("Diffuse"), tr("Incandescence"), tr("Diffuse + Incandescence")});
    m_comboBox->setToolTip(tr("Select the Material Texture for the media to display in"));
    setEditor(m_comboBox);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_comboBox);
    connect(m_comboBox, QOverload<int>::of(&QComboBox::activated), this, &zkTextureSlotControl::setSlot);
}

void zkTextureSlotControl::setSlot(int index)
{
    if (index < 0 || index >= int(std::size(slotTypes)))
        return;
    setPropertyValue(QVariant::fromValue(slotTypes[index]), true);
    // The materials show the page in the new slot only once their views are refreshed.
    if (auto *materials = zkKernelServiceFactory::the().getService<zkMaterialService>())
        materials->refresh();
}

void zkTextureSlotControl::updateControl()
{
    zkBaseControl::updateControl();
    bool ok = false;
    const int value = getPropertyValue().toInt(&ok);
    const auto slot = std::find(std::begin(slotTypes), std::end(slotTypes), value);
    const QSignalBlocker blocker(m_comboBox);
    if (!ok)
        m_comboBox->setCurrentIndex(0);
    else if (slot != std::end(slotTypes))
        m_comboBox->setCurrentIndex(int(slot - std::begin(slotTypes)));
}
