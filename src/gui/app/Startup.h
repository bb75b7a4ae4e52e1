#pragma once

#include <QWidget>

namespace tarvo::gui {

// The start-up picture: no border, centred, shown while the program starts.
class TFrmStartup : public QWidget
{
    Q_OBJECT
public:
    explicit TFrmStartup(QWidget *parent = nullptr);

    // Shows the picture, paints it at once and keeps it up for the given time.
    void showFor(int milliseconds);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

} // namespace tarvo::gui
