#pragma once

#include <QDialog>
#include <QScopedPointer>

namespace Ui {
class UpdateRoomDialog;
}

// The room settings a member may change: the room's display name. OK is
// offered only for a name that is not blank.
class UpdateRoomDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(UpdateRoomDialog)

public:
    // A name is a line of a window title.
    static constexpr int MaxNameChars = 128;

    explicit UpdateRoomDialog(const QString &displayName, QWidget *parent = nullptr);
    ~UpdateRoomDialog() override;

    // The name as typed, trimmed.
    QString displayName() const;

public Q_SLOTS:
    void onRoomNameChanged(const QString &text);

private:
    QScopedPointer<Ui::UpdateRoomDialog> m_ui;
};
