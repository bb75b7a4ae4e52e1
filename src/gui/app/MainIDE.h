#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

class QToolButton;

namespace tarvo::gui {

struct WindowContext;

// 导航: picture buttons for the most used commands, over a picture of the
// library's work. It stays for the whole run: its close box does nothing.
class TFrmMainIDE : public QWidget
{
    Q_OBJECT
public:
    explicit TFrmMainIDE(WindowContext &context, QWidget *parent = nullptr);

    // Enables each button as its command is enabled.
    void setEnabledCommands(const std::function<bool(const QString &command)> &enabled);
    // The buttons that run a command (the catalogue commands have two each).
    QList<QToolButton *> buttonsOf(const QString &command) const;

signals:
    void commandClicked(const QString &command);

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QToolButton *addButton(const QString &command, const QString &caption, const QString &icon, const QRect &place,
                           Qt::ToolButtonStyle style);

    QPixmap m_background;
    QMultiHash<QString, QToolButton *> m_buttons;
};

} // namespace tarvo::gui
