// File > Import Commands: the preview before anything changes, the refused
// rows it marks, and the one step that applies the list.
#include "ui/ImportDialog.h"
#include "UiFixture.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace varkel;
using namespace varkel::test;

namespace {

const QColor kRefused(255, 214, 214);

QString WriteList(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

// A node with two commands the import must leave alone when refused.
void TwoCommands(Project& project) {
    Node* node = project.GetSubnet().CreateNode();
    node->CreateCommand(2)->GetItem(Command::MnemonicRow)->SetValue("kept");
    node->CreateCommand(0);
}

} // namespace

class ImportDialogTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void init() { SetTextLanguage(TextLanguage::English); }
    void cleanup() { SetTextLanguage(TextLanguage::Chinese); }

    void PreviewMarksTheRefusedRowAndChangesNothing() {
        Project project;
        TwoCommands(project);
        const QString path = WriteList(dir_, QStringLiteral("refused.csv"),
                                       "function,start,count,map,swap,mnemonic\n"
                                       "3,100,10,0,Two bytes swapping,Tank level\n"
                                       "4,7,85,14,No swapping,Flow\n"
                                       "16,0,2,4000,,Setpoint\n");
        ImportDialog dialog(project, path);
        QVERIFY(dialog.ListRead());
        QTableWidget* preview = dialog.Preview();
        QCOMPARE(preview->rowCount(), 3);
        QCOMPARE(preview->item(0, 0)->text(), QStringLiteral("2"));
        QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("OK"));
        QCOMPARE(preview->item(0, 2)->text(),
                 QString::fromStdString(LocalText(kKeyReadHoldingRegisters)));
        QCOMPARE(preview->item(0, 5)->text(), QStringLiteral("0H"));
        QCOMPARE(preview->item(1, 1)->text(), QStringLiteral("Refused"));
        QCOMPARE(preview->item(1, 1)->background().color(), kRefused);
        QVERIFY(preview->item(1, 1)->toolTip().contains(QStringLiteral("row 3 column C")));
        QVERIFY(preview->item(0, 1)->background().style() == Qt::NoBrush);
        // The refused cell holds the refused text.
        QCOMPARE(preview->item(1, 4)->text(), QStringLiteral("85"));
        QVERIFY(preview->item(1, 4)->background().color() != kRefused);
        QCOMPARE(dialog.Problems()->count(), 1);
        QCOMPARE(dialog.Problems()->item(0)->text(),
                 QStringLiteral("refused.csv row 3 column C (count): Data number: 85 is out of "
                                "range 1-84"));
        QVERIFY(!dialog.ImportButton()->isEnabled());
        QVERIFY(!dialog.ApplyImport());
        Node* node = project.GetSubnet().GetNodeAt(0);
        QCOMPARE(node->GetCommandCount(), 2);
        QCOMPARE(node->GetCommandAt(0)->GetItem(Command::MnemonicRow)->GetValue(),
                 std::string("kept"));

        // Looked at by eye: the preview with its refused row.
        dialog.show();
        QVERIFY(dialog.grab().save(QStringLiteral("import_preview_en.png")));
    }

    void ImportAppliesTheModesInOneStep() {
        Project project;
        TwoCommands(project);
        const QString path =
            WriteList(dir_, QStringLiteral("good.csv"), "function;count\n3;2\n4;1\n");
        ImportDialog dialog(project, path);
        QVERIFY(dialog.ImportButton()->isEnabled());
        dialog.AppendButton()->setChecked(true); // refreshes the preview
        QCOMPARE(dialog.Preview()->rowCount(), 2);
        dialog.AutoMapBox()->setChecked(true);
        QVERIFY(dialog.ApplyImport());
        Node* node = project.GetSubnet().GetNodeAt(0);
        QCOMPARE(node->GetCommandCount(), 4);
        QCOMPARE(node->GetCommandAt(3)->GetItem(Command::MappingRow)->GetValue(),
                 std::string("0004H"));
    }

    void HeaderAloneImportsNothing() {
        Project project;
        TwoCommands(project);
        ImportDialog dialog(project,
                            WriteList(dir_, QStringLiteral("empty.csv"), "function;count\n"));
        QVERIFY(dialog.ListRead());
        QVERIFY(!dialog.ImportButton()->isEnabled());
        QVERIFY(dialog.Problems()->item(0)->text().contains(QStringLiteral("no command rows")));
        // Appended, nothing is refused, and still nothing to import.
        dialog.AppendButton()->setChecked(true);
        QVERIFY(!dialog.ImportButton()->isEnabled());
        QVERIFY(dialog.Problems()->item(0)->text().contains(QStringLiteral("nothing is appended")));
        QVERIFY(!dialog.ApplyImport());
        QCOMPARE(project.GetSubnet().GetNodeAt(0)->GetCommandCount(), 2);

        // Looked at by eye: the note and the disabled Import button.
        dialog.show();
        QVERIFY(dialog.grab().save(QStringLiteral("import_nothing_en.png")));
    }

    void UnreadableListShowsWhy() {
        Project project;
        TwoCommands(project);
        const QString path = WriteList(dir_, QStringLiteral("nul.csv"), QByteArray("f\0", 2));
        ImportDialog dialog(project, path);
        QVERIFY(!dialog.ListRead());
        QVERIFY(!dialog.ImportButton()->isEnabled());
        const QLabel* summary = dialog.findChild<QLabel*>(QStringLiteral("importSummary"));
        QVERIFY(summary && summary->text().contains(QStringLiteral("NUL")));
        QVERIFY(!dialog.ApplyImport());
    }

    void FileMenuImportRebuildsTheTree() {
        ScriptedDialogs dialogs;
        Window window;
        window.AddNode();
        QVERIFY(window.Enabled(CMainFrame::ImportCommands));
        dialogs.openNames << WriteList(dir_, QStringLiteral("menu.csv"),
                                       "Function Code,Mnemonic\n1,a\n2,b\n5,c\n");
        // The modal preview is answered with its Import button.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ImportDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->ImportButton()->click();
        });
        window.Trigger(CMainFrame::ImportCommands);
        QCOMPARE(window.NodeItem()->childCount(), 3);
        QCOMPARE(window.app.GetModified(), 1);
    }
};

QTEST_MAIN(ImportDialogTest)
#include "ImportDialogTest.moc"
