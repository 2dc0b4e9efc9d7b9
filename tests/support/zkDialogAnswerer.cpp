#include "zkDialogAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

zkDialogAnswerer::zkDialogAnswerer(const QString &answer)
    : m_answer(answer)
{
    connect(&m_timer, &QTimer::timeout, this, &zkDialogAnswerer::answer);
    m_timer.start(0);
}

void zkDialogAnswerer::answer()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        directories.append(dialog->directory().absolutePath());
        if (m_answer.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(m_answer);
        // QFileDialog::accept() is protected; the slot is reached through the meta-object.
        QMetaObject::invokeMethod(dialog, "accept");
    } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        titles.append(box->windowTitle());
        messages.append(box->text());
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == m_answer) {
                button->click();
                return;
            }
        }
        box->done(QMessageBox::Ok);
    }
}
