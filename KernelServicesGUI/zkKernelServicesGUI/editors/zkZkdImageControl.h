#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QCheckBox;
class QLineEdit;
class QPushButton;
class zkdImage;

// The row of a property that holds an image: its file path with buttons to load, save, reload
// and delete it, and optionally a premultiplied-alpha switch and a "Use Texture" switch that
// takes the label's place. A loaded image reaches every edited object in one undo step; a file
// that cannot be loaded is reported and changes nothing.
class zkZkdImageControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkZkdImageControlOptions;

    zkZkdImageControl(zkPropertyEditorWidget *editor, const QByteArray &propertyName, Options *options);
    ~zkZkdImageControl() override;

    void updateControl() override;

    QLineEdit *getLineEdit() const { return m_lineEdit; }
    QPushButton *getLoadButton() const { return m_loadButton; }
    QPushButton *getSaveButton() const { return m_saveButton; }
    QPushButton *getReloadButton() const { return m_reloadButton; }
    QPushButton *getDeleteButton() const { return m_deleteButton; }
    // Null when the options do not ask for them.
    QCheckBox *getPremultipliedCheckBox() const { return m_premultipliedCheckBox; }
    QCheckBox *getUseTextureCheckBox() const { return m_useCheckBox; }
    QWidget *getContainer() const { return m_container; }

public slots:
    void onLoadClicked();

protected:
    QList<QWidget *> getFocusWidgets() const override;

private:
    void loadImage(const QString &path);
    void saveImage();
    void reloadImage();
    void deleteImage();
    void setPremultiplied(int state);
    zkdImage getImage() const;
    // The existing directory of the shown path, or an empty string.
    QString getDefaultDirectory() const;
    void showFailure(const QString &title, const QString &reason);
    QPushButton *createButton(const QString &icon, const QString &toolTip);

    QLineEdit *m_lineEdit;
    QPushButton *m_deleteButton;
    QPushButton *m_loadButton;
    QPushButton *m_saveButton;
    QPushButton *m_reloadButton;
    QCheckBox *m_premultipliedCheckBox = nullptr;
    QCheckBox *m_useCheckBox = nullptr;
    QWidget *m_container;
    QByteArray m_useProperty;
};
