#include "zkDirectoryControl.h"

#include <QZKDirControl.h>
#include <zkUIStyle.h>

#include <QHBoxLayout>
#include <QSignalBlocker>

zkDirectoryControl::zkDirectoryControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                       Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_dirControl(new QZKDirControl(QString(), this))
{
    m_dirControl->setTitle(options->title);
    m_dirControl->setLabelVisibility(false);
    setEditor(m_dirControl);
    createLayout();
    connect(m_dirControl, &QZKDirControl::changed, this, [this](const QString &dir) { setPropertyValue(dir, true); });
}

void zkDirectoryControl::createLayout()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_dirControl);
}

void zkDirectoryControl::updateControl()
{
    zkBaseControl::updateControl();
    const QSignalBlocker blocker(m_dirControl);
    m_dirControl->setDir(getPropertyValue().toString());
}

void zkDirectoryControl::setMultiSelectHighlight(bool highlight)
{
    zkBaseControl::setMultiSelectHighlight(highlight);
    // The directory widget passes its focus to the path field, the part that shows the value.
    if (QWidget *field = m_dirControl->focusProxy())
        zkUIStyle::setControlProperty(field, "multiselect", highlight);
}
