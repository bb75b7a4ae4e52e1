#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace tarvo::gui {

// The larger editor of a book's memo: 图书简介 for the contents, 图书摘要 for the
// summary. On 确定 the edited text is in Text().
class TFrmBookMemo : public QDialog
{
    Q_OBJECT
public:
    TFrmBookMemo(const QString &caption, const QString &text, QWidget *parent = nullptr);

    QString Text() const;

private:
    QPlainTextEdit *Memo1;
};

} // namespace tarvo::gui
