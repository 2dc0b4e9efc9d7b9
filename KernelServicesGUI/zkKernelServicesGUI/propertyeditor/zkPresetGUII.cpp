#include "zkPresetGUII.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

zkPresetGUII::zkPresetGUII(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);

    m_presets = new QListWidget(_presetsFrame);
    m_presets->setContextMenuPolicy(Qt::CustomContextMenu);
    m_presets->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_presets->setAlternatingRowColors(true);
    auto *layout = new QVBoxLayout(_presetsFrame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_presets);

    m_menu = new QMenu(tr("Presets"), this);
    m_menu->setTearOffEnabled(true);
    m_activate = m_menu->addAction(tr("Activate"));
    m_rename = m_menu->addAction(tr("Rename"));
    m_delete = m_menu->addAction(tr("Delete"));
    m_delete->setShortcut(QKeySequence::Delete);
    m_delete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_delete->setText(tr("Delete") + QLatin1Char('\t') + m_delete->shortcut().toString(QKeySequence::NativeText));
    // The menu is not open while the user works in the list; the key must still reach the action.
    m_presets->addAction(m_delete);

    connect(_close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_presets, &QListWidget::itemChanged, this, &zkPresetGUII::changedPreset);
    connect(m_presets, &QWidget::customContextMenuRequested, this, &zkPresetGUII::requestedContextMenu);
    connect(m_presets, &QListWidget::itemSelectionChanged, this, &zkPresetGUII::updateContextMenu);
    connect(m_activate, &QAction::triggered, this, &zkPresetGUII::activatePreset);
    connect(m_rename, &QAction::triggered, this, &zkPresetGUII::renamePreset);
    connect(m_delete, &QAction::triggered, this, &zkPresetGUII::deletePresets);
    updateContextMenu();
}

void zkPresetGUII::addPreset(const QString &name)
{
    auto *item = new QListWidgetItem(name);
    // The unchanged name tells a rename which preset it was.
    item->setData(Qt::StatusTipRole, name);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
    m_presets->addItem(item);
}

void zkPresetGUII::clearPresets()
{
    m_presets->clear();
}

void zkPresetGUII::setCurrentPreset(const QString &name)
{
    for (int row = 0; row < m_presets->count(); ++row) {
        QListWidgetItem *item = m_presets->item(row);
        if (item->text() == name) {
            m_presets->setCurrentItem(item);
            return;
        }
    }
}

void zkPresetGUII::updateContextMenu()
{
    const int selected = m_presets->selectedItems().size();
    m_activate->setEnabled(selected == 1);
    m_rename->setEnabled(selected == 1);
    m_delete->setEnabled(selected > 0);
}

void zkPresetGUII::requestedContextMenu(const QPoint &pos)
{
    m_menu->popup(m_presets->viewport()->mapToGlobal(pos));
}

void zkPresetGUII::activatePreset()
{
    if (const QListWidgetItem *item = singleSelection())
        emit presetActivated(item->text());
}

void zkPresetGUII::renamePreset()
{
    if (QListWidgetItem *item = singleSelection())
        m_presets->editItem(item);
}

void zkPresetGUII::changedPreset(QListWidgetItem *item)
{
    const QString oldName = item->data(Qt::StatusTipRole).toString();
    const QString newName = item->text();
    if (!newName.isEmpty() && newName != oldName)
        emit presetRenamed(oldName, newName);
}

void zkPresetGUII::deletePresets()
{
    QVector<QString> names;
    const QList<QListWidgetItem *> selected = m_presets->selectedItems();
    for (const QListWidgetItem *item : selected)
        names.append(item->text());
    emit presetsDeleted(names);
}

QListWidgetItem *zkPresetGUII::singleSelection() const
{
    const QList<QListWidgetItem *> selected = m_presets->selectedItems();
    return selected.size() == 1 ? selected.first() : nullptr;
}
