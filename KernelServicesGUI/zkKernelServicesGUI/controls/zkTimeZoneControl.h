#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QCheckBox;
class QLabel;

// Shows a UTC offset in hours (float) and edits the daylight-saving flag, the first extra
// property. The offset itself is not edited here.
class zkTimeZoneControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkTimeZoneControlOptions;

    zkTimeZoneControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;

    QLabel *getOffsetLabel() const { return m_offsetLabel; }
    QCheckBox *getDaylightSavingCheckBox() const { return m_daylightSaving; }

private:
    QLabel *m_offsetLabel;
    QCheckBox *m_daylightSaving;
    QByteArray m_daylightSavingProperty;
};
