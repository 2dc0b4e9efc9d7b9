#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QZKWhiteBalance;

// An integer colour temperature edited with the product's white-balance widget.
class zkWhiteBalanceControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkWhiteBalanceControlOptions;

    zkWhiteBalanceControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;

    QZKWhiteBalance *getWhiteBalance() const { return m_whiteBalance; }

protected:
    // Each applies its part of a record again, for callers that change it after construction;
    // empty texts leave the widget's own ones.
    void setRange(Options *options);
    void setSteps(Options *options);
    void setSuffix(Options *options);
    void setInfo(Options *options);

private:
    QZKWhiteBalance *m_whiteBalance;
};
