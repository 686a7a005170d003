// Import and export through the real batch window: the toolbar with its dialogs (a stand-in
// chooser answers), files dropped on the list, the round trips of both file kinds, and the ways
// they fail.

#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QTemporaryDir>

#include "WindowFixture.h"
#include "batch/AccountFiles.h"
#include "batch/DialogFileChooser.h"
#include "batch/FileChooser.h"
#include "web/CodePage.h"

using namespace nomvera::batch;
using namespace nomvera::batch::testing;
namespace lookup = nomvera::lookup;

namespace {

// Answers every dialog with the next prepared path; an empty one is a cancel.
class StandInChooser final : public FileChooser {
public:
    explicit StandInChooser(QStringList& answers, int& asked) : answers_(answers), asked_(asked) {}
    void ChooseFileToOpen(QWidget*, Chosen chosen) override { Answer(chosen); }
    void ChooseFileToSave(QWidget*, Chosen chosen) override { Answer(chosen); }

private:
    void Answer(const Chosen& chosen) {
        ++asked_;
        const QString path = answers_.isEmpty() ? QString() : answers_.takeFirst();
        if (!path.isEmpty()) chosen(path);
    }
    QStringList& answers_;
    int& asked_;
};

const QString kFixtures = QStringLiteral(NOMVERA_TEST_DATA_DIR "/workbooks/");

struct FilesFixture : WindowFixture {
    QTemporaryDir dir;
    QStringList answers;
    int asked = 0;

    FilesFixture() {
        window.Files().SetFileChooser(std::make_unique<StandInChooser>(answers, asked));
        window.Files().SetClock([] { return LocalTime{2015, 3, 21, 9, 5, 7}; });
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Export(const QString& path) {
        answers.append(path);
        ClickToolbar(QStringLiteral("导出"));
    }
    void Import(const QString& path) {
        answers.append(path);
        ClickToolbar(QStringLiteral("导入"));
    }
    void Drop(const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& path : paths) urls.append(QUrl::fromLocalFile(path));
        QMimeData data;
        data.setUrls(urls);
        QWidget* viewport = View().viewport();
        // As a real drag: it enters the list first, then drops.
        QDragEnterEvent enter(viewport->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDropEvent drop(QPointF(viewport->rect().center()), Qt::CopyAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
    }
    void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString Cell(int row, int column) { return ToQt(List().CellText(row, column)); }
    // Fills row cells 0 to 13 from UTF-8 texts.
    void AddRow(const QStringList& cells) {
        const int row = List().InsertRow(List().RowCount(), Gbk(cells.value(0)));
        for (int column = 1; column < lookup::kColumnCount; ++column)
            List().SetCellText(row, column, Gbk(cells.value(column)));
    }
    QLineEdit* WaitBox() { return window.findChild<QLineEdit*>(QStringLiteral("编辑框_导入导出")); }
    QProgressBar* Progress() { return window.findChild<QProgressBar*>(QStringLiteral("进度条_查询导出")); }
};

const QString kMaker = QStringLiteral("http://127.0.0.1:1/");

}  // namespace

class ImportExportTest : public QObject {
    Q_OBJECT

private slots:
    void dialogFiltersAreTheProgramsFilters() {
        QCOMPARE(DialogFileChooser::NameFilters(DialogFileChooser::kOpenFilter),
                 (QStringList{"所有文件(*.txt;*.xlsx) (*.txt *.xlsx)", "*.txt (*.txt)", "*.xlsx (*.xlsx)"}));
        QCOMPARE(DialogFileChooser::NameFilters(DialogFileChooser::kSaveFilter),
                 (QStringList{"*.txt (*.txt)", "*.xlsx (*.xlsx)"}));
    }

    void textExportIsByteExactAndImportsBack() {
        FilesFixture f;
        f.AddRow({kMaker, "张三"});
        f.AddRow({"http://rate.taobao.com/user-rate-9.htm", "00123", "安全"});
        f.AddRow({"", ""});
        const QString path = f.Path("list.txt");
        f.Export(path);
        QCOMPARE(f.Status(), QStringLiteral(" 数据（3）导出完成！"));
        QVERIFY(!f.WaitBox()->isVisible());
        const std::string expected =
            nomvera::web::Local(
                "●Nomvera - Belkmoor → http://127.0.0.1:1/ - 2015年3月21日9时5分7秒●\r\n\r\n张三|") +
            "http://127.0.0.1:1/\r\n00123|http://rate.taobao.com/user-rate-9.htm\r\n|\r\n";
        QCOMPARE(f.Read(path), QByteArray::fromStdString(expected));

        f.Import(path);
        QCOMPARE(f.Status(), QStringLiteral(" 数据（2）导入完成！"));
        QCOMPARE(Accounts(f.List()), (QStringList{"张三", "00123"}));
        QCOMPARE(Column(f.List(), lookup::kColumnLink), (QStringList{kMaker, kMaker}));
        QCOMPARE(f.Cell(1, lookup::kColumnGrade), QString());
        QVERIFY(!f.WaitBox()->isVisible());
    }

    void workbookExportKeepsEveryColumnAndImportsBack() {
        FilesFixture f;
        const QStringList first{"http://rate.taobao.com/user-rate-1.htm",
                                "00123",
                                "安全",
                                "0",
                                "1",
                                "2",
                                "3",
                                "4",
                                "5",
                                "6",
                                "7",
                                "买家",
                                "2015-03-21",
                                "支付宝个人认证"};
        f.AddRow(first);
        f.AddRow({kMaker, "李 四", "?", "?", "?", "?", "?", "?", "?", "?", "?", "?", "?", "?"});
        QList<int> progress;
        QStringList statuses;
        QObject::connect(f.Progress(), &QProgressBar::valueChanged, [&](int value) {
            progress.append(value);
            statuses.append(f.Status());
        });
        const QString path = f.Path("list.xlsx");
        f.Export(path);
        QCOMPARE(f.Status(), QStringLiteral(" 数据（2）导出完成！"));
        QCOMPARE(progress, (QList<int>{0, 1, 2}));
        QCOMPARE(statuses.last(), QStringLiteral(" 正在导出数据，请稍候……  100%"));
        QVERIFY(!f.Progress()->isVisible());

        f.Import(path);
        QCOMPARE(f.Status(), QStringLiteral(" 数据（2）导入完成！"));
        for (int column = 1; column < lookup::kColumnCount; ++column)
            QCOMPARE(f.Cell(0, column), first[column]);
        QCOMPARE(f.Cell(0, lookup::kColumnLink), QString());  // a workbook holds no links
        QCOMPARE(f.Cell(1, lookup::kColumnAccount), QStringLiteral("李 四"));
    }

    void workbookExportShowsEachRowsPercentage() {
        FilesFixture f;
        AppendAccounts(f.List(), {"a", "b", "c"});
        QStringList statuses;
        QObject::connect(f.Progress(), &QProgressBar::valueChanged, [&] { statuses.append(f.Status()); });
        f.Export(f.Path("three.xlsx"));
        const QString running = QStringLiteral(" 正在导出数据，请稍候……  %1%");
        QCOMPARE(statuses, (QStringList{running.arg(0), running.arg(33), running.arg(66), running.arg(100)}));
    }

    void anEmptyListExportsHeadersOnly() {
        FilesFixture f;
        f.Export(f.Path("empty.txt"));
        QCOMPARE(f.Status(), QStringLiteral(" 数据（0）导出完成！"));
        QVERIFY(f.Read(f.Path("empty.txt")).endsWith("\xA1\xF1\r\n\r\n"));
        f.Export(f.Path("empty.xlsx"));
        QCOMPARE(f.Status(), QStringLiteral(" 数据（0）导出完成！"));
        AppendAccounts(f.List(), {"kept"});
        f.Import(f.Path("empty.xlsx"));
        QCOMPARE(f.Status(), QStringLiteral(" 数据（0）导入完成！"));
        QCOMPARE(f.List().RowCount(), 0);
    }

    void workbookImportSkipsRowsWithoutAnAccountAndStopsAtABlankRow() {
        FilesFixture f;
        // Row 3 holds only cell b: left out rather than written over row 2.
        f.Import(kFixtures + "sheets.xlsx");
        QCOMPARE(Accounts(f.List()), (QStringList{"00123", "王五"}));
        QCOMPARE(f.Cell(0, 2), QStringLiteral("1E+20"));
        QCOMPARE(f.Cell(0, 3), QStringLiteral("1"));
        QCOMPARE(f.Cell(0, 4), QStringLiteral("0.5"));
        QCOMPARE(f.Cell(1, 13), QStringLiteral("实名"));
        // Rows 2 to 5 hold accounts and row 6 is empty: row 7 is never reached.
        f.Import(kFixtures + "accounts.xls");
        QCOMPARE(Accounts(f.List()), (QStringList{"张三", "123", "buyer one", "李四"}));
    }

    void dropImportsOneFileByItsExactExtension() {
        FilesFixture f;
        f.Write(f.Path("drop.txt"), "a\r\nb|x\r\n");
        f.Write(f.Path("upper.TXT"), "nope\r\n");
        AppendAccounts(f.List(), {"old"});
        const QString before = f.Status();

        f.Drop({f.Path("drop.txt"), f.Path("drop.txt")});  // two files at once: nothing
        QCOMPARE(Accounts(f.List()), QStringList{"old"});
        f.Drop({f.Path("upper.TXT")});
        QCOMPARE(Accounts(f.List()), QStringList{"old"});
        f.Drop({kFixtures + "README.md"});
        QCOMPARE(Accounts(f.List()), QStringList{"old"});
        QCOMPARE(f.Status(), before);

        f.Drop({f.Path("drop.txt")});
        QCOMPARE(Accounts(f.List()), (QStringList{"a", "b"}));
        QCOMPARE(f.Status(), QStringLiteral(" 数据（2）导入完成！"));
        f.Drop({kFixtures + "accounts.xlsx"});
        QCOMPARE(f.List().RowCount(), 4);
        f.Drop({kFixtures + "sheets.xls"});
        QCOMPARE(Accounts(f.List()), (QStringList{"00123", "王五"}));
    }

    void cancelledDialogsChangeNothing() {
        FilesFixture f;
        AppendAccounts(f.List(), {"a"});
        const QString before = f.Status();
        f.Import(QString());
        f.Export(QString());
        QCOMPARE(f.asked, 2);
        QCOMPARE(Accounts(f.List()), QStringList{"a"});
        QCOMPARE(f.Status(), before);
        QVERIFY(QDir(f.dir.path()).isEmpty());
    }

    void importsThatCannotReadTheFileKeepTheList() {
        FilesFixture f;
        f.Write(f.Path("corrupt.xlsx"), "PK\x03\x04 no zip at all");
        f.Write(f.Path("upper.TXT"), "a text file\r\n");  // from the dialog: taken as a workbook
        f.Write(f.Path("big.txt"), QByteArray(4096, 'a'));
        f.window.Files().Importer().SetTextFileLimit(1024);
        for (const char* name : {"absent.txt", "absent.xlsx", "corrupt.xlsx", "upper.TXT", "big.txt"}) {
            AppendAccounts(f.List(), {"kept"});
            f.Import(f.Path(name));
            QCOMPARE(f.Status(), QStringLiteral(" 数据导入失败，文件无法读取！"));
            QCOMPARE(Accounts(f.List()), QStringList{"kept"});
            QVERIFY(!f.WaitBox()->isVisible());
            f.List().RemoveAllRows();
        }
        f.Import(kFixtures + "truncated.xlsx");
        QCOMPARE(f.Status(), QStringLiteral(" 数据导入失败，文件无法读取！"));
    }

    void readableFilesWithoutAccountsStillEmptyTheList() {
        FilesFixture f;
        f.Write(f.Path("empty.txt"), "");
        f.Write(f.Path("bars.txt"), "|a\r\n\r\n|\r\n");
        for (const char* name : {"empty.txt", "bars.txt"}) {
            AppendAccounts(f.List(), {"gone"});
            f.Import(f.Path(name));
            QCOMPARE(f.Status(), QStringLiteral(" 数据（0）导入完成！"));
            QCOMPARE(f.List().RowCount(), 0);
        }
    }

    void textImportReadsUtf8AndStopsAtAZeroByte() {
        FilesFixture f;
        f.Write(f.Path("bom.txt"), "\xEF\xBB\xBF张三\r\n李四|x\r\n");
        f.Import(f.Path("bom.txt"));
        QCOMPARE(Accounts(f.List()), (QStringList{"张三", "李四"}));
        f.Write(f.Path("plain.txt"), "王五\r\n");  // UTF-8 without a mark
        f.Import(f.Path("plain.txt"));
        QCOMPARE(Accounts(f.List()), QStringList{"王五"});
        f.Write(f.Path("gbk.txt"), QByteArray::fromStdString(nomvera::web::Local("赵六\r\n")));
        f.Import(f.Path("gbk.txt"));
        QCOMPARE(Accounts(f.List()), QStringList{"赵六"});
        f.Write(f.Path("zero.txt"), QByteArray("a\r\nb\0c\r\nd\r\n", 11));
        f.Import(f.Path("zero.txt"));
        QCOMPARE(Accounts(f.List()), (QStringList{"a", "b"}));
    }

    void failedExportsSayItAndLeaveFilesAlone() {
        FilesFixture f;
        AppendAccounts(f.List(), {"a"});
        QVERIFY(QDir(f.dir.path()).mkpath("taken.txt/inside"));
        QVERIFY(QDir(f.dir.path()).mkpath("taken.xlsx/inside"));
        for (const char* name : {"missing/list.txt", "missing/list.xlsx", "taken.txt", "taken.xlsx"}) {
            f.Export(f.Path(name));
            QCOMPARE(f.Status(), QStringLiteral(" 数据导出失败！"));
            QVERIFY(!f.WaitBox()->isVisible());
            QVERIFY(!f.Progress()->isVisible());
        }
        QVERIFY(QFileInfo(f.Path("taken.txt/inside")).isDir());
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 (QStringList{"taken.txt", "taken.xlsx"}));
    }

    void anExtensionOtherThanTxtExportsAWorkbook() {
        FilesFixture f;
        AppendAccounts(f.List(), {"00123"});
        f.Export(f.Path("list.xls"));
        QVERIFY(f.Read(f.Path("list.xls")).startsWith("PK\x03\x04"));
        f.List().RemoveAllRows();
        f.Import(f.Path("list.xls"));
        QCOMPARE(Accounts(f.List()), QStringList{"00123"});
    }
};

QTEST_MAIN(ImportExportTest)
#include "ImportExport_test.moc"
