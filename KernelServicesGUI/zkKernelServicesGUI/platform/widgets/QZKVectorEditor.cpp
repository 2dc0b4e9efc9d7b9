#include "QZKVectorEditor.h"

#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace {
constexpr int horizontalSpacing = 4;
constexpr int verticalSpacing = 2;
}

QZKVectorEditor::QZKVectorEditor(Orientation orientation, QWidget *parent)
    : QWidget(parent), m_label(new QLabel(this)), m_orientation(orientation)
{
    m_label->hide();
    relayout();
}

void QZKVectorEditor::setLabel(const QString &label)
{
    m_label->setText(label);
    m_label->setVisible(!label.isEmpty());
}

QString QZKVectorEditor::label() const
{
    return m_label->text();
}

void QZKVectorEditor::setSubLabels(const QStringList &labels)
{
    for (int i = 0; i < std::min(labels.size(), m_subLabels.size()); ++i) {
        m_subLabels[i]->setText(labels.at(i));
        updateSubLabelVisibility(i);
    }
}

QStringList QZKVectorEditor::subLabels() const
{
    QStringList labels;
    for (const QLabel *label : m_subLabels)
        labels << label->text();
    return labels;
}

void QZKVectorEditor::setOrientation(int orientation)
{
    const Orientation newOrientation = orientation == Vertical ? Vertical : Horizontal;
    if (newOrientation == m_orientation)
        return;
    m_orientation = newOrientation;
    relayout();
}

void QZKVectorEditor::setComponentVisible(int component, bool visible)
{
    if (component < 0 || component >= componentCount())
        return;
    m_editors[component]->setVisible(visible);
    updateSubLabelVisibility(component);
    updateFocusProxy();
}

bool QZKVectorEditor::isComponentVisible(int component) const
{
    return component >= 0 && component < componentCount() && !m_editors[component]->isHidden();
}

void QZKVectorEditor::addComponent(QWidget *editor, const QString &subLabel)
{
    editor->setParent(this);
    m_editors << editor;
    auto *label = new QLabel(subLabel, this);
    label->setBuddy(editor);
    m_subLabels << label;
    updateSubLabelVisibility(m_editors.size() - 1);
    relayout();
    updateFocusProxy();
}

// Rebuilt from scratch: a grid whose cells depend on the orientation.
void QZKVectorEditor::relayout()
{
    delete layout();
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(horizontalSpacing);
    grid->setVerticalSpacing(verticalSpacing);

    const int count = componentCount();
    if (m_orientation == Horizontal) {
        grid->addWidget(m_label, 0, 0);
        for (int i = 0; i < count; ++i) {
            grid->addWidget(m_subLabels[i], 0, 1 + 2 * i);
            grid->addWidget(m_editors[i], 0, 2 + 2 * i);
            grid->setColumnStretch(2 + 2 * i, 1);
        }
    } else {
        grid->addWidget(m_label, 0, 0, std::max(1, count), 1, Qt::AlignTop);
        for (int i = 0; i < count; ++i) {
            grid->addWidget(m_subLabels[i], i, 1);
            grid->addWidget(m_editors[i], i, 2);
        }
        grid->setColumnStretch(2, 1);
    }
}

void QZKVectorEditor::updateSubLabelVisibility(int component)
{
    QLabel *label = m_subLabels[component];
    label->setVisible(isComponentVisible(component) && !label->text().isEmpty());
}

// Focus given to the whole widget goes to the first shown component.
void QZKVectorEditor::updateFocusProxy()
{
    for (int i = 0; i < componentCount(); ++i) {
        if (isComponentVisible(i)) {
            setFocusProxy(m_editors[i]);
            return;
        }
    }
    setFocusProxy(nullptr);
}
