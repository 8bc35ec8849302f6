// Runs under LANG=C (see CMakeLists): a desktop whose locale is not Chinese.
#include "UiFixture.h"

#include "model/Fieldbus.h"
#include "model/TextTable.h"
#include "ui/SelectDeviceDialog.h"
#include "ui/Startup.h"
#include "widgets/CCoolBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace varkel;
using namespace varkel::test;

namespace {

bool HasChinese(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

bool HasLatinWord(const QString& text) {
    int run = 0;
    for (QChar c : text) {
        run = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? run + 1 : 0;
        if (run >= 3)
            return true;
    }
    return false;
}

void AddMenuTexts(QMenu* menu, QStringList& texts) {
    texts << menu->title();
    for (QAction* action : menu->actions()) {
        // The language choices are named in their own language on purpose.
        if (action->objectName().startsWith(QLatin1String("language_")) || action->isSeparator())
            continue;
        if (action->menu())
            AddMenuTexts(action->menu(), texts);
        else if (!action->text().isEmpty())
            texts << action->text();
    }
}

// Every text a user meets first: menus, toolbar, tree, grid headers and
// names, the Select Device dialog, a Yes/No/Cancel box and its caption.
QStringList WindowTexts() {
    QStringList texts;
    Window w;
    for (QAction* top : w.frame.menuBar()->actions())
        if (top->menu())
            AddMenuTexts(top->menu(), texts);
    w.Select(w.SubnetItem());
    for (int i = 0; i < w.Tree().topLevelItemCount(); ++i)
        texts << w.Tree().topLevelItem(i)->text(0);
    QAbstractItemModel* grid = w.Grid().model();
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << grid->headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < grid->rowCount(); ++r)
        texts << grid->index(r, 0).data().toString();
    SelectDeviceDialog device;
    texts << device.windowTitle();
    for (QAbstractButton* button : device.findChildren<QAbstractButton*>())
        texts << button->text();
    QMessageBox box(QMessageBox::Question, CConfigApp::AppTitle(), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    texts << box.windowTitle();
    for (QAbstractButton* button : box.buttons())
        texts << button->text();
    texts.removeAll(QString());
    return texts;
}

// The letter Alt reaches an entry by: after "&" ("&File", "文件(&F)"), or
// none.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toUpper();
        ++i; // "&&" is a plain ampersand
    }
    return {};
}

// Entries of one menu that share their letter, as "menu: letter: a | b".
void FindSharedMnemonics(const QString& where, const QList<QAction*>& actions,
                         QStringList& shared) {
    QMap<QChar, QStringList> byLetter;
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString text = action->menu() ? action->menu()->title() : action->text();
        if (const QChar letter = Mnemonic(text); !letter.isNull())
            byLetter[letter] << text;
        if (action->menu())
            FindSharedMnemonics(where + QStringLiteral(" > ") + action->menu()->title(),
                                action->menu()->actions(), shared);
    }
    for (auto it = byLetter.cbegin(); it != byLetter.cend(); ++it)
        if (it.value().size() > 1)
            shared << QStringLiteral("%1: %2: %3").arg(where, it.key(), it.value().join(" | "));
}

// What the window shows, in a fixed order: menus, toolbar words, panes,
// tree, grid, status bar and title.
QStringList ShownTexts(Window& w) {
    QStringList texts;
    for (QAction* top : w.frame.menuBar()->actions())
        if (top->menu())
            AddMenuTexts(top->menu(), texts);
    for (QAction* action : w.frame.ToolBar()->actions())
        if (!action->isSeparator())
            texts << action->iconText() << action->toolTip();
    texts << w.frame.TreePane()->windowTitle() << w.frame.AnnotationBar()->windowTitle();
    for (QTreeWidgetItemIterator it(&w.Tree()); *it; ++it)
        texts << (*it)->text(0);
    QAbstractItemModel* grid = w.Grid().model();
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << grid->headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < grid->rowCount(); ++r)
        texts << grid->index(r, 0).data().toString() << grid->index(r, 1).data().toString();
    for (QLabel* label : w.frame.statusBar()->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << label->text();
    texts << w.frame.windowTitle();
    return texts;
}

// The configuration's every item as stored: a change of language must not
// touch it.
QString Configuration(const Project& project) {
    QStringList items;
    auto add = [&items](const auto& object) {
        for (int i = 0; object.GetItem(i); ++i)
            items << QString::fromStdString(object.GetItem(i)->GetName() + "=" +
                                            object.GetItem(i)->GetValue());
    };
    add(project.GetFieldbus());
    add(project.GetSubnet());
    for (int n = 0; n < project.GetSubnet().GetNodeCount(); ++n) {
        const Node* node = project.GetSubnet().GetNodeAt(n);
        add(*node);
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            items << QString::fromStdString(node->GetCommandAt(c)->GetName());
            for (int i = 0; i < node->GetCommandAt(c)->GetItemCount(); ++i)
                items << QString::fromStdString(node->GetCommandAt(c)->GetItem(i)->GetValue());
        }
    }
    return items.join(QLatin1Char('\n'));
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QSettings().clear(); }

    void SettingDecidesAndNeverTheLocale() {
        QVERIFY2(QLocale::system().language() != QLocale::Chinese, "run under LANG=C");
        QCOMPARE(ChosenLanguage(QString()), QStringLiteral("zh"));
        RememberLanguage(QStringLiteral("en"));
        QCOMPARE(ChosenLanguage(QString()), QStringLiteral("en"));
        QCOMPARE(ChosenLanguage(QStringLiteral("zh")), QStringLiteral("zh"));
        QSettings().setValue(QStringLiteral("language"), QStringLiteral("fr"));
        QCOMPARE(ChosenLanguage(QString()), QStringLiteral("zh"));
    }

    void WholeWindowInOneLanguage_data() {
        QTest::addColumn<QString>("remembered");
        QTest::newRow("default") << QString();
        QTest::newRow("zh") << QStringLiteral("zh");
        QTest::newRow("en") << QStringLiteral("en");
    }

    void WholeWindowInOneLanguage() {
        QFETCH(QString, remembered);
        if (!remembered.isEmpty())
            RememberLanguage(remembered);
        auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        const QString language = ChosenLanguage(QString());
        ApplyLanguage(*app, language);
        const QStringList texts = WindowTexts();
        QVERIFY(texts.size() > 30);
        const bool chinese = language == QLatin1String("zh");
        QCOMPARE(GetTextLanguage(), chinese ? TextLanguage::Chinese : TextLanguage::English);
        for (const QString& text : texts) {
            if (chinese)
                QVERIFY2(HasChinese(text) || !HasLatinWord(text), qPrintable(text));
            else
                QVERIFY2(!HasChinese(text), qPrintable(text));
        }
        QCOMPARE(CConfigApp::AppTitle(),
                 chinese ? QStringLiteral("提示信息") : QStringLiteral("Varkel"));
        ApplyLanguage(*app, QStringLiteral("en"));
    }

    // Every menu of the main window, the menu bar and the tree's menu
    // included, reaches each entry by a letter of its own, in both
    // languages.
    void AcceleratorsAreUniqueInEveryMenu_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("zh") << QStringLiteral("zh");
        QTest::newRow("en") << QStringLiteral("en");
    }
    void AcceleratorsAreUniqueInEveryMenu() {
        QFETCH(QString, language);
        auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        ApplyLanguage(*app, language);
        MessageRecorder quiet;
        Window w;
        QStringList shared;
        FindSharedMnemonics(QStringLiteral("menu bar"), w.frame.menuBar()->actions(), shared);
        FindSharedMnemonics(QStringLiteral("tree menu"), w.frame.ContextMenu()->actions(), shared);
        ApplyLanguage(*app, QStringLiteral("en"));
        QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QLatin1Char('\n'))));
    }

    // View > Language changes the whole window at once, both ways: every
    // text it shows is in the new language, the configuration, the entry
    // and the row stay as they were, and the choice is remembered.
    void LanguageMenuSwitchesTheWindowAtOnce() {
        auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        ApplyLanguage(*app, QStringLiteral("zh"));
        QCoreApplication::processEvents();
        MessageRecorder recorder;
        Window w;
        w.Select(w.AddNode());
        w.Control().AddCommandOfFunctionIndex(2);
        QTreeWidgetItem* command = w.NodeItem()->child(0);
        w.Select(command);
        w.Grid().setCurrentCell(Command::MappingRow, ParamGrid::ValueColumn);
        const QString state = Configuration(w.app.GetProject());
        const int modified = w.app.GetModified();

        const QStringList chinese = ShownTexts(w);
        QVERIFY(chinese.size() > 40);
        struct Switch {
            const char* action;
            const char* code;
            bool chineseAfter;
        };
        for (const Switch& to :
             {Switch{"language_en", "en", false}, Switch{"language_zh", "zh", true}}) {
            const QStringList before = ShownTexts(w);
            w.frame.findChild<QAction*>(QLatin1String(to.action))->trigger();
            QCoreApplication::processEvents();
            QCOMPARE(ChosenLanguage(QString()), QLatin1String(to.code));
            QVERIFY(w.frame.findChild<QAction*>(QLatin1String(to.action))->isChecked());
            const QStringList after = ShownTexts(w);
            QCOMPARE(after.size(), before.size());
            // In English no Chinese is left; back in Chinese, the window
            // reads exactly as one made in Chinese (no English left over).
            if (to.chineseAfter)
                for (qsizetype i = 0; i < after.size(); ++i)
                    QCOMPARE(after[i], chinese[i]);
            else
                for (const QString& text : after)
                    // Undo and Redo name the steps as they were recorded.
                    QVERIFY2(!HasChinese(text) ||
                                 text == w.frame.Action(CMainFrame::EditUndo)->text() ||
                                 text == w.frame.Action(CMainFrame::EditRedo)->text(),
                             qPrintable(text));
            QCOMPARE(Configuration(w.app.GetProject()), state);
            QCOMPARE(w.app.GetModified(), modified);
            QCOMPARE(w.Tree().currentItem()->text(0), w.NodeItem()->child(0)->text(0));
            QCOMPARE(w.View().SelectedEntry(), ConfigTree::EntryOf(w.NodeItem()->child(0)));
            QCOMPARE(w.Grid().currentRow(), int(Command::MappingRow));
        }
        QVERIFY(recorder.messages.empty());
        ApplyLanguage(*app, QStringLiteral("en"));
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
