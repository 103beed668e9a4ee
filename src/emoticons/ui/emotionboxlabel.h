#pragma once

#include <QLabel>

class EmoticonEntry;
class EmoticonPicker;

// One cell of the emoticon picker: the emoticon's running small animation,
// and its description as tool tip in the interface language, refreshed when
// the language changes. A left click emits clicked().
class EmotionBoxLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY(EmotionBoxLabel)

public:
    // `entry` belongs to the picker's catalogue; `picker` supplies the
    // language and outlives the label. Only the entry's name is kept: the
    // description is looked up again when the language changes.
    EmotionBoxLabel(const EmoticonEntry *entry, const EmoticonPicker *picker, QWidget *frame);

    QString emoticonName() const { return m_name; }
    void refreshToolTip();

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    const QString m_name;
    const EmoticonPicker *const m_picker;
};
