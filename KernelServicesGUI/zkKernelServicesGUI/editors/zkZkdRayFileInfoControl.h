#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QGroupBox;
class QLabel;

// What the header of a ray light's loaded ray file says: luminous power, number of rays, global
// scaling factor and spectral information, read-only.
class zkZkdRayFileInfoControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkZkdRayFileInfoControlOptions;

    enum Info { LuminousPower, NumberOfRays, ScalingFactor, SpectralInformation, InfoCount };

    zkZkdRayFileInfoControl(zkPropertyEditorWidget *editor, const QByteArray &propertyName, Options *options);
    ~zkZkdRayFileInfoControl() override;

    void updateControl() override;

    QGroupBox *getInfoBox() const { return m_infoBox; }
    QLabel *getInfoLabel(Info info) const { return m_values[info]; }

protected:
    QList<QWidget *> getFocusWidgets() const override;

private:
    QGroupBox *m_infoBox;
    QLabel *m_values[InfoCount] = {};
};
