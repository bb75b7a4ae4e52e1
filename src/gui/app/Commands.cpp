#include "Commands.h"

#include "ChangePassword.h"
#include "ClearData.h"
#include "Main.h"
#include "MaintenanceCommands.h"
#include "Parameter.h"
#include "RightSet.h"
#include "ShortCut.h"
#include "gui/catalogue/BookData.h"
#include "gui/catalogue/BookPreData.h"
#include "gui/catalogue/BookPubData.h"
#include "gui/catalogue/FirstData.h"
#include "gui/catalogue/SortSet.h"
#include "gui/circulation/BookDest.h"
#include "gui/circulation/BookExceedList.h"
#include "gui/circulation/BorrowBill.h"
#include "gui/circulation/MagzDest.h"
#include "gui/circulation/MagzExceedList.h"
#include "gui/circulation/ReaderFine.h"
#include "gui/circulation/ReaderFine1.h"
#include "gui/framework/HelpViewer.h"
#include "gui/readers/ReaderData.h"
#include "gui/readers/ReaderFirstData.h"
#include "gui/readers/ReaderTypeData.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

// An MDI list window of the class, one at a time.
template <class T> void openChild(TFrmMain &main)
{
    main.OpenChild<T>();
}

// A modal dialog of the class, made for one use.
template <class T> void showModal(TFrmMain &main)
{
    T dialog(main.context(), &main);
    dialog.exec();
}

// Moves an overdue list's frame half its width to one side of the centre.
void placeOverdueList(QWidget *list, int side)
{
    if (QWidget *frame = list->parentWidget())
        frame->move(qMax(0, frame->x() + side * (frame->width() / 2 + 2)), frame->y());
}

const QString kBasic = u"【基本资料】"_s;
const QString kDesk = u"【借还管理】"_s;
const QString kBookReports = u"【图书报表】"_s;
const QString kMagzReports = u"【期刊报表】"_s;
const QString kSystem = u"【系统 管理】"_s;
const QString kHelp = u"【系统帮助】"_s;
const QString kRanking = u"借阅排名"_s;
const QString kDaily = u"每日盘点"_s;

} // namespace

QList<Command> mainCommands()
{
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    // clang-format off
    return {
        {u"NSortSet"_s,          kBasic, {}, u"图书分类"_s,     1,  {}, showModal<TFrmSortSet>},
        {u"NFirstData"_s,        kBasic, {}, u"图书词库"_s,     2,  {}, openChild<TFrmFirstData>},
        {u"NBookPubData"_s,      kBasic, {}, u"出版社设置"_s,   -1, {}, openChild<TFrmBookPubData>},
        {u"NBookPreData"_s,      kBasic, {}, u"图书预编"_s,     34, {}, openChild<TFrmBookPreData>, true},
        {u"NBookData"_s,         kBasic, {}, u"图书编目"_s,     0,  ctrl(Qt::Key_F2), openChild<TFrmBookData>},
        {u"NBookShortData"_s,    kBasic, {}, u"图书征订"_s,     7,  {}, {}},
        {u"NBookRejectData"_s,   kBasic, {}, u"图书报废"_s,     6,  {}, {}},
        {u"NMagzData"_s,         kBasic, {}, u"期刊编目"_s,     23, ctrl(Qt::Key_F3), {}, true},
        {u"NMagzOrderData"_s,    kBasic, {}, u"期刊征订"_s,     24, {}, {}},
        {u"NMagzRejectData"_s,   kBasic, {}, u"期刊报废"_s,     25, {}, {}},
        {u"NPrintBar"_s,         kBasic, {}, u"打印条码书标"_s, -1, {}, {}, true},
        {u"NReaderData"_s,       kBasic, {}, u"读者管理"_s,     3,  ctrl(Qt::Key_F4), openChild<TFrmReaderData>, true},
        {u"NReaderTypeData"_s,   kBasic, {}, u"读者类别"_s,     4,  {}, openChild<TFrmReaderTypeData>},
        {u"NReaderFirstData"_s,  kBasic, {}, u"读者词库"_s,     5,  {}, openChild<TFrmReaderFirstData>},
        {u"NExit"_s,             kBasic, {}, u"退出"_s,         -1, {}, [](TFrmMain &m) { m.close(); }, true},

        {u"NBorrowBill"_s,       kDesk, {}, u"借还图书"_s,      9,  ctrl(Qt::Key_F5), openChild<TFrmBorrowBill>},
        {u"NReaderFine"_s,       kDesk, {}, u"图书罚款"_s,      10, {}, showModal<TFrmReaderFine>},
        {u"NBorrowBill1"_s,      kDesk, {}, u"借还期刊"_s,      26, ctrl(Qt::Key_F6), {}, true},
        {u"NReaderFine1"_s,      kDesk, {}, u"期刊罚款"_s,      27, {}, showModal<TFrmReaderFine1>},

        {u"NQryBorrow"_s,        kBookReports, {}, u"借阅查询"_s,         12, ctrl(Qt::Key_F7), {}},
        {u"NQryLent"_s,          kBookReports, {}, u"还书及罚款查询"_s,   13, {}, {}},
        {u"NQryBorrowList"_s,    kBookReports, {}, u"逾期列表"_s,         14, {}, {}},
        {u"NQryBorrowOrder"_s,   kBookReports, kRanking, u"借阅读者排行榜"_s, 15, {}, {}, true},
        {u"NQryBorrowOrder1"_s,  kBookReports, kRanking, u"借阅图书排行榜"_s, 15, {}, {}},
        {u"NQryBookDataS"_s,     kBookReports, {}, u"图书分类统计"_s,     -1, {}, {}},
        {u"NQryBorrowS"_s,       kBookReports, {}, u"图书借还分类统计"_s, -1, {}, {}},
        {u"NQryOperator"_s,      kBookReports, {}, u"操作员查询"_s,       22, {}, {}, true},
        {u"NQryDayIn"_s,         kBookReports, kDaily, u"每日进书"_s,     16, {}, {}},
        {u"NQryDayBorrow"_s,     kBookReports, kDaily, u"每日借书"_s,     16, {}, {}},
        {u"NQryDayLent"_s,       kBookReports, kDaily, u"每日还书"_s,     16, {}, {}},
        {u"NQryDayReject"_s,     kBookReports, kDaily, u"每日报损"_s,     16, {}, {}},
        {u"NBookDest"_s,         kBookReports, {}, u"预约查询"_s,         -1, {}, showModal<TFrmBookDest>},

        {u"NQryBorrow1"_s,       kMagzReports, {}, u"借阅查询"_s,         28, {}, {}},
        {u"NQryLent1"_s,         kMagzReports, {}, u"还书及罚款查询"_s,   29, {}, {}},
        {u"NQryBorrowList1"_s,   kMagzReports, {}, u"逾期列表"_s,         30, {}, {}},
        {u"NQryBorrowOrderq"_s,  kMagzReports, kRanking, u"借阅读者排行榜"_s, 31, {}, {}, true},
        {u"NQryBorrowOrderq1"_s, kMagzReports, kRanking, u"借阅图书排行榜"_s, 31, {}, {}},
        {u"NQryMagzDataS"_s,     kMagzReports, {}, u"期刊分类统计"_s,     -1, {}, {}},
        {u"NQryBorrowqS"_s,      kMagzReports, {}, u"期刊借还分类统计"_s, -1, {}, {}},
        {u"NQryOperator1"_s,     kMagzReports, {}, u"操作员查询"_s,       33, {}, {}, true},
        {u"NQryDayIn1"_s,        kMagzReports, kDaily, u"每日进书"_s,     32, {}, {}},
        {u"NQryDayBorrow1"_s,    kMagzReports, kDaily, u"每日借书"_s,     32, {}, {}},
        {u"NQryDayLent1"_s,      kMagzReports, kDaily, u"每日还书"_s,     32, {}, {}},
        {u"NQryDayReject1"_s,    kMagzReports, kDaily, u"每日报损"_s,     32, {}, {}},
        {u"NMagzDest"_s,         kMagzReports, {}, u"预约查询"_s,         -1, {}, showModal<TFrmMagzDest>},

        {u"NChangeUser"_s,       kSystem, {}, u"更换操作员"_s,   -1, {}, [](TFrmMain &m) { m.ChangeOperator(); }},
        {u"NChangePassword"_s,   kSystem, {}, u"更换口令"_s,     -1, {}, showModal<TFrmChangePassword>},
        {u"NRightSet"_s,         kSystem, {}, u"操作员及权限"_s, 17, {}, showModal<TFrmRightSet>, true},
        {u"NParameter"_s,        kSystem, {}, u"系统设置"_s,     18, {}, showModal<TFrmParameter>},
        {u"NRepair"_s,           kSystem, {}, u"数据修复"_s,     -1, {}, RunRepair, true},
        {u"NBackup"_s,           kSystem, {}, u"数据备份"_s,     19, {}, RunBackup},
        {u"NRestore"_s,          kSystem, {}, u"数据恢复"_s,     20, {}, RunRestore},
        {u"NClearData"_s,        kSystem, {}, u"数据清理"_s,     21, {}, showModal<TFrmClearData>},

        {u"NHelp"_s,             kHelp, {}, u"帮助主题"_s, -1, QKeySequence(Qt::Key_F1),
         [](TFrmMain &m) { ShowHelp(&m, QString()); }},
        {u"NShortCut"_s,         kHelp, {}, u"快捷菜单"_s, -1, {}, showModal<TFrmShortCut>},
    };
    // clang-format on
}

QList<CommandRun> overdueLists()
{
    // Side by side: books on the left, magazines on the right of the centre.
    return {[](TFrmMain &main) { placeOverdueList(main.OpenChild<TFrmBookExceedList>(), -1); },
            [](TFrmMain &main) { placeOverdueList(main.OpenChild<TFrmMagzExceedList>(), 1); }};
}

} // namespace tarvo::gui
