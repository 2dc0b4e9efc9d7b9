#include "zkGroupControl.h"

#include "zkControlOptions.h"
#include "zkPropertyEditorWidget.h"

#include <QVBoxLayout>

zkGroupControl::zkGroupControl(zkPropertyEditorWidget *widget, const QByteArray &name,
                               zkGroupControlOptions *options)
    : QZKCollapsibleFrame(options->label, false, widget->getMainWidget(options->category))
    , m_editorWidget(widget)
    , m_name(name)
    , m_options(options)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setCollapsible(true);
    setCollapsed(options->collapsed);

    m_page = new QWidget(this);
    m_layout = new QVBoxLayout;
    addPage(m_page);
    m_page->setLayout(m_layout);

    setFrameVisible(options->frameVisible);

    if (QVBoxLayout *categoryLayout = widget->getMainLayout(options->category))
        categoryLayout->addWidget(this, 0, Qt::Alignment());
}

void zkGroupControl::finalizeLayout()
{
    addPage(m_page);
    m_page->setLayout(m_layout);
}
