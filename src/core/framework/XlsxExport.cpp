#include "XlsxExport.h"

#include "core/app/Helpers.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <xlsxwriter.h>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

// Excel refuses longer cell texts.
constexpr qsizetype maxCellText = 32767;
constexpr qsizetype progressStep = 4096;

struct Formats
{
    lxw_format *title = nullptr;
    lxw_format *text = nullptr;
    lxw_format *floating = nullptr;
    lxw_format *date = nullptr;
};

Formats makeFormats(lxw_workbook *workbook)
{
    Formats f;
    f.title = workbook_add_format(workbook);
    format_set_bold(f.title);
    format_set_align(f.title, LXW_ALIGN_CENTER);
    // Every data cell gets its column's format, even an empty one, so that what the
    // operator types into it later is read the same way.
    f.text = workbook_add_format(workbook);
    format_set_num_format(f.text, "@");
    f.floating = workbook_add_format(workbook);
    format_set_num_format(f.floating, "#,##0.00_ ");
    f.date = workbook_add_format(workbook);
    format_set_num_format(f.date, "yyyy-mm-dd");
    return f;
}

QByteArray cellText(const QString &text)
{
    qsizetype length = qMin(text.size(), maxCellText);
    if (length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length).toUtf8();
}

bool isBlank(const QVariant &value)
{
    return value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
}

QString plainText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return dateText(value.toDate());
    case QMetaType::QDateTime:
        return dateText(value.toDateTime().date());
    default:
        return value.toString();
    }
}

lxw_error writeText(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const QString &text, lxw_format *format)
{
    return worksheet_write_string(sheet, row, col, cellText(text).constData(), format);
}

QDate dateOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate();
    case QMetaType::QDateTime:
        return value.toDateTime().date();
    default:
        return dateFromText(value.toString());
    }
}

QString boolText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        if (text == u"是" || text == u"否")
            return text;
    }
    return value.toBool() ? u"是"_s : u"否"_s;
}

lxw_error writeCell(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, ValueKind kind, const QVariant &value,
                    const Formats &f)
{
    switch (kind) {
    case ValueKind::Text:
        if (isBlank(value))
            return worksheet_write_blank(sheet, row, col, f.text);
        return writeText(sheet, row, col, plainText(value), f.text);
    case ValueKind::Integer:
    case ValueKind::Float: {
        lxw_format *format = kind == ValueKind::Float ? f.floating : nullptr;
        if (isBlank(value))
            return worksheet_write_blank(sheet, row, col, format);
        bool ok = false;
        const double number = value.toDouble(&ok);
        // A value that is not a number is still shown, as the text it is.
        if (!ok)
            return writeText(sheet, row, col, plainText(value), format);
        return worksheet_write_number(sheet, row, col, number, format);
    }
    case ValueKind::Date: {
        if (isBlank(value))
            return worksheet_write_blank(sheet, row, col, f.date);
        const QDate date = dateOf(value);
        // Excel's calendar starts in 1900; anything it cannot hold stays readable as text.
        if (!date.isValid() || date.year() < 1900 || date.year() > 9999)
            return writeText(sheet, row, col, plainText(value), f.date);
        lxw_datetime excelDate{date.year(), date.month(), date.day(), 0, 0, 0.0};
        return worksheet_write_datetime(sheet, row, col, &excelDate, f.date);
    }
    case ValueKind::Bool:
        if (value.isNull())
            return worksheet_write_blank(sheet, row, col, nullptr);
        return writeText(sheet, row, col, boolText(value), nullptr);
    }
    return LXW_NO_ERROR;
}

QString cannotWrite(const QString &path)
{
    return u"无法写入Excel文件：%1\n请检查文件是否正被其他程序打开，以及该文件夹是否可以写入。"_s.arg(path);
}

} // namespace

bool XlsxExport::write(const QString &path, const GridData &grid, QString *error, const Progress &progress)
{
    auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };

    const qsizetype records = grid.rows ? grid.rows->count() : 0;
    if (records > maxRecords)
        return fail(u"共%1条记录，超过Excel一张工作表的上限（%2条），请缩小查询范围后再导出。"_s.arg(records).arg(maxRecords));
    if (grid.columns.size() > maxColumns)
        return fail(u"列数超过Excel一张工作表的上限（%1列）。"_s.arg(maxColumns));

    // The workbook only touches its file when it is closed; find out now, not after
    // a million rows, that the file cannot be written.
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly))
            return fail(cannotWrite(path));
    }

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const QByteArray fileName = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new_opt(fileName.constData(), &options);
    lxw_worksheet *sheet = workbook ? workbook_add_worksheet(workbook, nullptr) : nullptr;
    if (!sheet) {
        if (workbook)
            workbook_close(workbook);
        QFile::remove(path);
        return fail(cannotWrite(path));
    }
    const Formats formats = makeFormats(workbook);

    lxw_error status = worksheet_set_row(sheet, 0, 15, nullptr);
    for (int c = 0; c < grid.columns.size() && status == LXW_NO_ERROR; ++c) {
        const GridColumn &column = grid.columns.at(c);
        status = worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), qMax(0, column.width) / 6, nullptr);
        if (status == LXW_NO_ERROR)
            status = writeText(sheet, 0, lxw_col_t(c), column.title, formats.title);
    }

    bool cancelled = false;
    for (qsizetype r = 0; r < records && status == LXW_NO_ERROR; ++r) {
        const auto sheetRow = lxw_row_t(r + 1);
        for (int c = 0; c < grid.columns.size() && status == LXW_NO_ERROR; ++c)
            status = writeCell(sheet, sheetRow, lxw_col_t(c), grid.columns.at(c).kind, grid.rows->value(r, c), formats);
        if (progress && (r + 1) % progressStep == 0 && !progress(r + 1, records)) {
            cancelled = true;
            break;
        }
    }
    if (status == LXW_NO_ERROR && !cancelled && progress)
        progress(records, records);

    // Closing writes the file and frees the workbook, whatever happened before.
    const lxw_error closed = workbook_close(workbook);
    if (status != LXW_NO_ERROR || closed != LXW_NO_ERROR || cancelled) {
        QFile::remove(path);
        if (cancelled)
            return fail(u"导出已取消。"_s);
        if (status != LXW_NO_ERROR)
            return fail(u"导出Excel出错：%1"_s.arg(QString::fromUtf8(lxw_strerror(status))));
        return fail(cannotWrite(path));
    }
    return true;
}

} // namespace tarvo
