#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace tarvo::gui {

// A small window without caption or buttons: one bold line and a progress bar,
// up while a long piece of work runs.
class TFrmShowProcMess : public QWidget
{
    Q_OBJECT
public:
    explicit TFrmShowProcMess(const QString &text, QWidget *parent = nullptr);

    void setProgress(int percent);

private:
    QLabel *LabMess;
    QProgressBar *ProgressBar1;
};

} // namespace tarvo::gui
