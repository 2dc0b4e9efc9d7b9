#pragma once

#include <QByteArray>
#include <QStringList>

class zkPropertyEditorWidget;

// The demo's plain-text views of the editor, one tab-separated line per entry, for golden files
// that prove the type descriptions.
namespace zkDemoDumps {

// The registrations that each named description (all, in class-name order, for an empty list)
// made in the global factory: a "description" line, then its "row" and "group" lines in
// registration order. unknown receives the names no description carries.
QStringList describe(const QList<QByteArray> &descriptions, QList<QByteArray> *unknown);

// The editor as built, in display order: its tabs, groups and rows, the rows of nested editors
// prefixed with their parent's property path.
QStringList dumpLayout(const zkPropertyEditorWidget *editor);

} // namespace zkDemoDumps
