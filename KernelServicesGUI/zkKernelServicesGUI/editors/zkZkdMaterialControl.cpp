#include "zkZkdMaterialControl.h"

#include <zkIconManager.h>
#include <zkKernelServiceFactory.h>
#include <zkMaterialIdPayload.h>
#include <zkMaterialService.h>
#include <zkPlatform.h>
#include <zkdImage.h>
#include <zkdMaterial.h>
#include <zkdObjectManager.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>

namespace {

// The material kinds a media surface can show.
bool isAccepted(const zkdMaterial &material)
{
    static const QStringList types{QStringLiteral("zkdPhongMaterial"), QStringLiteral("zkdPlasticMaterial"),
                                   QStringLiteral("zkdReflectivePlasticMaterial"), QStringLiteral("zkdGlassMaterial")};
    return !material.isNull() && types.contains(material.getTypeName());
}

void refreshMaterialViews()
{
    if (auto *service = zkKernelServiceFactory::the().getService<zkMaterialService>())
        service->refresh();
}

} // namespace

zkZkdMaterialControl::zkZkdMaterialControl(zkPropertyEditorWidget *widget, const QByteArray &name, Options *options)
    : zkBaseControl(widget, name, options)
    , m_nameLabel(new QLabel)
    , m_previewLabel(new QLabel)
    , m_deleteButton(new QPushButton(this))
{
    setFocusPolicy(Qt::NoFocus);
    setAcceptDrops(true);
    setMinimumWidth(64);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setToolTip(tr("Drag and drop a Material to display this media"));
    setEditor(frame);
    auto *frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->addWidget(m_previewLabel);
    frameLayout->addWidget(m_nameLabel);

    m_deleteButton->setIcon(zkIconManager::getIcon(QStringLiteral("Delete"), QString()));
    m_deleteButton->setIconSize(QSize(zkPlatform::getMediumIconSizeX(), zkPlatform::getMediumIconSizeY()));
    const QSize buttonSize(int(24 * zkPlatform::getDpiScaleX()), int(24 * zkPlatform::getDpiScaleY()));
    m_deleteButton->setMinimumSize(buttonSize);
    m_deleteButton->setMaximumSize(buttonSize);
    m_deleteButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_deleteButton->setEnabled(false);
    connect(m_deleteButton, &QPushButton::clicked, this, [this] { writeMaterial(zkdMaterial()); });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(frame);
    layout->addWidget(m_deleteButton);
}

void zkZkdMaterialControl::updateControl()
{
    zkBaseControl::updateControl();
    const zkdMaterial material = zkd_cast<zkdMaterial>(zkdObjectManager::fromVariant(getPropertyValue()));
    if (material.isNull()) {
        clearMaterial();
        return;
    }
    m_nameLabel->setText(material.getName());
    m_nameLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QImage preview = material.getPreviewImage().toQImage();
    const QImage scaled = preview.isNull()
        ? QImage()
        : preview.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_previewLabel->setFixedSize(scaled.size());
    m_previewLabel->setPixmap(QPixmap::fromImage(scaled));
    m_deleteButton->setEnabled(true);
}

void zkZkdMaterialControl::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (data->hasFormat(zkMaterialIdPayload::mimeType())
        && isAccepted(convertToMaterial(data->data(zkMaterialIdPayload::mimeType())))) {
        event->acceptProposedAction();
    }
}

void zkZkdMaterialControl::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!data->hasFormat(zkMaterialIdPayload::mimeType()))
        return;
    const zkdMaterial material = convertToMaterial(data->data(zkMaterialIdPayload::mimeType()));
    // The enter test already refused other kinds; a drop without one (a synthetic event) is
    // refused here too.
    if (!isAccepted(material))
        return;
    writeMaterial(material);
    event->acceptProposedAction();
}

zkdMaterial zkZkdMaterialControl::convertToMaterial(const QByteArray &bytes)
{
    return zkMaterialIdPayload::decode(bytes);
}

void zkZkdMaterialControl::clearMaterial()
{
    m_nameLabel->setText(tr("Drop a Material here"));
    m_nameLabel->setAlignment(Qt::AlignCenter);
    m_previewLabel->setPixmap(QPixmap());
    m_previewLabel->setFixedSize(0, 0);
    m_deleteButton->setEnabled(false);
}

void zkZkdMaterialControl::writeMaterial(const zkdMaterial &material)
{
    setPropertyValue(QVariant::fromValue(material), true);
    updateControl();
    refreshMaterialViews();
}
