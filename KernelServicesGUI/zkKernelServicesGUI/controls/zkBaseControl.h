#pragma once

#include <zkControlOptions.h>

#include <RelativeOperator.h>

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QVariant>
#include <QWidget>

class zkPropertyEditorWidget;

// The base of every row of the property editor: one control edits one property of all objects
// its editor widget shows. The control holds the input widgets; its caption is a separate label
// that the editor widget lays out beside it.
//
// Subclasses have a constructor of the same three arguments, taking a pointer to their own
// options record, which they name as the member type Options; they show values with their input
// widgets' signals blocked, so that showing a value never writes it back.
class zkBaseControl : public QWidget
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;

    // Parents itself and its caption to the editor widget's current control layout widget.
    zkBaseControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, zkBaseControlOptions *options);
    ~zkBaseControl() override;

    zkPropertyEditorWidget *getEditorWidget() const { return m_editorWidget; }
    const QByteArray &getPropertyName() const { return m_propertyName; }
    zkBaseControlOptions *getOptions() const { return m_options; }
    // Null once the caption widget is gone.
    QWidget *getLabel() const { return m_label; }
    QWidget *getEditor() const { return m_editor; }
    // The neighbouring rows in the editor's display order.
    zkBaseControl *getPrevious() const { return m_previous; }
    zkBaseControl *getNext() const { return m_next; }
    void setPrevious(zkBaseControl *previous) { m_previous = previous; }
    void setNext(zkBaseControl *next) { m_next = next; }

    // Re-applies the caption; descriptions call it after changing the caption text in the options.
    void updateLabel();
    QString getLabelName() const;

    QVariant getPropertyValue() const;
    // Writes the same value to every shown object as one undo step.
    void setPropertyValue(const QVariant &value, bool undoFlag = true);
    // Relative changes, applied to each shown object's own value.
    void setFloatingPointProperty(const QVariant &operand, RelativeOperator op, bool undoFlag = true);
    void setIntegerProperty(const QVariant &operand, RelativeOperator op, bool undoFlag = true);
    void setVector2DComponent(float operand, int component, RelativeOperator op, bool undoFlag = true);
    // Whether the product widgets report relative entries (several objects) or apply them.
    RelativeOperatorHandlingMode getRelativeOperatorHandlingMode() const;

    virtual bool hasPropertyName(const QByteArray &name) const;
    // Called by the editor widget whenever the objects or the property may have changed.
    virtual void updateControl();
    // The mixed-values look of a multiple selection.
    virtual void setMultiSelectHighlight(bool highlight);
    bool isMultiSelectHighlight() const { return m_multiSelectHighlight; }

    // Also enables or disables the caption and the editor.
    void setEnabled(bool enabled);
    // Also shows or hides the caption.
    void setVisible(bool visible) override;

    // The first row along the chain that can take the focus, or null.
    zkBaseControl *getNextFocus() const;
    zkBaseControl *getPreviousFocus() const;

    using QWidget::setFocus;

    // Installed by subclasses on their input widgets: keeps keys typed into the control from
    // triggering the application's shortcuts, except the shortcuts of the editor's own actions.
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    // Lays the control's input widget out alone in its row; with spacer, an empty frame after
    // it takes the spare width so that the input keeps its natural size.
    void layoutEditor(QWidget *editor, bool spacer);
    void setLabel(QWidget *label);
    void setEditor(QWidget *editor);

    // "diffuseColor" gives "Diffuse Color", translated.
    static QString getNiceName(const QByteArray &propertyName);

    // Tab and Shift+Tab move within the control's focus widgets, then along the rows, and
    // backwards out of a nested editor into its parent editor.
    bool focusNextPrevChild(bool next) override;
    virtual QList<QWidget *> getFocusWidgets() const;

    static void setFocus(QWidget *widget, bool forward);
    static QList<QWidget *> getFocusable(const QList<QWidget *> &widgets);
    static QWidget *getFocusProxy(QWidget *widget);
    static bool isFocusable(const QWidget *widget);

public:
    // The editor nested in the row, showing the row's current objects; null for a row that nests
    // none. Rows that build their nested editor late build it when asked. Declared after the
    // virtual operations above, whose slot order subclasses built elsewhere rely on.
    virtual zkPropertyEditorWidget *getNestedEditor() const;

private:
    // The first focusable row along the previous or next links.
    zkBaseControl *findFocusable(zkBaseControl *zkBaseControl::*link) const;

    zkPropertyEditorWidget *m_editorWidget;
    QByteArray m_propertyName;
    QPointer<QWidget> m_label;
    QWidget *m_editor = nullptr;
    bool m_multiSelectHighlight = false;
    zkBaseControl *m_previous = nullptr;
    zkBaseControl *m_next = nullptr;
    zkBaseControlOptions *m_options;
};
