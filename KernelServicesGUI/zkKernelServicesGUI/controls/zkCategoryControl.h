#pragma once

#include <QByteArray>
#include <QScrollArea>

class QVBoxLayout;
class zkPropertyEditorWidget;
class zkzkCategoryOptionsControlOptions;

// The tab page of an editor widget that holds the rows and groups of one category. It adds
// itself to the editor widget as a tab. When the editor does not scroll vertically, the page
// fits its height to its contents, and never to less than the column of tabs beside it.
class zkCategoryControl : public QScrollArea
{
    Q_OBJECT
public:
    // Without setMainLayout the editor widget sets the main layout on the main widget itself.
    zkCategoryControl(zkPropertyEditorWidget *widget, const QByteArray &name,
                      zkzkCategoryOptionsControlOptions *options, bool setMainLayout);
    ~zkCategoryControl() override;

    const QByteArray &getName() const { return m_name; }
    const QByteArray &getPropertyName() const { return m_name; }
    zkzkCategoryOptionsControlOptions *getOptions() const { return m_options; }
    zkPropertyEditorWidget *getEditorWidget() const { return m_editorWidget; }
    // The widget that holds the rows, and its layout.
    QWidget *getMainWidget() const { return m_mainWidget; }
    QVBoxLayout *getMainLayout() const { return m_mainLayout; }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(zkCategoryControl)

    void fitHeight();

    zkPropertyEditorWidget *m_editorWidget;
    QByteArray m_name;
    zkzkCategoryOptionsControlOptions *m_options;
    QWidget *m_mainWidget = nullptr;
    QVBoxLayout *m_mainLayout = nullptr;
    bool m_verticalScroll;
};
