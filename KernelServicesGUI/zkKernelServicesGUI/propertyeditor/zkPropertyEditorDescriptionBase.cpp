#include "zkPropertyEditorDescriptionBase.h"

#include "zkGroupControl.h"
#include "zkPropertyEditorFactory.h"
#include "zkPropertyEditorWidget.h"

#include <zkBaseControl.h>

#include <QFrame>

zkPropertyEditorDescriptionBase::zkPropertyEditorDescriptionBase()
    : zkPropertyEditorDescriptionBase(zkPropertyEditorFactory::global())
{
}

zkPropertyEditorDescriptionBase::zkPropertyEditorDescriptionBase(zkPropertyEditorFactory *factory)
    : m_factory(factory)
{
    registry().append(this);
}

zkPropertyEditorDescriptionBase::~zkPropertyEditorDescriptionBase()
{
    registry().removeAll(this);
}

QList<const zkPropertyEditorDescriptionBase *> zkPropertyEditorDescriptionBase::getDescriptions()
{
    QList<const zkPropertyEditorDescriptionBase *> descriptions;
    for (const zkPropertyEditorDescriptionBase *description : registry())
        descriptions.append(description);
    return descriptions;
}

QList<zkPropertyEditorDescriptionBase *> &zkPropertyEditorDescriptionBase::registry()
{
    static QList<zkPropertyEditorDescriptionBase *> descriptions;
    return descriptions;
}

void zkPropertyEditorDescriptionBase::initAll()
{
    // By index: an init() may construct further descriptions.
    const QList<zkPropertyEditorDescriptionBase *> &descriptions = registry();
    for (int i = 0; i < descriptions.size(); ++i) {
        zkPropertyEditorDescriptionBase *description = descriptions.at(i);
        if (description->m_initialized)
            continue;
        zkPropertyEditorFactory *factory = description->m_factory;
        if (factory)
            factory->setRegistrant(description->metaObject()->className());
        description->init();
        if (factory)
            factory->setRegistrant({});
        description->m_initialized = true;
    }
}

void zkPropertyEditorDescriptionBase::setGroupVisible(zkPropertyEditorWidget *widget, const QByteArray &group,
                                                      bool visible)
{
    if (!widget)
        return;
    if (zkGroupControl *groupControl = widget->findGroupControl(group))
        groupControl->setVisible(visible);
}

void zkPropertyEditorDescriptionBase::setGroupSeparatorsVisible(zkPropertyEditorWidget *widget,
                                                                const QByteArray &group, bool visible)
{
    if (!widget)
        return;
    zkGroupControl *groupControl = widget->findGroupControl(group);
    if (!groupControl)
        return;
    const QList<QFrame *> frames = groupControl->findChildren<QFrame *>(QStringLiteral("PropertySeparator"));
    for (QFrame *frame : frames) {
        if (frame->frameShape() == QFrame::HLine && frame->frameShadow() == QFrame::Sunken)
            frame->setVisible(visible);
    }
}

void zkPropertyEditorDescriptionBase::setControlVisible(zkPropertyEditorWidget *widget, const QByteArray &property,
                                                        bool visible)
{
    if (!widget)
        return;
    if (QWidget *row = widget->getControlLayoutWidget(property))
        row->setVisible(visible);
}

void zkPropertyEditorDescriptionBase::setControlsVisible(zkPropertyEditorWidget *widget,
                                                         const QList<QByteArray> &properties, bool visible)
{
    for (const QByteArray &property : properties)
        setControlVisible(widget, property, visible);
}

void zkPropertyEditorDescriptionBase::setControlEnabled(zkPropertyEditorWidget *widget, const char *property,
                                                        bool enabled)
{
    if (!widget)
        return;
    if (QWidget *row = widget->getControlLayoutWidget(property))
        row->setEnabled(enabled);
}

void zkPropertyEditorDescriptionBase::setControlsEnabled(zkPropertyEditorWidget *widget,
                                                         const QList<QByteArray> &properties, bool enabled)
{
    for (const QByteArray &property : properties)
        setControlEnabled(widget, property.constData(), enabled);
}

void zkPropertyEditorDescriptionBase::updateControl(zkPropertyEditorWidget *widget, const QByteArray &property)
{
    if (!widget)
        return;
    if (zkBaseControl *control = widget->getControl(property))
        control->updateControl();
}

void zkPropertyEditorDescriptionBase::updateLinkedTextureSettings(zkPropertyEditorWidget *widget,
                                                                  const QByteArray &property)
{
    static bool running = false;
    if (running || !widget)
        return;
    running = true;
    // Cleared on every way out, also when an update callback throws.
    struct Reset
    {
        ~Reset() { running = false; }
    } reset;

    if (!widget->getProperty(QByteArrayLiteral("linkTextureSettings")).toBool())
        return;
    if (zkPropertyEditorWidget *parent = widget->getParentPropertyEditor())
        parent->updatePropertyRecursive(property, widget, true);
}
