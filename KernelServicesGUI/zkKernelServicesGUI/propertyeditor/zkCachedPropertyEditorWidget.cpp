#include "zkCachedPropertyEditorWidget.h"

#include "zkPropertyEditorObjectWrapper.h"
#include "zkPropertyEditorQObjectWrapper.h"
#include "zkPropertyEditorWidget.h"

#include <cstdio>

zkCachedPropertyEditorWidget::zkCachedPropertyEditorWidget(QWidget *parent,
                                                           const QList<zkPropertyEditorFactory *> &factories)
    : QStackedWidget(parent)
    , m_factories(factories)
    , m_defaultEditor(createEditor(false))
{
    addWidget(m_defaultEditor);
}

zkCachedPropertyEditorWidget::~zkCachedPropertyEditorWidget()
{
    // The default editor owns the shared factories. The cached editors let go of them and are
    // destroyed first, so that nothing they run on the way out meets a deleted factory.
    for (zkPropertyEditorWidget *editor : qAsConst(m_editorsByType)) {
        editor->takeFactories();
        delete editor;
    }
}

void zkCachedPropertyEditorWidget::setCurrentObjects(const QList<zkPropertyEditorObjectWrapper *> &objects)
{
    if (!objects.isEmpty() && zkPropertyEditorWidget::hasSingleType(objects)) {
        const quint64 typeId = objects.first()->getTypeId();
        if (zkPropertyEditorWidget *editor = m_editorsByType.value(typeId)) {
            editor->setCurrentObjects(objects);
            watchObjects(objects);
            setCurrentWidget(editor);
        } else {
            setCurrentWidget(createCachedEditor(typeId, objects));
        }
    } else {
        setCurrentWidget(m_defaultEditor);
        m_defaultEditor->setCurrentObjects(objects);
        watchObjects(objects);
    }
    printCacheSize();
}

void zkCachedPropertyEditorWidget::addToCache(const QList<zkPropertyEditorObjectWrapper *> &objects)
{
    for (zkPropertyEditorObjectWrapper *object : objects) {
        const quint64 typeId = object->getTypeId();
        if (!m_editorsByType.contains(typeId))
            createCachedEditor(typeId, {object});
    }
}

zkPropertyEditorWidget *zkCachedPropertyEditorWidget::getCurrentEditor() const
{
    return static_cast<zkPropertyEditorWidget *>(currentWidget());
}

void zkCachedPropertyEditorWidget::watchedObjectDestroyed(QObject *object)
{
    for (int i = 0; i < count(); ++i) {
        auto *editor = static_cast<zkPropertyEditorWidget *>(widget(i));
        if (editor->getObjectWrapper(object))
            editor->clearCurrentObjects(false);
    }
}

zkPropertyEditorWidget *zkCachedPropertyEditorWidget::createEditor(bool hasCache)
{
    auto *editor = new zkPropertyEditorWidget(this, m_factories, true, hasCache);
    connect(editor, qOverload<const zkdObject &, const QByteArray &>(&zkPropertyEditorWidget::editorPropertyChanged),
            this, qOverload<const zkdObject &, const QByteArray &>(&zkCachedPropertyEditorWidget::editorPropertyChanged));
    connect(editor, qOverload<QObject *, const QByteArray &>(&zkPropertyEditorWidget::editorPropertyChanged), this,
            qOverload<QObject *, const QByteArray &>(&zkCachedPropertyEditorWidget::editorPropertyChanged));
    connect(editor, &zkPropertyEditorWidget::selectObjectRequested, this,
            &zkCachedPropertyEditorWidget::selectObjectRequested);
    return editor;
}

zkPropertyEditorWidget *zkCachedPropertyEditorWidget::createCachedEditor(
    quint64 typeId, const QList<zkPropertyEditorObjectWrapper *> &objects)
{
    zkPropertyEditorWidget *editor = createEditor(true);
    editor->setCurrentObjects(objects);
    watchObjects(objects);
    m_editorsByType.insert(typeId, editor);
    addWidget(editor);
    return editor;
}

void zkCachedPropertyEditorWidget::watchObjects(const QList<zkPropertyEditorObjectWrapper *> &objects)
{
    for (const zkPropertyEditorObjectWrapper *object : objects) {
        if (dynamic_cast<const zkPropertyEditorQObjectWrapper *>(object)) {
            connect(object->getObject<QObject *>(), &QObject::destroyed, this,
                    &zkCachedPropertyEditorWidget::watchedObjectDestroyed, Qt::UniqueConnection);
        }
    }
}

void zkCachedPropertyEditorWidget::printCacheSize() const
{
    std::printf("zkCachedPropertyEditorWidget: cache size %d\n", count());
}
