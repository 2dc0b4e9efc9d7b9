#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

// A directory: a title label, a line edit and a button that browses for an existing directory.
// changed() reports a directory the user chose or typed (on Return or focus loss).
class QZKDirControl : public QWidget
{
    Q_OBJECT
public:
    explicit QZKDirControl(const QString &dir, QWidget *parent = nullptr);

    void setDir(const QString &dir);
    QString dir() const;
    // The label text and the browse dialog's caption.
    void setTitle(const QString &title);
    QString title() const;
    void setLabelVisibility(bool visible);

signals:
    void changed(const QString &dir);

private:
    void browse();
    void commitTyped();

    QLabel *m_label;
    QLineEdit *m_edit;
    QToolButton *m_browseButton;
};
