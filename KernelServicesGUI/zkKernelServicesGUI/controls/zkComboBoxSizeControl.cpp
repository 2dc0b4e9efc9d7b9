#include "zkComboBoxSizeControl.h"

#include "zkChoiceItems.h"

#include <QZKComboBox.h>
#include <QZKIntVector.h>
#include <zkIconManager.h>
#include <zkPlatform.h>
#include <zkUIStyle.h>

#include <QFrame>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

QIcon lockIcon(bool locked)
{
    return QIcon(zkIconManager::get(locked ? QStringLiteral("General/LockOffNormal.svg")
                                           : QStringLiteral("General/UnlockOffNormal.svg")));
}

void syncIndex(QComboBox *target, const QComboBox *source)
{
    const QSignalBlocker blocker(target);
    target->setCurrentIndex(source->currentIndex());
}

} // namespace

zkComboBoxSizeControl::zkComboBoxSizeControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                             Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_widthComboBox(new QZKComboBox(this))
    , m_heightComboBox(new QZKComboBox(this))
    , m_lockButton(new QToolButton(this))
{
    const double scaleX = zkPlatform::getDpiScaleX();
    const double scaleY = zkPlatform::getDpiScaleY();
    m_widthComboBox->setFixedSize(qRound(62 * scaleX), qRound(16 * scaleY));
    m_heightComboBox->setFixedSize(qRound(62 * scaleX), qRound(16 * scaleY));
    resetContent(options);
    m_heightComboBox->setEnabled(false);

    m_lockButton->setCheckable(true);
    m_lockButton->setChecked(true);
    m_lockButton->setIcon(lockIcon(true));
    m_lockButton->setFixedSize(qRound(20 * scaleX), qRound(20 * scaleY));
    m_lockButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_lockButton->setToolTip(tr("Synchronize resolution values."));
    setEditor(m_widthComboBox);

    auto *filler = new QFrame(this);
    filler->setFrameShape(QFrame::NoFrame);
    filler->setFrameShadow(QFrame::Plain);
    filler->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_widthComboBox);
    layout->addWidget(m_heightComboBox);
    layout->addWidget(m_lockButton);
    layout->addWidget(filler);

    connect(m_widthComboBox, QOverload<int>::of(&QComboBox::activated), this, [this] {
        if (m_lockButton->isChecked())
            syncEditorY();
        writeSize();
    });
    connect(m_heightComboBox, QOverload<int>::of(&QComboBox::activated), this, [this] {
        if (m_lockButton->isChecked())
            syncEditorX();
        writeSize();
    });
    connect(m_lockButton, &QToolButton::toggled, this, [this](bool locked) {
        if (locked)
            syncEditorY();
        writeSize();
    });
}

void zkComboBoxSizeControl::writeSize()
{
    const QZKIntVector3D size(m_widthComboBox->currentData().toInt(), m_heightComboBox->currentData().toInt(),
                              m_lockButton->isChecked() ? 1 : 0);
    setPropertyValue(QVariant::fromValue(size), true);
}

void zkComboBoxSizeControl::updateControl()
{
    zkBaseControl::updateControl();
    const QZKIntVector3D size = getPropertyValue().value<QZKIntVector3D>();
    updateEditorX(size.x());
    updateEditorY(size.y());
    updateLock(size.z() == 1);
}

void zkComboBoxSizeControl::setMultiSelectHighlight(bool highlight)
{
    zkBaseControl::setMultiSelectHighlight(highlight);
    zkUIStyle::setMultiSelectHighlight(m_heightComboBox, highlight);
}

void zkComboBoxSizeControl::updateEditorX(int width)
{
    const QSignalBlocker blocker(m_widthComboBox);
    m_widthComboBox->setCurrentIndex(zkFindIntData(m_widthComboBox, width));
}

void zkComboBoxSizeControl::updateEditorY(int height)
{
    const QSignalBlocker blocker(m_heightComboBox);
    m_heightComboBox->setCurrentIndex(zkFindIntData(m_heightComboBox, height));
}

void zkComboBoxSizeControl::updateLock(bool locked)
{
    const QSignalBlocker blocker(m_lockButton);
    m_lockButton->setChecked(locked);
    m_lockButton->setIcon(lockIcon(locked));
    m_heightComboBox->setEnabled(!locked);
}

void zkComboBoxSizeControl::syncEditorX()
{
    syncIndex(m_widthComboBox, m_heightComboBox);
}

void zkComboBoxSizeControl::syncEditorY()
{
    syncIndex(m_heightComboBox, m_widthComboBox);
}

void zkComboBoxSizeControl::resetContent(const zkLabelMappingOptions *mapping)
{
    zkFillComboBox(m_widthComboBox, mapping);
    zkFillComboBox(m_heightComboBox, mapping);
}

QList<QWidget *> zkComboBoxSizeControl::getFocusWidgets() const
{
    return getFocusable({m_widthComboBox, m_heightComboBox, m_lockButton});
}
