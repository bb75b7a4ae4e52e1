#include "support/MarcBuilder.h"
#include "support/WindowLibrary.h"

#include "core/app/AppState.h"
#include "core/catalogue/MarcImport.h"
#include "core/db/Database.h"
#include "core/db/DeliveredDatabase.h"
#include "gui/catalogue/MarcIn.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace tarvo;
using namespace tarvo::gui;
using test::gbk;
using test::MarcBuilder;
using test::sub;

class MarcInTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::WindowLibrary> m_library;

    QString writeFile(const QByteArray &bytes)
    {
        const QString path = m_library->filePath(u"books.iso"_s);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return path;
    }

    static QByteArray titled(const QString &name)
    {
        return MarcBuilder().field("200", "1 " + sub('a', gbk(name))).record();
    }

    QStringList names()
    {
        QStringList out;
        for (ResultSet rs = m_library->db.query(u"select Name from BookInfoPre order by Id"_s); !rs.eof(); rs.next())
            out << rs.text(u"Name");
        return out;
    }

    static void openOn(TFrmMarcIn &dialog, const QString &path)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.findChild<QLineEdit *>(u"EditFile"_s)->setText(path);
    }

    static void pressOk(TFrmMarcIn &dialog)
    {
        QTest::mouseClick(dialog.findChild<QPushButton *>(u"BtOk"_s), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_library = std::make_unique<test::WindowLibrary>();
    }

    void cleanup() { m_library.reset(); }

    void importsTheFileAndShowsWhatItDid()
    {
        QByteArray corrupt = titled(u"坏"_s);
        corrupt[24 + 5] = 'x';
        const QString path = writeFile(titled(u"西游记"_s) + "\r\n" + corrupt + "\r\n" + titled(u"水浒传"_s));
        TFrmMarcIn dialog(m_library->context);
        QCOMPARE(dialog.windowTitle(), u"从Marc数据导入"_s);
        QCOMPARE(dialog.findChild<QComboBox *>(u"CmbEncoding"_s)->currentText(), u"自动"_s);
        openOn(dialog, path);
        pressOk(dialog);

        QCOMPARE(names(), (QStringList{u"西游记"_s, u"水浒传"_s}));
        QCOMPARE(m_library->prompt.texts(), QStringList{u"导入 2 条\n跳过 1 条：\n第2条记录：目录中字段200的长度或起始位置不是数字"_s});
        QCOMPARE(m_library->prompt.shown.value(0).kind, test::ScriptedPrompt::Kind::Info);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void aFileThatCannotBeOpenedKeepsTheDialogOpen()
    {
        TFrmMarcIn dialog(m_library->context);
        openOn(dialog, m_library->filePath(u"missing.iso"_s));
        pressOk(dialog);
        QCOMPARE(m_library->prompt.shown.size(), 1);
        QCOMPARE(m_library->prompt.shown[0].kind, test::ScriptedPrompt::Kind::Error);
        QVERIFY(m_library->prompt.shown[0].text.startsWith(u"无法打开文件"_s));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.findChild<QPushButton *>(u"BtOk"_s)->isEnabled());
        QVERIFY(!dialog.findChild<QProgressBar *>(u"ProgressBar1"_s)->isVisible());
        QVERIFY(names().isEmpty());
    }

    void cancelStopsARunningImportAfterItsBatch()
    {
        QByteArray file;
        for (int i = 0; i < 2 * MarcImport::kBatchSize + 200; ++i)
            file += titled(u"书"_s);
        const QString path = writeFile(file);
        TFrmMarcIn dialog(m_library->context);
        openOn(dialog, path);
        bool shownWhileRunning = false;
        // Runs after the first batch, when the dialog hears the operator again.
        QTimer::singleShot(0, &dialog, [&dialog, &shownWhileRunning] {
            auto *message = dialog.findChild<QLabel *>(u"LabMess"_s);
            shownWhileRunning = message->isVisible() && message->text() == u"正在导入数据,请稍后..."_s
                && dialog.findChild<QProgressBar *>(u"ProgressBar1"_s)->isVisible();
            QTest::mouseClick(dialog.findChild<QPushButton *>(u"BtCancel"_s), Qt::LeftButton);
        });
        pressOk(dialog);

        QVERIFY(shownWhileRunning);
        QCOMPARE(names().size(), MarcImport::kBatchSize);
        QCOMPARE(m_library->prompt.texts(), QStringList{u"导入 %1 条（已取消，其后的记录未导入）"_s.arg(MarcImport::kBatchSize)});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(MarcInTest)
#include "MarcInTest.moc"
