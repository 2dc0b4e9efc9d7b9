#include "zkDemoWindow.h"

#include "zkDemoDumps.h"
#include "zkDemoSceneViews.h"
#include "zkDemoUndoActions.h"

#include <zkCachedPropertyEditorWidget.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

zkDemoWindow::zkDemoWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_sceneViews(new zkDemoSceneViews)
    , m_caption(new QLabel)
    , m_undoActions(new zkDemoUndoActions(this))
{
    setWindowTitle(tr("zkKernelServicesGUI Demo"));

    auto *editorPanel = new QWidget;
    editorPanel->setObjectName(QStringLiteral("EditorPanel"));
    m_editor = new zkCachedPropertyEditorWidget(editorPanel, {});
    m_caption->setObjectName(QStringLiteral("SelectionCaption"));
    m_caption->setTextFormat(Qt::RichText);
    auto *panelLayout = new QVBoxLayout(editorPanel);
    panelLayout->setContentsMargins(6, 6, 6, 6);
    panelLayout->addWidget(m_caption);
    panelLayout->addWidget(m_editor, 1);

    setCentralWidget(editorPanel);
    auto *dock = new QDockWidget(tr("Scene"));
    dock->setObjectName(QStringLiteral("SceneDock"));
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    dock->setWidget(m_sceneViews);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    resizeDocks({dock}, {470}, Qt::Horizontal);

    createActions();
    statusBar()->showMessage(tr("Ctrl+click or Shift+click selects several objects; their mixed values are tinted."));

    connect(m_sceneViews, &zkDemoSceneViews::objectSelectionChanged, this, &zkDemoWindow::showObjects);
    showObjects({});
}

void zkDemoWindow::createActions()
{
    QAction *undo = m_undoActions->getUndoAction();
    QAction *redo = m_undoActions->getRedoAction();
    undo->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    redo->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(undo);
    edit->addAction(redo);

    QToolBar *toolBar = addToolBar(tr("Edit"));
    toolBar->setObjectName(QStringLiteral("EditToolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->addAction(undo);
    toolBar->addAction(redo);
}

void zkDemoWindow::showObjects(const QList<zkdObject> &objects)
{
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdObject &object : objects)
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(object));
    m_editor->setCurrentObjects(wrappers);

    if (objects.isEmpty()) {
        m_caption->setText(tr("Select objects in the scene views to edit their properties."));
    } else if (objects.size() == 1) {
        const zkdObject &object = objects.first();
        m_caption->setText(QStringLiteral("<b>%1</b>&nbsp;&nbsp;<span style=\"color:#6b7280\">%2</span>")
                               .arg(object.property("name").toString().toHtmlEscaped(), object.getTypeName()));
    } else {
        m_caption->setText(tr("<b>%n objects</b>&nbsp;&nbsp;<span style=\"color:#6b7280\">shared properties; "
                              "mixed values are tinted</span>",
                              nullptr, objects.size()));
    }
}

zkPropertyEditorWidget *zkDemoWindow::getEditor() const
{
    return m_editor->getCurrentEditor();
}

QStringList zkDemoWindow::getRowLines() const
{
    // The editor's own rows, grouped or not, without those of nested editors.
    QStringList lines;
    for (const QString &line : zkDemoDumps::dumpLayout(getEditor())) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() > 2 && fields.at(0) == QLatin1String("row") && !fields.at(1).contains(QLatin1Char('/')))
            lines.append(fields.at(1) + QLatin1Char('\t') + fields.at(2));
    }
    return lines;
}
