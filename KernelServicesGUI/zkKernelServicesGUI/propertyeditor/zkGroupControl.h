#pragma once

#include <QByteArray>
#include <QZKCollapsibleFrame.h>

class QVBoxLayout;
class zkGroupControlOptions;
class zkPropertyEditorWidget;

// The collapsible, titled frame that holds the rows of one group of an editor widget. It places
// itself at the end of the main layout of the category its options name.
class zkGroupControl : public QZKCollapsibleFrame
{
    Q_OBJECT
public:
    zkGroupControl(zkPropertyEditorWidget *widget, const QByteArray &name, zkGroupControlOptions *options);

    // Puts the page back into the frame and its layout back onto the page.
    void finalizeLayout();

    zkPropertyEditorWidget *getEditorWidget() const { return m_editorWidget; }
    // The key by which rows name the group.
    const QByteArray &getName() const { return m_name; }
    zkGroupControlOptions *getOptions() const { return m_options; }
    // The layout the group's rows go into.
    QVBoxLayout *getLayout() const { return m_layout; }

private:
    Q_DISABLE_COPY(zkGroupControl)

    zkPropertyEditorWidget *m_editorWidget;
    QByteArray m_name;
    zkGroupControlOptions *m_options;
    QWidget *m_page = nullptr;
    QVBoxLayout *m_layout = nullptr;
};
