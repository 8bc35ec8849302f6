// File > Export PLC Tags: defaults from Test Commands, choices remembered
// per configuration file, accelerators in both languages.
// VARKEL_SCREENSHOTS=folder also saves the dialog and the S7 table as a
// spreadsheet shows it, in the language VARKEL_SCREENSHOT_LANG names.
#include "UiFixture.h"

#include "../PlcTagPlant.h"
#include "export/ListReader.h"
#include "model/Catalog.h"
#include "model/TextTable.h"
#include "ui/PlcTagDialog.h"
#include "ui/ProbeDialog.h"
#include "ui/Startup.h"
#include "ui/TimingCommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace varkel;
using namespace varkel::test;

namespace {

// The keys of the dialog's labels and buttons, by their "&".
QStringList Accelerators(const QWidget& dialog) {
    QStringList keys;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy())
            keys << QKeySequence::mnemonic(label->text()).toString();
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        keys << QKeySequence::mnemonic(button->text()).toString();
    keys.removeAll(QString());
    return keys;
}

void Shoot(QWidget& widget, const QString& name) {
    const QByteArray folder = qgetenv("VARKEL_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    const QString language = qgetenv("VARKEL_SCREENSHOT_LANG") == "zh" ? "zh" : "en";
    QVERIFY(SavePicture(widget, QString::fromLocal8Bit(folder) + QLatin1Char('/') + name +
                                    QLatin1Char('_') + language + QLatin1String(".png")));
}

// The first rows of a workbook's first sheet as a spreadsheet program shows
// them: lettered columns, numbered rows, the grid.
void ShootSheet(const QString& workbook) {
    CommandTable table;
    std::string error;
    QCOMPARE(ListReader::ReadWorkbook(workbook.toStdString(), table, error), CommandTable::Read);
    const int rows = std::min<int>(static_cast<int>(table.rows.size()), 16);
    QTableWidget sheet(rows, 10);
    QStringList columns;
    for (int c = 1; c <= 10; ++c)
        columns << QString::fromStdString(CommandTable::ColumnLetters(c));
    sheet.setHorizontalHeaderLabels(columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 10; ++c)
            sheet.setItem(r, c,
                          new QTableWidgetItem(QString::fromStdString(
                              CommandTable::Cell(table.rows[static_cast<std::size_t>(r)], c + 1))));
    sheet.setWordWrap(false);
    sheet.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sheet.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sheet.verticalHeader()->setDefaultSectionSize(sheet.fontMetrics().height() + 8);
    const int widths[] = {110, 55, 75, 110, 560, 90, 105, 105, 100, 80};
    int width = sheet.verticalHeader()->sizeHint().width() + 4;
    for (int c = 0; c < 10; ++c) {
        sheet.setColumnWidth(c, widths[c]);
        width += widths[c];
    }
    sheet.resize(width, sheet.horizontalHeader()->sizeHint().height() + 4 +
                            rows * sheet.verticalHeader()->defaultSectionSize());
    sheet.show();
    Shoot(sheet, QStringLiteral("tags_sheet"));
}

} // namespace

class PlcTagDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        ApplyLanguage(App(), qgetenv("VARKEL_SCREENSHOT_LANG") == "zh" ? QStringLiteral("zh")
                                                                       : QStringLiteral("en"));
    }
    void cleanupTestCase() { ApplyLanguage(App(), QStringLiteral("en")); }

    void DefaultsFromTestCommandsAndRememberedChoices() {
        ApplyLanguage(App(), QStringLiteral("en"));
        MessageRecorder quiet;
        ScriptedDialogs dialogs;
        QTemporaryDir dir;
        Window w;
        Project& project = w.app.GetProject();
        AddCommand(project, 2, "0", "2", "0000H"); // 1: registers, decoded as float32
        AddCommand(project, 0, "0", "4", "0004H"); // 2: coils
        AddCommand(project, 3, "0", "2", "0008H"); // 3: registers, shown as hex
        w.frame.Action(CMainFrame::TestCommands)->trigger();
        auto* probe = w.frame.findChild<ProbeDialog*>();
        QVERIFY(probe);
        auto* decoding =
            qobject_cast<QComboBox*>(probe->Table()->cellWidget(0, ProbeDialog::FormatColumn));
        QVERIFY(decoding);
        decoding->setCurrentIndex(4);
        probe->close();

        // Through the menu: the probe's float32 is command 1's REAL.
        const QString configuration = dir.filePath(QStringLiteral("plant.xml"));
        const QString out = dir.filePath(QStringLiteral("plant_tags.xlsx"));
        dialogs.saveNames << out;
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<PlcTagDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shown = dialog->TypeBox(1)->currentText() + QLatin1Char(' ') +
                    dialog->TypeBox(3)->currentText();
            QVERIFY(!dialog->TypeBox(2));
            dialog->FormatBox()->setCurrentIndex(1);
            dialog->findChild<QPushButton*>(QStringLiteral("plcTagExport"))->click();
        });
        w.frame.findChild<TimingCommands*>()->ExportTagsAction()->trigger();
        QCOMPARE(shown, QStringLiteral("REAL INT"));
        QVERIFY(QFile::exists(out));
        QCOMPARE(dialogs.saveFilters.value(0), QStringLiteral("Workbooks (*.xlsx)"));
        // REAL takes both registers of command 1; four coils; two INT.
        QVERIFY2(w.frame.statusBar()->currentMessage().contains(QStringLiteral("(7 tags)")),
                 qPrintable(w.frame.statusBar()->currentMessage()));

        // Remembered per file: what was picked here, not what was offered.
        QFile(configuration).open(QIODevice::WriteOnly);
        {
            PlcTagDialog dialog(project.GetSubnet(), configuration, {{1, PlcTagType::Real}});
            dialog.FormatBox()->setCurrentIndex(2);
            dialog.InputBase()->setValue(256);
            dialog.TableName()->setText(QStringLiteral("Line 2"));
            dialog.ByteAddressing()->setChecked(true);
            dialog.TypeBox(3)->setCurrentText(QStringLiteral("DINT"));
            QCOMPARE(dialog.Preview()->rowCount(), 6);
            QCOMPARE(dialog.Preview()->item(0, 2)->text(), QStringLiteral("%ID256"));
            QVERIFY(dialog.ExportTo(dir.filePath(QStringLiteral("t.st"))));
        }
        PlcTagDialog again(project.GetSubnet(), configuration, {});
        QCOMPARE(again.FormatBox()->currentIndex(), 2);
        QCOMPARE(again.InputBase()->value(), 256);
        QCOMPARE(again.TableName()->text(), QStringLiteral("Line 2"));
        QVERIFY(again.ByteAddressing()->isChecked());
        QCOMPARE(again.TypeBox(1)->currentText(), QStringLiteral("INT"));
        QCOMPARE(again.TypeBox(3)->currentText(), QStringLiteral("DINT"));
        PlcTagDialog other(project.GetSubnet(), dir.filePath(QStringLiteral("other.xml")), {});
        QCOMPARE(other.FormatBox()->currentIndex(), 0);
        QCOMPARE(other.TypeBox(3)->currentText(), QStringLiteral("INT"));
        QVERIFY(!other.TableName()->isEnabled());
        QVERIFY(quiet.messages.empty());
    }

    void AcceleratorsUniqueInBothLanguages() {
        Project project;
        varkel::testing::BuildTagPlant(project);
        QString english;
        for (const QString& language : {QStringLiteral("en"), QStringLiteral("zh")}) {
            ApplyLanguage(App(), language);
            PlcTagDialog dialog(project.GetSubnet(), QString(), {});
            const QStringList letters = Accelerators(dialog);
            // Qt's own Cancel has none in Chinese.
            QVERIFY2(letters.size() >= 8, qPrintable(letters.join(QLatin1Char(' '))));
            QCOMPARE(QSet<QString>(letters.begin(), letters.end()).size(), letters.size());
            // Translated, not the source texts.
            if (language == QLatin1String("en"))
                english = dialog.windowTitle();
            else
                QVERIFY(dialog.windowTitle() != english);

            Window w;
            QAction* action = w.frame.findChild<TimingCommands*>()->ExportTagsAction();
            const QKeySequence mine = QKeySequence::mnemonic(action->text());
            QVERIFY(!mine.isEmpty());
            for (QAction* other : w.frame.FileMenu()->actions())
                QVERIFY2(other == action || QKeySequence::mnemonic(other->text()) != mine,
                         qPrintable(other->text()));
        }
        initTestCase();
    }

    void PicturesForTheManual() {
        if (qgetenv("VARKEL_SCREENSHOTS").isEmpty())
            QSKIP("VARKEL_SCREENSHOTS names no folder");
        // A small plant: flow and energy meters, a tank, pumps and a valve.
        struct Row {
            int function;
            const char *start, *count, *mapping, *mnemonic;
            int swap;
        } rows[] = {
            {2, "0", "4", "0000H", "Flow", 1},        {3, "30", "2", "0008H", "Tank level", 0},
            {0, "0", "6", "000CH", "Pump run", 0},    {2, "100", "3", "0010H", "Energy", 2},
            {13, "200", "2", "4000H", "Setpoint", 2}, {4, "8", "1", "4004H", "Valve open", 0},
        };
        Project project;
        for (const Row& r : rows) {
            Command* c = AddCommand(project, r.function, r.start, r.count, r.mapping);
            c->GetItem(Command::MnemonicRow)->SetValue(r.mnemonic);
            ParamItem* swap = c->GetItem(Command::SwappingRow);
            swap->SetValue(swap->GetChoices()[static_cast<std::size_t>(r.swap)]);
        }
        QTemporaryDir dir;
        PlcTagDialog dialog(project.GetSubnet(), dir.filePath(QStringLiteral("plant.xml")),
                            {{1, PlcTagType::Real}, {5, PlcTagType::Real}});
        dialog.FormatBox()->setCurrentIndex(1);
        dialog.InputBase()->setValue(256);
        dialog.OutputBase()->setValue(256);
        dialog.TableName()->setText(QStringLiteral("Line2"));
        dialog.TypeBox(4)->setCurrentText(QStringLiteral("DINT"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Shoot(dialog, QStringLiteral("tags"));
        const QString workbook = dir.filePath(QStringLiteral("plant_tags.xlsx"));
        QVERIFY(dialog.ExportTo(workbook));
        ShootSheet(workbook);
    }
};

QTEST_MAIN(PlcTagDialogTest)
#include "PlcTagDialogTest.moc"
