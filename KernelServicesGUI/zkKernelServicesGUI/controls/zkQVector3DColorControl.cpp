#include "zkQVector3DColorControl.h"

#include <zkPropertyEditorWidget.h>

#include <QColorDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVector3D>

zkQVector3DColorControl::zkQVector3DColorControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                                 Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_button(new QPushButton(this))
{
    setEditor(m_button);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_button);
    connect(m_button, &QPushButton::clicked, this, &zkQVector3DColorControl::chooseColor);
}

void zkQVector3DColorControl::setColor(double r, double g, double b)
{
    const QColor color = QColor::fromRgbF(qBound(0.0, r, 1.0), qBound(0.0, g, 1.0), qBound(0.0, b, 1.0), 1.0);
    m_button->setStyleSheet(
        QStringLiteral("border: 1px solid rgb(127, 127, 127);border-radius: 3px;background: rgb(%1, %2, %3);")
            .arg(color.red())
            .arg(color.green())
            .arg(color.blue()));
}

void zkQVector3DColorControl::updateControl()
{
    zkBaseControl::updateControl();
    // The empty swatch of mixed values stays until the values agree again.
    if (!isMultiSelectHighlight())
        showValue();
}

void zkQVector3DColorControl::setMultiSelectHighlight(bool highlight)
{
    zkBaseControl::setMultiSelectHighlight(highlight);
    if (highlight)
        m_button->setStyleSheet(QString());
    else
        showValue();
}

void zkQVector3DColorControl::showValue()
{
    const QVector3D value = getPropertyValue().value<QVector3D>();
    setColor(value.x(), value.y(), value.z());
}

void zkQVector3DColorControl::chooseColor()
{
    const QVector3D value = getPropertyValue().value<QVector3D>();
    const QColor initial = QColor::fromRgbF(qBound(0.0f, value.x(), 1.0f), qBound(0.0f, value.y(), 1.0f),
                                            qBound(0.0f, value.z(), 1.0f));
    const QColor color = QColorDialog::getColor(initial, nullptr, QString());
    if (color.isValid())
        setPropertyValue(QVariant::fromValue(QVector3D(color.redF(), color.greenF(), color.blueF())), true);
}
