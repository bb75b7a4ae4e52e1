#pragma once

#include "core/framework/GridData.h"
#include "gui/framework/BaseD.h"

#include <QStringList>
#include <optional>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tarvo::report {
class CardReport;
}

namespace tarvo::gui {

// 打印借书证: prints, previews or designs the fronts or the backs of the cards of the
// readers the reader list shows, and keeps the rules printed on the backs.
class TFrmPrintReaderCard : public TFrmBaseD
{
    Q_OBJECT
public:
    // rows: the reader list's rows as listed and sorted there, read while printing;
    // fields: the names of their columns.
    TFrmPrintReaderCard(WindowContext &context, const GridRows *rows, const QStringList &fields,
                        QWidget *parent = nullptr);

    // The template chosen: "ReaderCard.rmf" (front) or "ReaderCardB.rmf" (back).
    QString ReportFile;

    const GridRows *rows() const { return m_rows; }
    const QStringList &fields() const { return m_fields; }

protected:
    void InitForm() override;
    // Esc leaves through 退出, which keeps the rules; the close box does not.
    void keyPressEvent(QKeyEvent *event) override;

    QPushButton *SbtPrint;
    QPushButton *SbtPreview;
    QPushButton *SbtDesign;
    QRadioButton *Rb1;
    QRadioButton *Rb2;
    QPlainTextEdit *Memo1;
    QPushButton *BtExit;

private:
    void Rb1Click();
    void SbtPrintClick();
    void SbtPreviewClick();
    void SbtDesignClick();
    void BtExitClick();
    QString TemplatePath() const;
    // The cards of the chosen side; nothing when the template cannot be read (said)
    // or there is no reader to print.
    std::optional<report::CardReport> Prepare();
    QHash<QString, QString> NamedValues() const;

    const GridRows *m_rows;
    QStringList m_fields;
};

} // namespace tarvo::gui
