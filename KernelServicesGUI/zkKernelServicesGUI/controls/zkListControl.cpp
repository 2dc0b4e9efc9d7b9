#include "zkListControl.h"

#include "zkChoiceItems.h"

#include <zkPropertyEditorWidget.h>

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QVBoxLayout>

zkListControl::zkListControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                             Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_selectionProperty(options->extraProperties.value(0))
{
    setObjectName(QStringLiteral("zkListControl"));
    createList();
    createHeader(options);
    setIcon(options->icon);
    hideLabel(options->isLabelHidden());
    createLayout();
    setConnections();
    setEditor(m_list);
}

void zkListControl::createList()
{
    m_list = new QListWidget(this);
    m_list->setMaximumHeight(100);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    m_list->setAlternatingRowColors(true);
    if (options()->contextMenu)
        m_list->setContextMenuPolicy(Qt::CustomContextMenu);
}

void zkListControl::createHeader(const Options *options)
{
    m_header = new QLabel(options->headerText, this);
    QFont font = m_header->font();
    font.setWeight(QFont::Bold);
    m_header->setFont(font);
    m_header->setIndent(5);
    m_header->setVisible(options->headerVisible);
}

void zkListControl::setIcon(const QIcon &icon)
{
    m_icon = icon;
}

void zkListControl::hideLabel(bool hide)
{
    if (hide)
        setLabel(nullptr);
}

void zkListControl::createLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_header);
    layout->addWidget(m_list);
}

void zkListControl::setConnections()
{
    connect(m_list, &QWidget::customContextMenuRequested, this, &zkListControl::openContextMenu);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &zkListControl::onSelectItem);
}

void zkListControl::openContextMenu(const QPoint &position)
{
    if (QMenu *menu = options()->contextMenu)
        menu->exec(m_list->viewport()->mapToGlobal(position));
}

void zkListControl::onSelectItem()
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (m_selectionProperty.isEmpty() || selected.isEmpty())
        return;
    const int index = selected.first()->data(Qt::UserRole).toInt();
    zkPropertyEditorWidget *editorWidget = getEditorWidget();
    editorWidget->setProperty(m_selectionProperty,
                              zkToValueType(index, editorWidget->getProperty(m_selectionProperty)), true);
}

void zkListControl::updateControl()
{
    zkBaseControl::updateControl();
    const QStringList entries = getPropertyValue().toStringList();
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (int i = 0; i < entries.size(); ++i) {
        auto *item = new QListWidgetItem(entries.at(i), m_list);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
        item->setData(Qt::UserRole, i);
        if (!m_icon.isNull())
            item->setIcon(m_icon);
    }
}
