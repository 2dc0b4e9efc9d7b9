#include "zkWhiteBalanceControl.h"

#include <QZKWhiteBalance.h>

#include <QSignalBlocker>

zkWhiteBalanceControl::zkWhiteBalanceControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                             Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_whiteBalance(new QZKWhiteBalance(this))
{
    setEditor(m_whiteBalance);
    setRange(options);
    setSteps(options);
    setSuffix(options);
    setInfo(options);
    layoutEditor(m_whiteBalance, false);

    connect(m_whiteBalance, &QZKWhiteBalance::valueChanged, this,
            [this](int value) { setIntegerProperty(QVariant(value), RelativeOperatorSet, true); });
}

void zkWhiteBalanceControl::updateControl()
{
    zkBaseControl::updateControl();
    const QSignalBlocker blocker(m_whiteBalance);
    m_whiteBalance->setValue(getPropertyValue().toInt());
}

void zkWhiteBalanceControl::setRange(Options *options)
{
    m_whiteBalance->setMinimum(options->minimum);
    m_whiteBalance->setMaximum(options->maximum);
}

void zkWhiteBalanceControl::setSteps(Options *options)
{
    m_whiteBalance->setStep(options->singleStep);
}

void zkWhiteBalanceControl::setSuffix(Options *options)
{
    if (!options->suffix.isEmpty())
        m_whiteBalance->setSuffix(options->suffix);
}

void zkWhiteBalanceControl::setInfo(Options *options)
{
    if (!options->trailer.isEmpty())
        m_whiteBalance->setTrailer(options->trailer);
    if (!options->epilog.isEmpty())
        m_whiteBalance->setEpilog(options->epilog);
}
