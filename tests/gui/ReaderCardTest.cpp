#include "support/ModalSteps.h"
#include "support/WindowLibrary.h"

#include "core/app/AppState.h"
#include "core/app/Parameters.h"
#include "core/db/Database.h"
#include "core/db/DeliveredDatabase.h"
#include "gui/controls/DataGrid.h"
#include "gui/framework/CardDesigner.h"
#include "gui/framework/CardItem.h"
#include "gui/readers/PrintReaderCard.h"
#include "gui/readers/ReaderData.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGraphicsView>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace tarvo;
using namespace tarvo::gui;
using tarvo::test::onNextModal;

class ReaderCardTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home; // the program folder, with its own copy of the report templates
    std::unique_ptr<test::WindowLibrary> m_library;

    QString templatePath(const QString &name) const { return m_home.filePath(u"report/"_s + name); }

    // The reader numbers of the rows a card dialog was given, in their order.
    static QStringList codes(const TFrmPrintReaderCard &dialog)
    {
        QStringList result;
        const int code = int(dialog.fields().indexOf(u"Code"_s));
        for (qsizetype r = 0; dialog.rows() && r < dialog.rows()->count(); ++r)
            result << dialog.rows()->value(r, code).toString();
        return result;
    }

private slots:
    void initTestCase()
    {
        QDir().mkpath(templatePath(QString()));
        const QDir delivered(QStringLiteral(TARVO_SOURCE_DIR) + u"/resources/report"_s);
        for (const QString &name : {u"ReaderCard.rmf"_s, u"ReaderCardB.rmf"_s})
            QVERIFY(QFile::copy(delivered.filePath(name), templatePath(name)));
        qputenv("TARVO_HOME", QFile::encodeName(m_home.path()));
    }

    void init()
    {
        m_library = std::make_unique<test::WindowLibrary>();
        m_library->state.BusinessDate = QDate(2024, 5, 6);
        m_library->state.sysParams.CorpName = u"南山区图书馆"_s;
        m_library->db.exec(u"insert into ReaderInfo (Code, Name, SortCode, Py) values ('2001', '张三', '学生', 'zs'), "
                   "('2002', '李四', '教师', 'ls'), ('2003', '张珊', '学生', 'zs'), ('2004', '王五', '教师', 'ww')"_s);
        Parameters::loadOrCreate(m_library->db);
    }

    void cleanup() { m_library.reset(); }

    void theSideChoosesTheTemplate()
    {
        TFrmPrintReaderCard dialog(m_library->context, nullptr, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *front = dialog.findChild<QRadioButton *>(u"Rb1"_s);
        auto *back = dialog.findChild<QRadioButton *>(u"Rb2"_s);
        QVERIFY(front->isChecked());
        QCOMPARE(dialog.ReportFile, u"ReaderCard.rmf"_s);
        back->click();
        QCOMPARE(dialog.ReportFile, u"ReaderCardB.rmf"_s);
        front->click();
        QCOMPARE(dialog.ReportFile, u"ReaderCard.rmf"_s);
    }

    void theRulesAreKeptOnlyWhenLeavingThroughExit_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("kept");
        QTest::newRow("退出(&E)") << u"exit"_s << true;
        QTest::newRow("Esc") << u"escape"_s << true;
        QTest::newRow("close box") << u"close"_s << false;
    }

    void theRulesAreKeptOnlyWhenLeavingThroughExit()
    {
        QFETCH(QString, way);
        QFETCH(bool, kept);
        const QString rules = u"1、凭证借书，不得转借。\n2、遗失请立即挂失。"_s;
        {
            TFrmPrintReaderCard dialog(m_library->context, nullptr, {});
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            auto *memo = dialog.findChild<QPlainTextEdit *>(u"Memo1"_s);
            QCOMPARE(memo->toPlainText(), Parameters::defaultCardRules());
            memo->setPlainText(rules);
            if (way == u"exit")
                dialog.findChild<QPushButton *>(u"BtExit"_s)->click();
            else if (way == u"escape")
                QTest::keyClick(memo, Qt::Key_Escape);
            else
                dialog.close();
            QVERIFY(!dialog.isVisible());
        }
        TFrmPrintReaderCard again(m_library->context, nullptr, {});
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.findChild<QPlainTextEdit *>(u"Memo1"_s)->toPlainText(),
                 kept ? rules : Parameters::defaultCardRules());
        QVERIFY(m_library->prompt.shown.isEmpty());
    }

    void theCardsAreThoseOfTheListedReadersInTheListsOrder()
    {
        TFrmReaderData list(m_library->context);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        auto *search = list.findChild<QLineEdit *>(u"Editcode"_s);
        search->setText(u"zs"_s);
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(list.findChild<QLineEdit *>(u"EditQty"_s)->text(), u"2"_s);
        // Name, descending: the second click on its title.
        const QList<GridColumn> columns = list.grid()->model()->columns();
        int name = 0;
        while (name < columns.size() && columns.at(name).field.compare(u"Name"_s, Qt::CaseInsensitive) != 0)
            ++name;
        QVERIFY(name < columns.size());
        QHeaderView *titles = list.grid()->view()->horizontalHeader();
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                              QPoint(titles->sectionViewportPosition(name) + 8, titles->height() / 2));

        const QString pdf = m_library->filePath(u"cards.pdf"_s);
        QStringList handed;
        onNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<TFrmPrintReaderCard *>(modal);
            QVERIFY(dialog);
            handed = codes(*dialog);
            // The preview saves the same cards as a PDF.
            onNextModal([&](QWidget *preview) {
                onNextModal([&](QWidget *files) {
                    auto *chooser = qobject_cast<QFileDialog *>(files);
                    QVERIFY(chooser);
                    chooser->selectFile(pdf);
                    static_cast<QDialog *>(chooser)->accept(); // protected in QFileDialog
                });
                preview->findChild<QAction *>(u"ActSavePdf"_s)->trigger();
                preview->close();
            });
            dialog->findChild<QPushButton *>(u"SbtPreview"_s)->click();
            dialog->findChild<QPushButton *>(u"BtExit"_s)->click();
        });
        list.findChild<QPushButton *>(u"SBtCard"_s)->click();
        QCOMPARE(handed, (QStringList{u"2003"_s, u"2001"_s}));

        QProcess text;
        text.start(u"pdftotext"_s, {pdf, u"-"_s});
        QVERIFY(text.waitForFinished(60000));
        const QString cards = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(cards.contains(u"张三"_s) && cards.contains(u"张珊"_s), qPrintable(cards));
        QVERIFY(!cards.contains(u"李四"_s) && !cards.contains(u"王五"_s));
        QVERIFY(cards.indexOf(u"张珊"_s) < cards.indexOf(u"张三"_s));
        QVERIFY(cards.contains(u"南山区图书馆"_s));
        QVERIFY(m_library->prompt.shown.isEmpty());
    }

    void theDesignerMovesResizesEditsAndSavesItems()
    {
        const QString path = m_library->filePath(u"Card.rmf"_s);
        QVERIFY(QFile::copy(templatePath(u"ReaderCard.rmf"_s), path));
        const auto layout = report::CardTemplate::load(path);
        QVERIFY(layout.has_value());
        TFrmCardDesigner designer(m_library->context, *layout, path, report::CardData(nullptr, {u"Code"_s, u"Name"_s}));
        designer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&designer));
        QCOMPARE(designer.items().size(), layout->items.size());

        CardItem *name = nullptr;
        for (CardItem *item : designer.items())
            if (item->item().field == u"Name"_s)
                name = item;
        QVERIFY(name);
        const report::CardTemplate::Item before = name->item();
        QGraphicsView *view = designer.view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(name->sceneBoundingRect().center()));
        QVERIFY(name->isSelected());
        QCOMPARE(designer.findChild<QComboBox *>(u"ItemField"_s)->currentText(), u"Name"_s);

        // Its corner handle is dragged, though the item below lies close under it.
        CardItem *below = nullptr;
        for (CardItem *item : designer.items())
            if (item->item().field == u"SortCode"_s)
                below = item;
        QVERIFY(below);
        const report::CardTemplate::Item under = below->item();
        const QPoint corner =
            view->mapFromScene(name->mapToScene(name->item().rect.size().width() * CardItem::kUnitsPerMm,
                                                name->item().rect.size().height() * CardItem::kUnitsPerMm));
        const QPoint pulled =
            corner + QPoint(0, view->mapFromScene(QPointF(0, 30)).y() - view->mapFromScene(QPointF()).y());
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, corner);
        QTest::mouseMove(view->viewport(), pulled);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, pulled);
        QCOMPARE(below->item().rect, under.rect);
        QVERIFY2(qAbs(name->item().rect.height() - before.rect.height() - 3) < 0.25,
                 qPrintable(QString::number(name->item().rect.height())));
        QCOMPARE(name->item().rect.topLeft(), before.rect.topLeft());
        const QRectF dragged = name->item().rect;

        QTest::keyClick(view, Qt::Key_Left);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
        const QRectF moved = dragged.translated(-0.5, 1.0).adjusted(0, 0, 0.5, 0);
        QCOMPARE(name->item().rect, moved);
        // The panel follows the item, and the item the panel.
        QCOMPARE(designer.findChild<QDoubleSpinBox *>(u"ItemGeometry1"_s)->value(), moved.y());
        designer.findChild<QDoubleSpinBox *>(u"ItemSize"_s)->setValue(14);
        QCOMPARE(name->item().font.size, 14.0);

        // An item added and deleted again leaves nothing behind.
        auto *add = designer.findChild<QToolButton *>(u"BtAddItem"_s);
        add->menu()->actions().at(3)->trigger(); // 条码
        QCOMPARE(designer.items().size(), layout->items.size() + 1);
        QCOMPARE(designer.items().last()->item().kind, report::CardTemplate::Item::Kind::Barcode);
        QVERIFY(designer.items().last()->isSelected());
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(designer.items().size(), layout->items.size());

        designer.findChild<QPushButton *>(u"BtSave"_s)->click();
        QCOMPARE(m_library->prompt.texts(), QStringList{u"报表已保存。"_s});
        const auto saved = report::CardTemplate::load(path);
        QVERIFY(saved.has_value());
        QCOMPARE(saved->items.size(), layout->items.size());
        const auto savedName = std::find_if(saved->items.begin(), saved->items.end(),
                                            [](const report::CardTemplate::Item &i) { return i.field == u"Name"_s; });
        QVERIFY(savedName != saved->items.end());
        QCOMPARE(savedName->rect, moved);
        QCOMPARE(savedName->font.size, 14.0);
    }
};

QTEST_MAIN(ReaderCardTest)
#include "ReaderCardTest.moc"
