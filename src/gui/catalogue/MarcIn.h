#pragma once

#include "core/catalogue/MarcDecoder.h"
#include "gui/framework/BaseD.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace tarvo::gui {

// 从Marc数据导入: adds the records of a MARC file to the pre-catalogue. The import runs
// on this thread in batches, between which the window is repainted and 取消 is heard.
class TFrmMarcIn : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmMarcIn(WindowContext &context, QWidget *parent = nullptr);

    // 取消, Esc or the close box: while an import runs, it stops it after the current batch.
    void reject() override;

private:
    void BtBrowseClick();
    void BtOkClick();
    void setRunning(bool running);
    MarcEncoding chosenEncoding() const;

    QLineEdit *EditFile;
    QToolButton *BtBrowse;
    QComboBox *CmbEncoding;
    QLabel *LabMess;
    QProgressBar *ProgressBar1;
    QPushButton *BtOk;
    QPushButton *BtCancel;
    bool m_running = false;
    bool m_cancelled = false;
};

} // namespace tarvo::gui
