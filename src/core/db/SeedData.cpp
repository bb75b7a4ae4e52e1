#include "SeedData.h"

#include "Database.h"
#include "DbError.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tarvo::SeedData {

namespace {

QString readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(u"cannot read "_s + path);
    return QString::fromUtf8(file.readAll());
}

// The lines that carry data: no blank lines, no # comments, no trailing CR.
QStringList dataLines(const QString &text)
{
    QStringList lines;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        lines << line;
    }
    return lines;
}

QVariant typedValue(const ColumnDef &column, const QString &text)
{
    switch (column.type) {
    case ColumnType::Bool:
        return text == u"1";
    case ColumnType::Int16:
    case ColumnType::Int32:
        return text.toInt();
    case ColumnType::Double:
    case ColumnType::Money:
        return text.toDouble();
    default:
        return text;
    }
}

QString placeholders(qsizetype n)
{
    QStringList marks(n, u"?"_s);
    return marks.join(u", "_s);
}

void loadOperator(Database &db)
{
    db.exec(u"insert into SystemUser (UseCode, UseName, Duty, Passwords) values (?, ?, ?, ?)"_s,
            {u"Admin"_s, u"系统管理员"_s, u"超级用户"_s, QVariant(QMetaType::fromType<QString>())});
    for (int module = 0; module < kModuleCount; ++module)
        db.exec(u"insert into UserModule (UseCode, ModuleId, IfCheck) values (?, ?, ?)"_s,
                {u"Admin"_s, module, true});
}

} // namespace

void loadClassification(Database &db, const QString &treeText)
{
    // Keys: top-level classes 0001, 0002, ... under the root "00"; a child's key is
    // its parent's key followed by its own four-digit number.
    QStringList parents;   // key of the last class seen at each depth
    QList<int> counters{0}; // children numbered so far under the current class of each depth
    for (const QString &line : dataLines(treeText)) {
        qsizetype depth = 0;
        while (depth < line.size() && line.at(depth) == u'\t')
            ++depth;
        const QStringList fields = line.mid(depth).split(u'\t');
        if (fields.size() != 2 || depth > parents.size())
            throw DbError(u"bad classification line: "_s + line);
        parents.resize(depth);
        counters.resize(depth + 1);
        const QString parentKey = depth == 0 ? u"00"_s : parents.last();
        const QString key = (depth == 0 ? QString() : parentKey)
            + QStringLiteral("%1").arg(++counters[depth], 4, 10, QLatin1Char('0'));
        db.exec(u"insert into Type (sKey, ParentKey, SortCode, SortName) values (?, ?, ?, ?)"_s,
                {key, parentKey, fields.at(0), fields.at(1)});
        parents << key;
        counters << 0;
    }
}

void loadTable(Database &db, const QString &table, const QString &tsvText)
{
    const TableDef *def = Schema::table(table);
    if (!def)
        throw DbError(u"no table "_s + table);
    const QStringList lines = dataLines(tsvText);
    if (lines.isEmpty())
        return;
    const QStringList header = lines.first().split(u'\t');
    QList<const ColumnDef *> columns;
    for (const QString &name : header) {
        const ColumnDef *column = def->column(name);
        if (!column)
            throw DbError(u"no column "_s + name + u" in "_s + table);
        columns << column;
    }
    const QString sql = u"insert into "_s + def->name + u" ("_s + header.join(u", "_s) + u") values ("_s
        + placeholders(header.size()) + u')';
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(u'\t');
        if (fields.size() != columns.size())
            throw DbError(u"bad row in "_s + table + u": "_s + lines.at(i));
        QVariantList values;
        for (qsizetype c = 0; c < fields.size(); ++c)
            values << typedValue(*columns.at(c), fields.at(c));
        db.exec(sql, values);
    }
}

void loadLayout(Database &db, const QString &tableCode, const QString &layoutText)
{
    int order = 0;
    for (const QString &line : dataLines(layoutText)) {
        const QStringList fields = line.split(u'\t', Qt::SkipEmptyParts);
        if (fields.first() == u"modules") {
            for (qsizetype i = 1; i < fields.size(); ++i)
                db.exec(u"insert into ModuleTable (ModuleCode, TableCode) values (?, ?)"_s,
                        {fields.at(i), tableCode});
            continue;
        }
        bool widthOk = false;
        const int width = fields.size() >= 4 ? fields.at(2).toInt(&widthOk) : 0;
        const bool shown = fields.size() >= 4 && fields.at(3) == u"shown";
        if (!widthOk || (!shown && fields.at(3) != u"hidden") || fields.size() > 5
            || (fields.size() == 5 && fields.at(4) != u"key"))
            throw DbError(u"bad layout line in "_s + tableCode + u": "_s + line);
        db.exec(u"insert into TableStructure (TableCode, ColumnsCode, ColumnsName, TableOrder, ColumnsLength,"
                " IsKey, IsVisible) values (?, ?, ?, ?, ?, ?, ?)"_s,
                {tableCode, fields.at(0), fields.at(1), ++order, width, fields.size() == 5, shown});
    }
}

void load(Database &db)
{
    loadOperator(db);
    loadClassification(db, readResource(u":/seed/Type.tree"_s));
    const QFileInfoList tables = QDir(u":/seed"_s).entryInfoList({u"*.tsv"_s}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : tables)
        loadTable(db, file.completeBaseName(), readResource(file.filePath()));
    const QFileInfoList layouts = QDir(u":/layouts"_s).entryInfoList({u"*.layout"_s}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : layouts)
        loadLayout(db, file.completeBaseName(), readResource(file.filePath()));
}

} // namespace tarvo::SeedData
