#pragma once

#include <QZKSpiner.h>

// The spin box of one component of the integer vector spinners. It takes the same settings as
// QZKIntegerSlider: a step, a page step (Page Up and Page Down) and tracking, which reports
// values while they are typed.
class QZKIntVectorSpinBox : public QZKSpiner
{
    Q_OBJECT
public:
    explicit QZKIntVectorSpinBox(QWidget *parent = nullptr);

    void setStep(int step) { setSingleStep(step); }
    void setPageStep(int step) { m_pageStep = step; }
    int pageStep() const { return m_pageStep; }
    void setTracking(bool enable) { setKeyboardTracking(enable); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_pageStep = 10;
};
