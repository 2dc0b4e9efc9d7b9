#pragma once

#include "zkBaseControl.h"

#include <QDate>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTime>
#include <QTimeEdit>

#include <type_traits>

// Edits a date or a time of day in an edit field, beside a button that writes the current
// date or time, even when the field already shows it.
template <typename TValue>
class zkDateTimeEditControl : public zkBaseControl
{
    static constexpr bool isDate = std::is_same_v<TValue, QDate>;
    static_assert(isDate || std::is_same_v<TValue, QTime>);

public:
    using Options = zkBaseControlOptions;
    using Edit = std::conditional_t<isDate, QDateEdit, QTimeEdit>;

    virtual void setValue(const TValue &value) { setPropertyValue(QVariant::fromValue(value), true); }

    void updateControl() override
    {
        zkBaseControl::updateControl();
        const QVariant value = getPropertyValue();
        const TValue shown = value.userType() == qMetaTypeId<TValue>() ? value.value<TValue>() : TValue();
        const QSignalBlocker blocker(m_edit);
        if constexpr (isDate)
            m_edit->setDate(shown);
        else
            m_edit->setTime(shown);
    }

    Edit *getEdit() const { return m_edit; }
    QPushButton *getCurrentButton() const { return m_currentButton; }

protected:
    zkDateTimeEditControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options,
                          const QString &displayFormat, const QString &currentText)
        : zkBaseControl(editorWidget, propertyName, options)
        , m_edit(new Edit(this))
        , m_currentButton(new QPushButton(currentText, this))
    {
        m_edit->setDisplayFormat(displayFormat);
        setEditor(m_edit);
        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_edit);
        layout->addWidget(m_currentButton);
        if constexpr (isDate) {
            connect(m_edit, &QDateTimeEdit::dateChanged, this, [this](const QDate &date) { setValue(date); });
            connect(m_currentButton, &QPushButton::clicked, this, [this] { setValue(QDate::currentDate()); });
        } else {
            connect(m_edit, &QDateTimeEdit::timeChanged, this, [this](const QTime &time) { setValue(time); });
            connect(m_currentButton, &QPushButton::clicked, this, [this] { setValue(QTime::currentTime()); });
        }
    }

private:
    Edit *m_edit;
    QPushButton *m_currentButton;
};
