#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class zkdLightProfile;

// The row of a light's IES profile: a switch to use it, the file's path with a browse button, a
// button that gives the light the profile's shape, and a summary of the photometric header.
// Switching, loading and shaping act on the profile of every edited light as one undo step; a
// file that cannot be loaded is reported and changes nothing.
class zkZkdLightProfileControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkZkdLightProfileControlOptions;

    zkZkdLightProfileControl(zkPropertyEditorWidget *editor, const QByteArray &propertyName, Options *options);
    ~zkZkdLightProfileControl() override;

    void updateControl() override;

    QCheckBox *getUseCheckBox() const { return m_useCheckBox; }
    QLabel *getPathLabel() const { return m_pathLabel; }
    QLineEdit *getLineEdit() const { return m_lineEdit; }
    QPushButton *getBrowseButton() const { return m_browseButton; }
    QPushButton *getShapeButton() const { return m_shapeButton; }
    QGroupBox *getInfoBox() const { return m_infoBox; }

    // The value labels of the summary, in reading order: lumens per lamp, number of lamps,
    // candela multiplier, units type, ballast factor, dimension, photometric type, vertical
    // angles, input watts, horizontal angles.
    enum Info {
        LumensPerLamp,
        NumberOfLamps,
        CandelaMultiplier,
        UnitsType,
        BallastFactor,
        Dimension,
        PhotometricType,
        VerticalAngles,
        InputWatts,
        HorizontalAngles,
        InfoCount
    };
    QLabel *getInfoLabel(Info info) const { return m_values[info]; }

public slots:
    void onUseProfileChanged();
    void onLoadClicked();
    void onSetShapeClicked();

protected:
    QList<QWidget *> getFocusWidgets() const override;

private:
    void createInfoBox();
    QString getDefaultDirectory() const;
    void loadProfile(const QString &path);
    zkdLightProfile getProfile() const;
    // The profiles of all edited lights, the shown one first; null ones left out.
    QList<zkdLightProfile> getProfiles() const;
    // Runs change on every profile as one undo step named text.
    void changeProfiles(const char *text, const std::function<void(const zkdLightProfile &)> &change);

    QWidget *m_spacer;
    QCheckBox *m_useCheckBox;
    QLabel *m_pathLabel;
    QLineEdit *m_lineEdit;
    QPushButton *m_browseButton;
    QPushButton *m_shapeButton;
    QGroupBox *m_infoBox;
    QLabel *m_values[InfoCount] = {};
};
