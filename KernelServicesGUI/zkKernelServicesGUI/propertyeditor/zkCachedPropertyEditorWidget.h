#pragma once

#include <zkdObject.h>

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QStackedWidget>

class zkPropertyEditorFactory;
class zkPropertyEditorObjectWrapper;
class zkPropertyEditorWidget;

// Keeps one built property editor per object type and flips between them, so that selecting
// another object of a type seen before refreshes the rows of that type's editor instead of
// building them again. Empty and mixed-type selections go to a default editor on page 0, which
// is rebuilt every time. Editors are never evicted: the cache grows by one page per type.
//
// The factories are shared by all pages and owned as an editor widget owns them: the widget
// deletes every one of them except the global factory.
class zkCachedPropertyEditorWidget : public QStackedWidget
{
    Q_OBJECT
public:
    zkCachedPropertyEditorWidget(QWidget *parent, const QList<zkPropertyEditorFactory *> &factories);
    ~zkCachedPropertyEditorWidget() override;

    // The page editor that receives the wrappers takes ownership of them.
    void setCurrentObjects(const QList<zkPropertyEditorObjectWrapper *> &objects);
    // Builds the editors of types not cached yet, each on the first wrapper of its type, which
    // that editor takes; the other wrappers stay the caller's. The current page stays.
    void addToCache(const QList<zkPropertyEditorObjectWrapper *> &objects);

    zkPropertyEditorWidget *getCurrentEditor() const;
    // Null when the type has no editor yet.
    zkPropertyEditorWidget *getCachedEditor(quint64 typeId) const { return m_editorsByType.value(typeId); }

signals:
    void editorPropertyChanged(const zkdObject &object, const QByteArray &name);
    void editorPropertyChanged(QObject *object, const QByteArray &name);
    void selectObjectRequested(const zkdObject &object);

private slots:
    void watchedObjectDestroyed(QObject *object);

private:
    zkPropertyEditorWidget *createEditor(bool hasCache);
    zkPropertyEditorWidget *createCachedEditor(quint64 typeId, const QList<zkPropertyEditorObjectWrapper *> &objects);
    // A page keeps its objects after the selection moved to another page, where the caller can
    // no longer take them back; it must not keep the wrapper of a QObject that is gone.
    void watchObjects(const QList<zkPropertyEditorObjectWrapper *> &objects);
    void printCacheSize() const;

    QList<zkPropertyEditorFactory *> m_factories;
    zkPropertyEditorWidget *m_defaultEditor;
    QMap<quint64, zkPropertyEditorWidget *> m_editorsByType;
};
