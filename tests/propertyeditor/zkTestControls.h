#pragma once

// Rows over plain Qt widgets that stand in for the real controls in the editor's tests.

#include <zkBaseControl.h>
#include <zkControlOptions.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorQObjectWrapper.h>
#include <zkPropertyEditorWidget.h>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVector2D>

class zkTestControlOptions : public zkBaseControlOptions, public zkExtraPropertiesOptions {};

// Shows the first object's value as text; typed text is written, converted to the property's
// type, when editing finishes. Counts its refreshes.
class zkTestLineEditControl : public zkBaseControl
{
public:
    using Options = zkTestControlOptions;

    zkTestLineEditControl(zkPropertyEditorWidget *editorWidget, const QByteArray &name, Options *options)
        : zkBaseControl(editorWidget, name, options)
        , m_lineEdit(new QLineEdit(this))
    {
        (new QHBoxLayout(this))->addWidget(m_lineEdit);
        layout()->setContentsMargins(0, 0, 0, 0);
        setEditor(m_lineEdit);
        connect(m_lineEdit, &QLineEdit::editingFinished, this, [this] {
            if (!m_lineEdit->isModified())
                return;
            m_lineEdit->setModified(false);
            QVariant value(m_lineEdit->text());
            value.convert(getPropertyValue().userType());
            setPropertyValue(value);
        });
    }

    void updateControl() override
    {
        zkBaseControl::updateControl();
        ++updates;
        const QSignalBlocker blocker(m_lineEdit);
        m_lineEdit->setText(getPropertyValue().toString());
    }

    QLineEdit *lineEdit() const { return m_lineEdit; }
    int updates = 0;

private:
    QLineEdit *m_lineEdit;
};

// Edits the QObject of a QObject* property in a nested editor, as sub-object rows do.
class zkTestNestingControl : public zkBaseControl
{
public:
    using Options = zkTestControlOptions;

    zkTestNestingControl(zkPropertyEditorWidget *editorWidget, const QByteArray &name, Options *options)
        : zkBaseControl(editorWidget, name, options)
        , m_nested(new zkPropertyEditorWidget(this, {}, false, editorWidget->hasCache()))
    {
        m_nested->reditectToParent(editorWidget);
        m_nested->setParentPropertyName(name);
        setEditor(m_nested);
        (new QHBoxLayout(this))->addWidget(m_nested);
    }

    void updateControl() override
    {
        zkBaseControl::updateControl();
        QList<zkPropertyEditorObjectWrapper *> objects;
        for (const zkPropertyEditorObjectWrapper *parentObject : getEditorWidget()->getCurrentObjects()) {
            if (auto *object = parentObject->getProperty(getPropertyName()).value<QObject *>())
                objects.append(new zkPropertyEditorQObjectWrapper(object));
        }
        const QSignalBlocker blocker(m_nested);
        m_nested->setCurrentObjects(objects);
    }

protected:
    QList<QWidget *> getFocusWidgets() const override { return getFocusable({m_nested->getFirstControl()}); }

private:
    zkPropertyEditorWidget *m_nested;
};

// Basic editors in the global factory, once per test program.
inline void zkRegisterTestControls()
{
    static const bool registered = [] {
        zkPropertyEditorFactory *global = zkPropertyEditorFactory::global();
        const auto lineEdits = [global](auto... values) {
            (global->registerEditor<decltype(values), zkTestLineEditControl>({}), ...);
        };
        lineEdits(bool(), int(), uint(), qulonglong(), float(), double(), QString(), QVector2D());
        global->registerEditor<QObject *, zkTestNestingControl>({});
        return true;
    }();
    Q_UNUSED(registered);
}

// Fresh wrappers, as the editor takes ownership of them.
inline QList<zkPropertyEditorObjectWrapper *> zkWrap(const QList<QObject *> &objects)
{
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (QObject *object : objects)
        wrappers.append(new zkPropertyEditorQObjectWrapper(object));
    return wrappers;
}

inline zkTestLineEditControl *zkRow(const zkPropertyEditorWidget &editor, const QByteArray &name)
{
    return static_cast<zkTestLineEditControl *>(editor.getControl(name));
}
