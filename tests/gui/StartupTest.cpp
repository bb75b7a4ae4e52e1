#include "core/app/Helpers.h"
#include "core/db/DeliveredDatabase.h"
#include "gui/app/Main.h"
#include "gui/app/MessageBoxPrompt.h"
#include "gui/app/StartupSequence.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace tarvo;

// The start-up with the system's real message boxes: what the operator sees when the
// configuration or the database is missing, and that no main window follows.
class StartupTest : public QObject
{
    Q_OBJECT

private:
    struct SeenBox
    {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    // Reads the next modal message box when it appears and presses its OK button.
    static void answerNextBox(SeenBox *seen)
    {
        QTimer::singleShot(20, [seen] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                answerNextBox(seen);
                return;
            }
            *seen = {box->windowTitle(), box->text(), box->icon()};
            box->button(QMessageBox::Ok)->click();
        });
    }

    static bool anyMainWindow()
    {
        const auto widgets = QApplication::topLevelWidgets();
        return std::any_of(widgets.begin(), widgets.end(),
                           [](QWidget *w) { return qobject_cast<gui::TFrmMain *>(w) != nullptr; });
    }

    // Presses Enter on whatever has the focus while a dialog is up, noting each dialog's caption.
    static void pressEnterThroughDialogs(QStringList *captions, bool *done)
    {
        QTimer::singleShot(30, [captions, done] {
            if (*done)
                return;
            if (QWidget *modal = QApplication::activeModalWidget()) {
                if (captions->isEmpty() || captions->last() != modal->windowTitle())
                    captions->append(modal->windowTitle());
                if (QApplication::focusWidget())
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            pressEnterThroughDialogs(captions, done);
        });
    }

    static void cancelLogIn()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            QTimer::singleShot(20, [] { cancelLogIn(); });
            return;
        }
        modal->findChild<QAbstractButton *>(u"BtCancel"_s)->click();
    }

    static void writeIni(const QString &folder, const QByteArray &text)
    {
        QFile ini(QDir(folder).filePath(u"ConSQL.ini"_s));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(text);
    }

private slots:
    void missingConfigurationShowsTheInformationBox()
    {
        QTemporaryDir folder;
        qputenv("TARVO_HOME", folder.path().toUtf8());
        SeenBox seen;
        answerNextBox(&seen);
        gui::MessageBoxPrompt prompt;
        gui::StartupSequence startup(prompt);

        QVERIFY(!startup.run(10));

        QCOMPARE(seen.text, u"系统无法找到配置文件！"_s);
        QCOMPARE(seen.caption, u"信息"_s);
        QCOMPARE(seen.icon, QMessageBox::Information);
        QVERIFY(!startup.mainWindow());
        QVERIFY(!anyMainWindow());
    }

    void missingDatabaseShowsTheErrorBox()
    {
        QTemporaryDir folder;
        qputenv("TARVO_HOME", folder.path().toUtf8());
        writeIni(folder.path(), "[Server]\nPath=\n");
        SeenBox seen;
        answerNextBox(&seen);
        gui::MessageBoxPrompt prompt;
        gui::StartupSequence startup(prompt);

        QVERIFY(!startup.run(10));

        QCOMPARE(seen.text, u"连接失败,请重新设置数据连接！"_s);
        QCOMPARE(seen.caption, AppTitle());
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QVERIFY(!anyMainWindow());
        QVERIFY(!QFile::exists(folder.filePath(u"Data/tarvo.dat"_s)));
    }

    void enterAloneReachesTheMainWindowThroughLogInAndBusinessDate()
    {
        QTemporaryDir folder;
        qputenv("TARVO_HOME", folder.path().toUtf8());
        writeIni(folder.path(), "[Server]\nPath=\n");
        DeliveredDatabase::create({Engine::SQLite, folder.filePath(u"Data/tarvo.dat"_s), false});
        QStringList dialogs;
        bool done = false;
        pressEnterThroughDialogs(&dialogs, &done);
        gui::MessageBoxPrompt prompt;
        gui::StartupSequence startup(prompt);

        const bool started = startup.run(10);
        done = true;

        QVERIFY(started);
        QCOMPARE(dialogs, (QStringList{u"用户登陆"_s, u"业务日期"_s}));
        QVERIFY(startup.mainWindow());
        QVERIFY(startup.mainWindow()->isVisible());
        QCOMPARE(startup.mainWindow()->windowTitle(), u"塔沃图书馆管理系统7"_s);
        QCOMPARE(startup.state().OperatorCode, u"Admin"_s);
        QCOMPARE(startup.state().BusinessDate, QDate::currentDate());
    }

    void aCancelledLogInEndsWithoutAMainWindow()
    {
        QTemporaryDir folder;
        qputenv("TARVO_HOME", folder.path().toUtf8());
        writeIni(folder.path(), "[Server]\nPath=\n");
        DeliveredDatabase::create({Engine::SQLite, folder.filePath(u"Data/tarvo.dat"_s), false});
        QTimer::singleShot(20, [] { cancelLogIn(); });
        gui::MessageBoxPrompt prompt;
        gui::StartupSequence startup(prompt);

        QVERIFY(!startup.run(10));
        QVERIFY(!startup.mainWindow());
        QVERIFY(!anyMainWindow());
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
