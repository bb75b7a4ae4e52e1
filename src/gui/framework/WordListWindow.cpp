#include "WordListWindow.h"

#include "WordGridDelegate.h"
#include "WordListModel.h"
#include "WordSelectionModel.h"
#include "gui/controls/Colours.h"

#include "core/app/Prompt.h"
#include "core/db/DbError.h"
#include "core/framework/ColumnLayout.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QString buttonCaption(const QString &caption, TWordListWindow::ButtonCaptions captions)
{
    if (captions == TWordListWindow::ButtonCaptions::Spaced)
        return caption.left(1) + u"  "_s + caption.mid(1);
    return caption;
}

} // namespace

TWordListWindow::TWordListWindow(WindowContext &context, const QList<WordList::Table> &tables,
                                 const QString &buttonPrefix, ButtonCaptions captions, QWidget *parent)
    : TFrmBaseD(context, parent)
    , PanelLeft(new QWidget(this))
    , PanelTitle(new QLabel(this))
    , PanelButtons(new QWidget(this))
    , DBGrid1(new QTableView(this))
    , BtExit(new QPushButton(buttonCaption(u"退出"_s, captions), PanelLeft))
    , BtAdd(new QPushButton(u"新增(F2)"_s, PanelButtons))
    , BtSave(new QPushButton(u"保存(F3)"_s, PanelButtons))
    , BtDelete(new QPushButton(u"删除(F4)"_s, PanelButtons))
    , PopupMenu1(new QMenu(this))
    , m_tables(tables)
    , m_words(context.db, context.prompt)
    , m_model(new WordListModel(m_words, this))
    , m_delegate(new WordGridDelegate(this))
    , m_tableButtons(new QButtonGroup(this))
{
    resize(560, 460);
    PanelLeft->setObjectName(u"PanelLeft"_s);
    PanelTitle->setObjectName(u"PanelTitle"_s);
    PanelButtons->setObjectName(u"PanelButtons"_s);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    BtExit->setObjectName(buttonPrefix + u"Exit"_s);
    BtAdd->setObjectName(u"BtAdd"_s);
    BtSave->setObjectName(u"BtSave"_s);
    BtDelete->setObjectName(u"BtDelete"_s);

    PanelTitle->setFixedHeight(34);
    PanelTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont = PanelTitle->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(16);
    PanelTitle->setFont(titleFont);
    QPalette titlePalette = PanelTitle->palette();
    titlePalette.setColor(QPalette::WindowText, Colours::TitleNavy);
    PanelTitle->setPalette(titlePalette);

    DBGrid1->setModel(m_model);
    DBGrid1->setSelectionModel(new WordSelectionModel(m_words, m_model));
    DBGrid1->setItemDelegate(m_delegate);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    DBGrid1->setAlternatingRowColors(true);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    DBGrid1->verticalHeader()->setDefaultSectionSize(22);
    DBGrid1->verticalHeader()->setFixedWidth(14);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->horizontalHeader()->setStyleSheet(
        u"QHeaderView::section { background-color: %1; padding: 2px; border: 1px solid #b0a080; }"_s.arg(
            Colours::ToolBar.name()));
    DBGrid1->installEventFilter(this);

    auto *left = new QVBoxLayout(PanelLeft);
    left->setContentsMargins(6, 8, 6, 8);
    left->setSpacing(4);
    for (int i = 0; i < m_tables.size(); ++i) {
        auto *button = new QPushButton(buttonCaption(m_tables.at(i).caption, captions), PanelLeft);
        button->setObjectName(buttonPrefix + m_tables.at(i).name);
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setMinimumHeight(30);
        m_tableButtons->addButton(button, i);
        left->addWidget(button);
    }
    left->addStretch(1);
    left->addWidget(BtExit);
    PanelLeft->setFixedWidth(96);

    auto *buttons = new QHBoxLayout(PanelButtons);
    buttons->setContentsMargins(8, 4, 8, 4);
    for (QPushButton *b : {BtAdd, BtSave, BtDelete}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    BtExit->setAutoDefault(false);

    auto *right = new QVBoxLayout;
    right->setSpacing(0);
    right->addWidget(PanelTitle);
    right->addWidget(PanelButtons);
    right->addWidget(DBGrid1, 1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PanelLeft);
    layout->addLayout(right, 1);

    PopupMenu1->addAction(u"增加记录"_s, this, &TWordListWindow::AddRow);
    PopupMenu1->addAction(u"删除记录"_s, this, &TWordListWindow::DeleteRowAsking);

    // The keys act while the focus is anywhere in this window, the grid's editor included.
    const auto key = [this](Qt::Key k, void (TWordListWindow::*slot)()) {
        auto *shortcut = new QShortcut(QKeySequence(k), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    key(Qt::Key_F2, &TWordListWindow::AddRow);
    key(Qt::Key_F3, &TWordListWindow::SaveRow);
    key(Qt::Key_F4, &TWordListWindow::DeleteRow);

    connect(m_tableButtons, &QButtonGroup::idClicked, this, &TWordListWindow::OpenTable);
    connect(BtExit, &QPushButton::clicked, this, &TWordListWindow::close);
    connect(BtAdd, &QPushButton::clicked, this, &TWordListWindow::AddRow);
    connect(BtSave, &QPushButton::clicked, this, &TWordListWindow::SaveRow);
    connect(BtDelete, &QPushButton::clicked, this, &TWordListWindow::DeleteRow);
    connect(m_delegate, &WordGridDelegate::enterPressed, this, &TWordListWindow::GridEnter);
    connect(DBGrid1, &QTableView::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(DBGrid1->viewport()->mapToGlobal(at)); });
}

TWordListWindow::~TWordListWindow()
{
    // The grid lets go of the model before the word list it shows goes.
    DBGrid1->setModel(nullptr);
}

void TWordListWindow::InitForm()
{
    TFrmBaseD::InitForm();
    paint(PanelLeft, Colours::ListPanel);
    paint(PanelTitle, Colours::ListPanel);
    paint(PanelButtons, Colours::ListPanel);
    OpenTable(0);
}

void TWordListWindow::OpenTable(int index)
{
    if (index < 0 || index >= m_tables.size())
        return;
    m_delegate->finishEditing();
    try {
        if (!m_words.open(m_tables.at(index).name)) {
            // The word being edited could not be posted: stay with its table.
            if (m_table >= 0)
                m_tableButtons->button(m_table)->setChecked(true);
            ShowCurrent(CurrentColumn());
            return;
        }
        QList<GridColumn> columns;
        for (const LayoutColumn &c : ColumnLayout(db()).visibleColumns(m_tables.at(index).name))
            columns.append({c.field, c.title, c.width, ValueKind::Text, false});
        m_model->setColumns(columns);
        for (int i = 0; i < columns.size(); ++i)
            DBGrid1->setColumnWidth(i, columns.at(i).width);
    } catch (const DbError &e) {
        prompt().error(e.message());
        return;
    }
    m_table = index;
    m_tableButtons->button(index)->setChecked(true);
    PanelTitle->setText(m_tables.at(index).caption);
    ShowCurrent(0);
    DBGrid1->setFocus();
}

int TWordListWindow::CurrentColumn() const
{
    return qMax(0, DBGrid1->currentIndex().column());
}

void TWordListWindow::ShowCurrent(int column)
{
    const int row = m_words.current();
    if (row < 0 || m_model->columnCount() == 0)
        return;
    DBGrid1->setCurrentIndex(m_model->index(row, qBound(0, column, m_model->columnCount() - 1)));
}

void TWordListWindow::AddRow()
{
    m_delegate->finishEditing();
    if (!m_words.append())
        return;
    ShowCurrent(0);
    DBGrid1->setFocus();
    DBGrid1->edit(DBGrid1->currentIndex());
}

void TWordListWindow::SaveRow()
{
    m_delegate->finishEditing();
    m_words.post();
    ShowCurrent(CurrentColumn());
}

void TWordListWindow::DeleteRow()
{
    m_delegate->finishEditing();
    m_words.remove();
    ShowCurrent(CurrentColumn());
}

void TWordListWindow::DeleteRowAsking()
{
    m_delegate->finishEditing();
    m_words.removeAsking();
    ShowCurrent(CurrentColumn());
}

void TWordListWindow::GridEnter()
{
    ShowCurrent(m_words.enter(m_model->fields(), CurrentColumn()));
}

bool TWordListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            GridEnter();
            return true;
        case Qt::Key_Delete:
            DeleteRowAsking();
            return true;
        case Qt::Key_Escape:
            // As a data grid does: Esc first gives up the row being edited.
            if (m_words.state() != WordList::State::Browse) {
                m_words.cancel();
                ShowCurrent(CurrentColumn());
            } else {
                close();
            }
            return true;
        default:
            break;
        }
    }
    return TFrmBaseD::eventFilter(watched, event);
}

void TWordListWindow::closeEvent(QCloseEvent *event)
{
    // What was not posted goes with the window.
    m_delegate->finishEditing();
    m_words.cancel();
    TFrmBaseD::closeEvent(event);
}

} // namespace tarvo::gui
