#include "zkBaseControl.h"

#include <zkPropertyEditorObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkUIStyle.h>

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QSet>
#include <QVector2D>

namespace {

bool isFloatingPoint(const QVariant &value)
{
    return value.userType() == QMetaType::Double || value.userType() == QMetaType::Float;
}

bool isInteger(const QVariant &value)
{
    return value.userType() == QMetaType::Int || value.userType() == QMetaType::UInt;
}

// The operand is converted to the current value's type, in which the arithmetic is done.
template <typename T>
QVariant applied(const QVariant &current, RelativeOperator op, const QVariant &operand)
{
    return QVariant::fromValue(zkApplyRelativeOperator(current.value<T>(), op, operand.value<T>()));
}

} // namespace

zkBaseControl::zkBaseControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                             zkBaseControlOptions *options)
    : QWidget(editorWidget->getCurrentControlLayoutWidget())
    , m_editorWidget(editorWidget)
    , m_propertyName(propertyName)
    , m_options(options)
{
    setFocusPolicy(Qt::StrongFocus);
    // The caption belongs to the row, where the editor widget lays it out beside the control.
    auto *label = new QLabel(editorWidget->getCurrentControlLayoutWidget());
    label->setAlignment(Qt::AlignRight);
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_label = label;
    updateLabel();
}

zkBaseControl::~zkBaseControl()
{
    if (m_label)
        m_label->deleteLater();
}

void zkBaseControl::setLabel(QWidget *label)
{
    if (m_label != label)
        delete m_label;
    m_label = label;
}

void zkBaseControl::setEditor(QWidget *editor)
{
    if (editor) {
        editor->setFocusPolicy(Qt::StrongFocus);
        setFocusProxy(editor);
    }
    m_editor = editor;
}

void zkBaseControl::updateLabel()
{
    auto *label = qobject_cast<QLabel *>(m_label.data());
    if (!label || !m_options)
        return;
    const QString text = getLabelName();
    const int width = m_options->labelWidth;
    const QString elided = label->fontMetrics().elidedText(text, Qt::ElideMiddle, width - 2);
    label->setText(elided);
    label->setToolTip(elided != text ? text : QString());
    label->setFixedWidth(width);
}

QString zkBaseControl::getLabelName() const
{
    if (m_options && !m_options->label.isEmpty())
        return QCoreApplication::translate("zkPropertyEditorWidget", m_options->label.toUtf8().constData());
    return getNiceName(m_propertyName);
}

QString zkBaseControl::getNiceName(const QByteArray &propertyName)
{
    QString text = QString::fromUtf8(propertyName);
    // The character after a capital that received a space is skipped, so "useIORValue" gives
    // "use IO RValue": acronyms stay mostly together.
    for (int i = 0; i < text.size();) {
        const QChar c = text.at(i);
        const bool upper = (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                           || (c.unicode() > 127 && c.category() == QChar::Letter_Uppercase);
        if (upper) {
            text.insert(i, QLatin1Char(' '));
            i += 3;
        } else {
            ++i;
        }
    }
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return QCoreApplication::translate("zkPropertyEditorWidget", text.toUtf8().constData());
}

QVariant zkBaseControl::getPropertyValue() const
{
    return m_editorWidget->getProperty(m_propertyName);
}

void zkBaseControl::setPropertyValue(const QVariant &value, bool undoFlag)
{
    m_editorWidget->setProperty(m_propertyName, value, undoFlag);
}

void zkBaseControl::setFloatingPointProperty(const QVariant &operand, RelativeOperator op, bool undoFlag)
{
    const QByteArray name = m_propertyName;
    m_editorWidget->applyProperty(
        name,
        [name, operand, op](const zkPropertyEditorObjectWrapper *object, QVariant &result) {
            const QVariant current = object->getProperty(name);
            if (!isFloatingPoint(current) || !isFloatingPoint(operand))
                return false;
            result = current.userType() == QMetaType::Float ? applied<float>(current, op, operand)
                                                            : applied<double>(current, op, operand);
            return true;
        },
        undoFlag);
}

void zkBaseControl::setIntegerProperty(const QVariant &operand, RelativeOperator op, bool undoFlag)
{
    const QByteArray name = m_propertyName;
    m_editorWidget->applyProperty(
        name,
        [name, operand, op](const zkPropertyEditorObjectWrapper *object, QVariant &result) {
            const QVariant current = object->getProperty(name);
            if (!isInteger(current) || !isInteger(operand))
                return false;
            result = current.userType() == QMetaType::UInt ? applied<uint>(current, op, operand)
                                                           : applied<int>(current, op, operand);
            return true;
        },
        undoFlag);
}

void zkBaseControl::setVector2DComponent(float operand, int component, RelativeOperator op, bool undoFlag)
{
    // Component edits always record, whatever the caller asks for.
    Q_UNUSED(undoFlag);
    const QByteArray name = m_propertyName;
    m_editorWidget->applyProperty(
        name,
        [name, operand, component, op](const zkPropertyEditorObjectWrapper *object, QVariant &result) {
            QVector2D vector = object->getProperty(name).value<QVector2D>();
            if (component == 0 || component == 1)
                vector[component] = zkApplyRelativeOperator(vector[component], op, operand);
            result = QVariant::fromValue(vector);
            return true;
        },
        true);
}

RelativeOperatorHandlingMode zkBaseControl::getRelativeOperatorHandlingMode() const
{
    return m_editorWidget->isMultiselection() ? RelativeOperatorHandlingReport : RelativeOperatorHandlingApply;
}

zkPropertyEditorWidget *zkBaseControl::getNestedEditor() const
{
    return qobject_cast<zkPropertyEditorWidget *>(m_editor);
}

bool zkBaseControl::hasPropertyName(const QByteArray &name) const
{
    return name == m_propertyName;
}

void zkBaseControl::updateControl()
{
    if (m_editorWidget->isMultiselection())
        setMultiSelectHighlight(!m_editorWidget->hasSameValue(m_propertyName));
}

void zkBaseControl::setMultiSelectHighlight(bool highlight)
{
    m_multiSelectHighlight = highlight;
    if (m_editor)
        zkUIStyle::setControlProperty(m_editor, "multiselect", highlight);
}

void zkBaseControl::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
    if (m_label)
        m_label->setEnabled(enabled);
    if (m_editor)
        m_editor->setEnabled(enabled);
}

void zkBaseControl::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (m_label)
        m_label->setVisible(visible);
}

bool zkBaseControl::isFocusable(const QWidget *widget)
{
    return widget && widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus;
}

QWidget *zkBaseControl::getFocusProxy(QWidget *widget)
{
    if (!widget)
        return nullptr;
    return widget->focusProxy() ? widget->focusProxy() : widget;
}

QList<QWidget *> zkBaseControl::getFocusable(const QList<QWidget *> &widgets)
{
    QList<QWidget *> focusable;
    for (QWidget *widget : widgets) {
        QWidget *candidate = getFocusProxy(widget);
        if (isFocusable(candidate))
            focusable.append(candidate);
    }
    return focusable;
}

QList<QWidget *> zkBaseControl::getFocusWidgets() const
{
    return getFocusable(findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
}

zkBaseControl *zkBaseControl::getNextFocus() const
{
    return findFocusable(&zkBaseControl::m_next);
}

zkBaseControl *zkBaseControl::getPreviousFocus() const
{
    return findFocusable(&zkBaseControl::m_previous);
}

zkBaseControl *zkBaseControl::findFocusable(zkBaseControl *zkBaseControl::*link) const
{
    // Re-linking the rows group by group can close a loop among rows outside the groups; a walk
    // that comes round again has found nothing.
    QSet<const zkBaseControl *> visited{this};
    for (zkBaseControl *control = this->*link; control && !visited.contains(control); control = control->*link) {
        if (isFocusable(control))
            return control;
        visited.insert(control);
    }
    return nullptr;
}

void zkBaseControl::setFocus(QWidget *widget, bool forward)
{
    const Qt::FocusReason reason = forward ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    if (auto *control = qobject_cast<zkBaseControl *>(widget)) {
        const QList<QWidget *> widgets = control->getFocusWidgets();
        if (!widgets.isEmpty()) {
            (forward ? widgets.first() : widgets.last())->setFocus(reason);
            return;
        }
    }
    // Qt passes the focus on to the widget's focus proxy.
    widget->setFocus(reason);
}

bool zkBaseControl::focusNextPrevChild(bool next)
{
    const QList<QWidget *> widgets = getFocusWidgets();
    const int current = widgets.indexOf(focusWidget());
    const bool within = widgets.size() >= 2 && (next ? current >= 0 && current < widgets.size() - 1 : current >= 1);
    QWidget *target = nullptr;
    if (within) {
        target = widgets.at(next ? current + 1 : current - 1);
    } else {
        target = next ? getNextFocus() : getPreviousFocus();
        // Backwards out of a nested editor: on to the row before the one that holds it. Forwards,
        // the nested editor's end is left to Qt's own focus chain.
        zkPropertyEditorWidget *parentEditor = m_editorWidget->getParentPropertyEditor();
        if (!target && !next && parentEditor) {
            if (zkBaseControl *owner = parentEditor->getControl(m_editorWidget->getParentPropertyName()))
                target = owner->getPreviousFocus();
        }
    }
    if (!target)
        return false;
    setFocus(target, next);
    return true;
}

bool zkBaseControl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QWidget::eventFilter(watched, event);
    if (m_editor) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        const QKeySequence typed(keyEvent->key() | int(keyEvent->modifiers()));
        const QList<QAction *> actions = m_editor->actions();
        for (const QAction *action : actions) {
            if (action->shortcut().matches(typed) == QKeySequence::ExactMatch)
                return QWidget::eventFilter(watched, event);
        }
    }
    // Accepting the override keeps the key from the application's shortcuts.
    event->accept();
    return true;
}

void zkBaseControl::layoutEditor(QWidget *editor, bool spacer)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);
    if (!spacer)
        return;
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setFrameShadow(QFrame::Plain);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(1);
    frame->setSizePolicy(policy);
    layout->addWidget(frame);
}
