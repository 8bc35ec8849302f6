// The Test Commands dialog against the built-in virtual slave: a live table
// and memory image, the trend of ticked values, the log, and that stopping
// and closing end the test. VARKEL_SCREENSHOTS=folder also saves pictures
// of the dialog for the manual.
#include "ui/ProbeDialog.h"
#include "UiFixture.h"
#include "model/Catalog.h"
#include "model/Command.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/Subnet.h"
#include "model/TextTable.h"
#include "probe/ProbeCatalog.h"
#include "probe/ProbeTypes.h"
#include "ui/ProbeImageGrid.h"
#include "ui/TrendView.h"
#include "ui/VirtualSlave.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QSettings>
#include <QSplitter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace varkel;
using test::AddCommand;

namespace {

void FillProject(Project& project) {
    AddCommand(project, 2, "0", "4", "0000H");
    Command* swapped = AddCommand(project, 3, "10", "2", "0008H");
    swapped->GetItem(Command::SwappingRow)
        ->SetValue(swapped->GetItem(Command::SwappingRow)->GetChoices()[2]);
    AddCommand(project, 0, "0", "12", "000CH");
    AddCommand(project, 13, "200", "2", "4000H");
}

void Shoot(QWidget& widget, const char* name) {
    const QByteArray folder = qgetenv("VARKEL_SCREENSHOTS");
    if (!folder.isEmpty())
        widget.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
}

} // namespace

class ProbeDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        ApplyLanguage(test::App(), qgetenv("VARKEL_SCREENSHOT_LANG") == "zh"
                                       ? QStringLiteral("zh")
                                       : QStringLiteral("en"));
    }

    // The table comes first and takes the larger part; the user's division
    // is there again the next time the dialog opens.
    void TheTableHasTheRoomAndItIsRemembered() {
        QSettings().remove(QStringLiteral("probe"));
        Project project;
        FillProject(project);
        QList<int> moved;
        {
            ProbeDialog dialog(project);
            dialog.resize(900, 760);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            auto* split = dialog.findChild<QSplitter*>(QStringLiteral("probeSplit"));
            QVERIFY(split);
            QCOMPARE(split->widget(0), static_cast<QWidget*>(dialog.Table()));
            // Ten rows of commands at least.
            const int rows =
                split->sizes()[0] / dialog.Table()->verticalHeader()->defaultSectionSize();
            QVERIFY2(rows >= 10, qPrintable(QString::number(rows)));
            split->setSizes({200, split->sizes()[0] + split->sizes()[1] - 200});
            moved = split->sizes();
            dialog.close();
        }
        ProbeDialog again(project);
        again.resize(900, 760);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.findChild<QSplitter*>(QStringLiteral("probeSplit"))->sizes(), moved);
    }

    void RunsAgainstTheVirtualSlave() {
        Project project;
        project.GetSubnet().GetItem(Subnet::PollDelayIndex)->SetValue("50");
        FillProject(project);
        ProbeDialog dialog(project);
        dialog.SelectVirtualSlave();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.Table()->rowCount(), 4);
        // Commands counted from 1, as the workbook counts them.
        QVERIFY(dialog.Table()->item(0, ProbeDialog::CommandColumn)->text().startsWith("#1 "));
        QVERIFY(dialog.Table()->item(3, ProbeDialog::CommandColumn)->text().startsWith("#4 "));

        dialog.Table()->item(0, ProbeDialog::TrendColumn)->setCheckState(Qt::Checked);
        auto* format =
            qobject_cast<QComboBox*>(dialog.Table()->cellWidget(1, ProbeDialog::FormatColumn));
        QVERIFY(format);
        format->setCurrentIndex(3); // int32
        dialog.Start();
        QVERIFY(dialog.IsRunning());
        // Three passes at least, so that the trend has a line.
        QVERIFY(QTest::qWaitFor([&] { return dialog.ResultCount() >= 12; }, 10000));
        QVERIFY2(!dialog.PassText().isEmpty(), qPrintable(dialog.StatusText()));

        QTableWidget* table = dialog.Table();
        for (int row = 0; row < 4; ++row)
            QCOMPARE(table->item(row, ProbeDialog::StatusColumn)->text(),
                     QString::fromStdString(Text(ProbeMsg::ProbeStatusOk)));
        QCOMPARE(table->item(0, ProbeDialog::ValuesColumn)->text(),
                 QStringLiteral("0000=0 0001=1 0002=2 0003=3"));
        QCOMPARE(table->item(3, ProbeDialog::MemoryColumn)->text(),
                 QString::fromStdString(Text(Msg::ProbeOutputMemory)) + QStringLiteral(" 0.0-3.7"));
        QVERIFY(dialog.Trend()->PointCount(0, 0) >= 2);
        QCOMPARE(dialog.Trend()->SeriesCount(), 4);

        // The image: register 1 of the first command at bytes 2 and 3; the
        // four-byte swapped pair reversed; bytes no command fills marked.
        ProbeImageGrid* image = dialog.ImageGrid();
        QCOMPARE(image->item(0, 3)->text(), QStringLiteral("01"));
        QCOMPARE(image->Image().Owner(8), 1);
        QCOMPARE(image->item(1, 1)->text(), QStringLiteral("00"));
        QCOMPARE(image->item(1, 3)->text(), QStringLiteral("00"));
        QVERIFY(image->item(1, 0)->text() != QStringLiteral("00"));
        QCOMPARE(image->item(20, 7)->text(), QStringLiteral("--"));
        table->selectRow(1);
        // Four-byte swapping stores D C B A: the PLC reads the pair as ABCD.
        QVERIFY2(dialog.DecodedText().contains(QStringLiteral("ABCD* ")),
                 qPrintable(dialog.DecodedText()));
        QVERIFY(!dialog.DecodedText().contains(QStringLiteral("DCBA* ")));
        Shoot(dialog, qgetenv("VARKEL_SCREENSHOT_LANG") == "zh" ? "probe_zh.png" : "probe_en.png");

        dialog.Stop();
        QTRY_VERIFY(!dialog.IsRunning());
        const int results = dialog.ResultCount();
        QTest::qWait(150);
        QCOMPARE(dialog.ResultCount(), results);

        QTemporaryDir folder;
        const QString log = folder.filePath(QStringLiteral("log.csv"));
        QVERIFY(dialog.SaveLog(log));
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), results + 1);
        QVERIFY(lines[1].contains(QStringLiteral(",ok,")));
        QVERIFY(lines[1].contains(QStringLiteral("0 1 2 3")));
    }

    void ClosingStopsTheTest() {
        Project project;
        FillProject(project);
        auto* dialog = new ProbeDialog(project);
        dialog->SelectVirtualSlave();
        dialog->show();
        dialog->Start();
        QVERIFY(QTest::qWaitFor([&] { return dialog->ResultCount() >= 1; }, 5000));
        dialog->close();
        QTRY_VERIFY(!dialog->IsRunning());
        delete dialog;
    }

    void StopReturnsAtOnceAndGivesThePortBack() {
        Project project;
        FillProject(project);
        ProbeDialog dialog(project);
        dialog.SelectVirtualSlave();
        dialog.Start();
        QVERIFY(QTest::qWaitFor([&] { return dialog.ResultCount() >= 1; }, 5000));
        dialog.Stop();
        // Stop did not wait for the worker: the test is still ending, and a
        // start meanwhile is ignored.
        QVERIFY(dialog.IsRunning());
        dialog.Start();
        QTRY_VERIFY(!dialog.IsRunning());
        QCOMPARE(dialog.StatusText(), QString::fromStdString(Text(Msg::ProbeStopped)));
        // The port was given back: the next test (its log starts empty)
        // opens it and runs.
        dialog.Start();
        QVERIFY(dialog.IsRunning());
        QVERIFY2(QTest::qWaitFor([&] { return dialog.ResultCount() >= 1; }, 5000),
                 qPrintable(dialog.StatusText()));
        dialog.Stop();
        QTRY_VERIFY(!dialog.IsRunning());
    }

    // The built-in virtual slave is a pseudo-terminal: a subnet with even
    // parity and seven data bits is tested, and the status line says once
    // that the virtual line does not carry them.
    void VirtualSlaveTakesAnyLineSettingsAndSaysSoOnce() {
        Project project;
        FillProject(project);
        project.GetSubnet().SetChoiceIndex(Subnet::ParityIndex, 2);   // Even
        project.GetSubnet().SetChoiceIndex(Subnet::DataBitsIndex, 1); // 7
        ProbeDialog dialog(project);
        dialog.SelectVirtualSlave();
        dialog.Start();
        QVERIFY(QTest::qWaitFor([&] { return dialog.ResultCount() >= 8; }, 10000));
        for (int row = 0; row < 4; ++row)
            QCOMPARE(dialog.Table()->item(row, ProbeDialog::StatusColumn)->text(),
                     QString::fromStdString(Text(ProbeMsg::ProbeStatusOk)));
        // The note after its device's name and colon.
        const QString note =
            QString::fromStdString(Text(Msg::ProbeFramingNotCarried, {std::string()})).mid(1);
        QCOMPARE(dialog.StatusText().count(note), 1);
        dialog.Stop();
        QTRY_VERIFY(!dialog.IsRunning());

        // An 8N1 line is carried: nothing to say.
        project.GetSubnet().SetChoiceIndex(Subnet::ParityIndex, 0);
        project.GetSubnet().SetChoiceIndex(Subnet::DataBitsIndex, 0);
        dialog.Start();
        QVERIFY(QTest::qWaitFor([&] { return dialog.ResultCount() >= 4; }, 10000));
        QVERIFY(!dialog.StatusText().contains(note));
        dialog.Stop();
    }

    void RefusedConfigurationListsItsProblems() {
        Project project;
        Command* empty = AddCommand(project, 2, "0", "", "0000H");
        (void)empty;
        ProbeDialog dialog(project);
        dialog.SelectVirtualSlave();
        dialog.Start();
        QVERIFY(!dialog.IsRunning());
        QVERIFY(
            dialog.StatusText().contains(QString::fromStdString(Text(Msg::ProbeProblemsTitle))));
    }
};

QTEST_MAIN(ProbeDialogTest)
#include "ProbeDialogTest.moc"
