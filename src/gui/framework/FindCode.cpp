#include "FindCode.h"

#include "gui/controls/Colours.h"
#include "gui/controls/DataGrid.h"

#include "core/app/Prompt.h"
#include "core/db/DbError.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmFindCode::TFrmFindCode(WindowContext &context, LookupDefinition definition, QWidget *parent)
    : TFrmBaseD(context, parent)
    , Panel2(new QWidget(this))
    , TbCaption(new QToolButton(Panel2))
    , PopupMenu1(new QMenu(this))
    , Edit1(new QLineEdit(Panel2))
    , DBGrid1(new DataGrid(this))
    , BtConfirm(new QPushButton(u"确定(&C)"_s, this))
    , BtCancel(new QPushButton(u"退出(&E)"_s, this))
    , BtAdd(new QPushButton(u"增加(&A)"_s, this))
    , m_lookup(context.db, std::move(definition))
{
    setObjectName(u"FrmFindCode"_s);
    resize(380, 295);
    Panel2->setObjectName(u"Panel2"_s);
    TbCaption->setObjectName(u"TbCaption"_s);
    TbCaption->setPopupMode(QToolButton::MenuButtonPopup);
    TbCaption->setMenu(PopupMenu1);
    TbCaption->setToolTip(u"查找方式切换,快捷键F6"_s);
    Edit1->setObjectName(u"Edit1"_s);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    BtConfirm->setObjectName(u"BtConfirm"_s);
    BtCancel->setObjectName(u"BtCancel"_s);
    BtAdd->setObjectName(u"BtAdd"_s);
    for (QPushButton *b : {BtConfirm, BtCancel, BtAdd})
        b->setAutoDefault(false);

    const LookupDefinition &d = m_lookup.definition();
    setWindowTitle(d.caption);
    for (int mode = 0; mode < d.modes.size(); ++mode)
        PopupMenu1->addAction(d.modes.at(mode).caption, this, [this, mode] { ChooseMode(mode); });
    // The first mode is the one in use at the start: "按编码查找" where there is one.
    if (!d.modes.isEmpty())
        TbCaption->setText(d.modes.first().caption);
    Panel2->setVisible(!d.modes.isEmpty());
    BtAdd->setVisible(d.canAdd);
    DBGrid1->setColumns(d.columns);

    auto *top = new QHBoxLayout(Panel2);
    top->setContentsMargins(4, 4, 4, 4);
    top->addWidget(TbCaption);
    top->addWidget(Edit1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BtAdd);
    buttons->addStretch();
    buttons->addWidget(BtConfirm);
    buttons->addWidget(BtCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Panel2);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);

    paint(this, Colours::QueryPanel);
    paint(Panel2, Colours::QueryPanel);
    DBGrid1->setHeaderColour(Colours::QueryToolBar);

    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &TFrmFindCode::Narrow);
    connect(BtConfirm, &QPushButton::clicked, this, &TFrmFindCode::Choose);
    connect(BtCancel, &QPushButton::clicked, this, &TFrmFindCode::reject);
    connect(BtAdd, &QPushButton::clicked, this, [this] {
        emit addRequested();
        Narrow();
    });
    connect(DBGrid1, &DataGrid::rowActivated, this, &TFrmFindCode::Choose);
    connect(DBGrid1, &DataGrid::enterPressed, this, &TFrmFindCode::Choose);
    connect(DBGrid1, &DataGrid::escapePressed, this, &TFrmFindCode::reject);
}

TFrmFindCode::~TFrmFindCode()
{
    DBGrid1->setRows(nullptr, {});
}

void TFrmFindCode::InitForm()
{
    TFrmBaseD::InitForm();
    SearchMode = 0;
    try {
        Show(m_lookup.open());
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
    if (m_lookup.definition().presetSearch) {
        Edit1->setText(ResultCode);
        Edit1->setFocus();
    } else if (!m_lookup.definition().modes.isEmpty()) {
        Edit1->setFocus();
    } else {
        DBGrid1->view()->setFocus();
    }
}

void TFrmFindCode::Show(ResultSet rows)
{
    auto held = std::make_unique<ResultSetRows>(std::move(rows));
    DBGrid1->setRows(held.get(), held->result().fieldNames());
    m_rows = std::move(held);
}

void TFrmFindCode::Narrow()
{
    try {
        Show(m_lookup.narrow(SearchMode, Edit1->text()));
    } catch (const DbError &e) {
        DBGrid1->setRows(nullptr, {});
        m_rows.reset();
        prompt().error(e.message());
    }
}

void TFrmFindCode::ChooseMode(int mode)
{
    const QList<LookupMode> &modes = m_lookup.definition().modes;
    if (mode < 0 || mode >= modes.size())
        return;
    SearchMode = mode;
    TbCaption->setText(modes.at(mode).caption);
    if (m_rows) {
        m_rows->result().sort(modes.at(mode).sortField);
        DBGrid1->rowsChanged();
        DBGrid1->setCurrentRow(0);
    }
}

void TFrmFindCode::Choose()
{
    const int row = DBGrid1->currentRow();
    if (m_rows && m_rows->count() > 0) {
        const ResultSet &rs = m_rows->result();
        const qsizetype current = row < 0 ? 0 : row;
        const int code = rs.fieldIndex(u"Code");
        ResultCode = code < 0 ? QString() : GridModel::displayText(rs.at(current, code));
        const int name = rs.fieldIndex(u"Name");
        ResultName = m_lookup.definition().columns.size() > 1 && name >= 0
            ? GridModel::displayText(rs.at(current, name))
            : QString();
    }
    accept();
}

void TFrmFindCode::done(int result)
{
    if (result == QDialog::Rejected) {
        ResultCode.clear();
        ResultName.clear();
    }
    TFrmBaseD::done(result);
}

bool TFrmFindCode::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) {
            DBGrid1->view()->setFocus();
            DBGrid1->setCurrentRow(qMax(0, DBGrid1->currentRow()));
            return true;
        }
        if (key == Qt::Key_F6) {
            ChooseMode(SearchMode);
            return true;
        }
    }
    return TFrmBaseD::eventFilter(watched, event);
}

} // namespace tarvo::gui
