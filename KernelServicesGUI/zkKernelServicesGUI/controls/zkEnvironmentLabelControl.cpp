#include "zkEnvironmentLabelControl.h"

#include <zkKernelServiceFactory.h>
#include <zkMaterialService.h>
#include <zkdEnvironmentMaterial.h>
#include <zkdEnvironmentSwitchMaterial.h>
#include <zkdObjectManager.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>

namespace {

zkdMaterial toMaterial(const QVariant &value)
{
    return zkd_cast<zkdMaterial>(zkdObjectManager::fromVariant(value));
}

} // namespace

zkEnvironmentLabelControl::zkEnvironmentLabelControl(zkPropertyEditorWidget *editorWidget,
                                                     const QByteArray &propertyName, Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_nameLabel(new QLabel(this))
{
    m_nameLabel->setStyleSheet(QStringLiteral("border: 1px solid rgb(58, 58, 58); background: rgb(87, 87, 87);"));
    m_nameLabel->setContextMenuPolicy(Qt::CustomContextMenu);
    setEditor(m_nameLabel);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_nameLabel);
    connect(m_nameLabel, &QLabel::customContextMenuRequested, this, &zkEnvironmentLabelControl::showCustomContextMenu);
}

void zkEnvironmentLabelControl::updateControl()
{
    zkBaseControl::updateControl();
    // A null material leaves the name shown before.
    const zkdMaterial material = toMaterial(getPropertyValue());
    if (!material.isNull())
        m_nameLabel->setText(material.getName());
}

void zkEnvironmentLabelControl::showCustomContextMenu(const QPoint &position)
{
    updateEnvironmentMenu();
    m_menu->exec(m_nameLabel->mapToGlobal(position));
}

void zkEnvironmentLabelControl::updateEnvironmentMenu()
{
    if (!m_menu) {
        m_menu = new QMenu(this);
        connect(m_menu, &QMenu::triggered, this, &zkEnvironmentLabelControl::environmentChosen);
    }
    m_menu->clear();
    m_menu->addAction(tr("Default"));
    m_menu->addSeparator();
    const auto *service = zkKernelServiceFactory::the().getService<zkMaterialService>();
    const QList<zkdMaterial> materials = service ? service->getSceneMaterials() : QList<zkdMaterial>();
    const auto addEntries = [this, &materials](const QMetaObject &type) {
        for (const zkdMaterial &material : materials) {
            if (material.isTypeOf(type))
                m_menu->addAction(material.getName())->setData(QVariant::fromValue(material));
        }
    };
    addEntries(zkdEnvironmentMaterial::staticMetaObject);
    m_menu->addSeparator();
    addEntries(zkdEnvironmentSwitchMaterial::staticMetaObject);
}

void zkEnvironmentLabelControl::environmentChosen(const QAction *action)
{
    if (!action->data().isValid()) {
        if (const auto *service = zkKernelServiceFactory::the().getService<zkMaterialService>())
            setPropertyValue(QVariant::fromValue(service->getDefaultEnvironmentMaterial()), true);
        return;
    }
    const zkdMaterial material = toMaterial(action->data());
    if (!material.isNull())
        setPropertyValue(QVariant::fromValue(material), true);
}
