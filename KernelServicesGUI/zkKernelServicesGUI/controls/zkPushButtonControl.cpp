#include "zkPushButtonControl.h"

#include <zkPlatform.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

zkPushButtonControl::zkPushButtonControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                         Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_button(new QPushButton(getLabelName(), this))
{
    m_button->setFixedSize(qRound(130 * zkPlatform::getDpiScaleX()), qRound(18 * zkPlatform::getDpiScaleY()));
    if (auto *label = qobject_cast<QLabel *>(getLabel()))
        label->clear();
    setEditor(m_button);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_button);
    auto *filler = new QWidget(this);
    filler->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    layout->addWidget(filler);

    if (options->checkable != 0.0) {
        m_button->setCheckable(true);
        connect(m_button, &QPushButton::toggled, this, [this](bool checked) { setPropertyValue(checked, true); });
    } else {
        connect(m_button, &QPushButton::clicked, this, [this] { setPropertyValue(true, true); });
    }
}

void zkPushButtonControl::updateControl()
{
    zkBaseControl::updateControl();
    const QSignalBlocker blocker(m_button);
    m_button->setChecked(getPropertyValue().toBool());
}
