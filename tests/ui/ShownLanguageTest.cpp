// Files made in one language, shown in the other: the stored texts that are
// their keys' texts follow the active language, the file keeps its own.
#include "UiFixture.h"

#include "model/Command.h"
#include "model/FunctionCode.h"
#include "model/ItemKeys.h"
#include "model/ParamItem.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "ui/AnnotationPane.h"
#include "ui/CConflictDlg.h"
#include "ui/Startup.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace varkel;
using namespace varkel::test;

namespace {

const QString kDocs = QStringLiteral(VARKEL_UI_TEST_DATA "/../../../docs/");
constexpr int kSwapRow = 6;

QString Shown(TextLanguage language, int key) {
    return QString::fromStdString(TextIn(language, key));
}

QList<QByteArray> Lines(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
}

struct ShownWindow : Window {
    ShownWindow() {
        frame.show();
        exposed = QTest::qWaitForWindowExposed(&frame);
    }
    bool exposed = false;
    QTreeWidgetItem* CommandItem(int i) { return NodeItem() ? NodeItem()->child(i) : nullptr; }
    QComboBox& Chooser() { return *View().ValueChooser(); }
    void Click(int row, int column) {
        QTableWidgetItem* cell = Grid().item(row, column);
        QVERIFY2(cell, "no such cell");
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                          Grid().visualItemRect(cell).center());
    }
};

} // namespace

class ShownLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { SetTextLanguage(TextLanguage::Chinese); }

    void FileOfTheOtherLanguage_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("madeInChinese");
        QTest::newRow("Chinese file, English window") << QStringLiteral("plant_zh.xml") << true;
        QTest::newRow("English file, Chinese window") << QStringLiteral("plant_en.xml") << false;
    }

    // Tree, grid values, drop-down, help and the conflict dialog in the
    // window's language; a picked choice saved as the file's own text.
    void FileOfTheOtherLanguage() {
        QFETCH(QString, file);
        QFETCH(bool, madeInChinese);
        const TextLanguage made = madeInChinese ? TextLanguage::Chinese : TextLanguage::English;
        const TextLanguage shown = madeInChinese ? TextLanguage::English : TextLanguage::Chinese;
        SetTextLanguage(shown);
        MessageRecorder recorder;
        ShownWindow w;
        QVERIFY(w.exposed);
        QVERIFY(w.doc.OnOpenDocument(kDocs + file));

        QCOMPARE(w.FieldbusItem()->text(0), Shown(shown, 17));
        QCOMPARE(w.SubnetItem()->text(0), Shown(shown, 18));
        QTreeWidgetItem* entry = w.CommandItem(0);
        QVERIFY(entry);
        const Command* command = ConfigTree::EntryOf(entry).AsCommand();
        QVERIFY(command);
        const int nameKey = FactsOfIndex(command->GetFunctionIndex()).nameKey;
        // The file really is of the other language.
        QCOMPARE(command->GetName(), TextIn(made, nameKey));
        QCOMPARE(entry->text(0), Shown(shown, nameKey));

        w.Select(entry);
        QCOMPARE(w.Grid().NameText(0), Shown(shown, 3051));
        ParamItem* swap = command->GetItem(kSwapRow);
        QVERIFY(swap);
        const std::vector<int> swapKeys{52, 53, 54};
        const int was = swap->ChoiceIndex();
        QVERIFY(was >= 0);
        QCOMPARE(w.Grid().ValueText(kSwapRow), Shown(shown, swapKeys[was]));

        // The drop-down lists the window's language, its help too.
        w.Click(kSwapRow, ParamGrid::ValueColumn);
        QVERIFY(w.Chooser().isVisible());
        QCOMPARE(w.Chooser().count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w.Chooser().itemText(i), Shown(shown, swapKeys[i]));
        QCOMPARE(w.frame.Annotation()->toPlainText(),
                 Shown(shown, 3015).replace(QLatin1String("\r\n"), QLatin1String("\n")));

        // Commit another choice: stored as the file's own text.
        QTemporaryDir dir;
        const QString before = dir.filePath(QStringLiteral("before.xml"));
        const QString after = dir.filePath(QStringLiteral("after.xml"));
        QVERIFY(w.doc.OnSaveDocument(before));
        const int pick = (was + 1) % 3;
        QAbstractItemView* list = w.Chooser().view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(pick, 0)).center());
        QCOMPARE(swap->GetValue(), TextIn(made, swapKeys[pick]));
        QCOMPARE(w.Grid().ValueText(kSwapRow), Shown(shown, swapKeys[pick]));
        QVERIFY(w.doc.OnSaveDocument(after));
        const QList<QByteArray> a = Lines(before);
        const QList<QByteArray> b = Lines(after);
        QVERIFY(a.size() > 100);
        QCOMPARE(b.size(), a.size());
        QList<int> differing;
        for (int i = 0; i < a.size(); ++i)
            if (a[i] != b[i] && !a[i].contains("<DateTime"))
                differing << i;
        QCOMPARE(differing.size(), 1);
        QVERIFY(b[differing[0]].contains("<CurrentVal"));
        QVERIFY(a[differing[0]].contains("<CurrentVal"));

        // The conflict dialog names the commands the same way.
        CConflictDlg conflicts(w.app.GetProject());
        auto* tree = conflicts.findChild<ConfigTree*>(QStringLiteral("conflictTree"));
        QVERIFY(tree);
        QTreeWidgetItem* node = tree->topLevelItem(1)->child(0);
        QVERIFY(node && node->childCount() > 0);
        QCOMPARE(node->child(0)->text(0), Shown(shown, nameKey));
        QVERIFY(recorder.messages.empty());
    }

    // A file of another language at start: its message, then a new
    // configuration rather than no window.
    void OtherLanguageFileAtStartOpensNew() {
        QTemporaryDir dir;
        QFile source(kDocs + QStringLiteral("plant_en.xml"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QByteArray text = source.readAll();
        QVERIFY(text.contains("<Language Value=\"Chinese\" />"));
        text.replace("<Language Value=\"Chinese\" />", "<Language Value=\"English\" />");
        const QString path = dir.filePath(QStringLiteral("other.xml"));
        QFile target(path);
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.write(text);
        target.close();

        MessageRecorder recorder;
        Window w;
        w.AddNode();
        QVERIFY(!OpenStartFile(w.doc, path));
        QCOMPARE(recorder.messages.size(), std::size_t{1});
        QCOMPARE(recorder.messages[0], LocalText(kKeyLanguageMismatch));
        QCOMPARE(w.SubnetItem()->childCount(), 0);
        QVERIFY(w.doc.GetPathName().isEmpty());

        QVERIFY(OpenStartFile(w.doc, kDocs + QStringLiteral("plant_zh.xml")));
        QCOMPARE(w.SubnetItem()->childCount(), 1);
        QCOMPARE(recorder.messages.size(), std::size_t{1});
    }
};

QTEST_MAIN(ShownLanguageTest)
#include "ShownLanguageTest.moc"
