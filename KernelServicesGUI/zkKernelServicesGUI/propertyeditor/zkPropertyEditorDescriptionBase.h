#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

class zkPropertyEditorFactory;
class zkPropertyEditorWidget;

// The base of every type description: a description registers, in init(), the controls and
// rules of one object type into its factory. Every description enters a process-wide registry
// when it is constructed, so that all of them are initialised together, once each, before the
// first editor widget is built.
//
// The static operations are for the descriptions' callbacks; each does nothing when the widget
// is null or the named control or group does not exist.
class zkPropertyEditorDescriptionBase : public QObject
{
    Q_OBJECT
public:
    // Registers into the global factory.
    zkPropertyEditorDescriptionBase();
    explicit zkPropertyEditorDescriptionBase(zkPropertyEditorFactory *factory);
    ~zkPropertyEditorDescriptionBase() override;

    zkPropertyEditorFactory *getFactory() const { return m_factory; }

    // Initialises every description that has not been initialised yet.
    static void initAll();
    // Every description constructed so far, in construction order.
    static QList<const zkPropertyEditorDescriptionBase *> getDescriptions();

    static void setGroupVisible(zkPropertyEditorWidget *widget, const QByteArray &group, bool visible);
    // The separator lines under the rows of the group.
    static void setGroupSeparatorsVisible(zkPropertyEditorWidget *widget, const QByteArray &group, bool visible);
    // The whole row of the property's control, label included.
    static void setControlVisible(zkPropertyEditorWidget *widget, const QByteArray &property, bool visible);
    static void setControlsVisible(zkPropertyEditorWidget *widget, const QList<QByteArray> &properties,
                                   bool visible);
    static void setControlEnabled(zkPropertyEditorWidget *widget, const char *property, bool enabled);
    static void setControlsEnabled(zkPropertyEditorWidget *widget, const QList<QByteArray> &properties,
                                   bool enabled);
    // The property's control re-reads its value.
    static void updateControl(zkPropertyEditorWidget *widget, const QByteArray &property);
    // When the widget's objects link their texture settings, every other editor nested in the
    // same parent editor refreshes the property and runs its update callbacks for it. Calls made
    // while one is running return at once, so that the editors cannot bounce a change back and
    // forth.
    static void updateLinkedTextureSettings(zkPropertyEditorWidget *widget, const QByteArray &property);

protected:
    // Makes all registrations of the description.
    virtual void init() = 0;

private:
    Q_DISABLE_COPY(zkPropertyEditorDescriptionBase)

    static QList<zkPropertyEditorDescriptionBase *> &registry();

    zkPropertyEditorFactory *m_factory;
    bool m_initialized = false;
};
