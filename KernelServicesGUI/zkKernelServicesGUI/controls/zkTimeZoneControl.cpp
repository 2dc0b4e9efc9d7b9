#include "zkTimeZoneControl.h"

#include <zkPropertyEditorWidget.h>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTime>

#include <cmath>

zkTimeZoneControl::zkTimeZoneControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                     Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_daylightSavingProperty(options->extraProperties.value(0))
{
    auto *container = new QWidget(this);
    m_offsetLabel = new QLabel(container);
    m_daylightSaving = new QCheckBox(tr("DST"), container);
    m_daylightSaving->setToolTip(tr("Daylight Saving Time\nPlease specify whether there is daylight saving time at "
                                    "the current location on the current date\nbecause this information is not "
                                    "retrieved automatically"));
    auto *containerLayout = new QHBoxLayout(container);
    containerLayout->setContentsMargins(0, 0, 0, 0);
    containerLayout->addWidget(m_offsetLabel);
    containerLayout->addWidget(m_daylightSaving);
    setEditor(container);
    // The offset is only shown: the focus goes to the check box.
    container->setFocusProxy(m_daylightSaving);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);

    connect(m_daylightSaving, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_daylightSavingProperty.isEmpty())
            getEditorWidget()->setProperty(m_daylightSavingProperty, on, true);
    });
}

void zkTimeZoneControl::updateControl()
{
    zkBaseControl::updateControl();
    const float offset = getPropertyValue().toFloat();
    const float hours = std::abs(offset);
    const int h = int(hours);
    const int m = int((hours - float(h)) * 60.0f);
    const QString text = tr("UTC") + QLatin1Char(' ') + QLatin1Char(offset < 0.0f ? '-' : '+')
        + QTime(h, m).toString(QStringLiteral("HH:mm"));
    m_offsetLabel->setText(text);
    if (m_daylightSavingProperty.isEmpty())
        return;
    const QSignalBlocker blocker(m_daylightSaving);
    m_daylightSaving->setChecked(getEditorWidget()->getProperty(m_daylightSavingProperty).toBool());
}
