#pragma once

#include <QVector>
#include <QWidget>

class QLabel;

// The common frame of the vector widgets: an optional caption, then one editor per component,
// each with a short caption of its own ("X", "Y" ...). The components stand side by side or one
// under the other.
class QZKVectorEditor : public QWidget
{
    Q_OBJECT
public:
    enum Orientation { Horizontal = 0, Vertical = 1 };

    int componentCount() const { return m_editors.size(); }

    // Shown before the components; an empty text shows nothing.
    void setLabel(const QString &label);
    QString label() const;

    // The component captions in component order. Entries beyond the component count are ignored,
    // missing ones leave the caption as it is, and an empty one shows none.
    void setSubLabels(const QStringList &labels);
    QStringList subLabels() const;

    // Horizontal (0) or Vertical (1); other values count as Horizontal.
    void setOrientation(int orientation);
    int orientation() const { return m_orientation; }

    void setComponentVisible(int component, bool visible);
    bool isComponentVisible(int component) const;

protected:
    QZKVectorEditor(Orientation orientation, QWidget *parent);

    // Appends a component; its editor becomes a child of this widget.
    void addComponent(QWidget *editor, const QString &subLabel);
    QWidget *componentEditor(int component) const { return m_editors.at(component); }

private:
    void relayout();
    void updateSubLabelVisibility(int component);
    void updateFocusProxy();

    QLabel *m_label;
    QVector<QLabel *> m_subLabels;
    QVector<QWidget *> m_editors;
    Orientation m_orientation;
};
