#pragma once
// Shared set-up of the window tests: a main window on a fresh configuration,
// file dialogs answered from a script, and the tree's entries by position.
#include "MessageRecorder.h"
#include "model/Command.h"
#include "model/Node.h"
#include "model/Project.h"
#include "ui/CBriskView.h"
#include "ui/CConfigApp.h"
#include "ui/CDovelDoc.h"
#include "ui/CMainFrame.h"
#include "ui/ConfigTree.h"
#include "ui/ParamGrid.h"
#include "ui/Startup.h"
#include "ui/UndoHistory.h"
#include "ui/UserDialogs.h"
#include "ui/ViewController.h"

#include "../TestCommand.h"

#include <QAction>
#include <QApplication>
#include <QList>
#include <QStringList>
#include <QTreeWidgetItem>
#include <QUrl>

namespace varkel::test {

// The test program's application, for ApplyLanguage.
inline QApplication& App() {
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}

using varkel::testing::AddCommand;

// File dialogs that return the queued names (empty, as if cancelled, when
// none are left) and hand-overs to the desktop that are only recorded.
class ScriptedDialogs : public UserDialogs {
public:
    ScriptedDialogs() { Install(this); }
    ~ScriptedDialogs() override { Install(nullptr); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    QString SaveFileName(QWidget*, const QString&, const QString& filter, const QString&,
                         const QString& startPath) override {
        saveFilters << filter;
        saveStarts << startPath;
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    QString OpenFileName(QWidget*, const QString&, const QString&,
                         const QString& startPath) override {
        ++openAsked;
        openStarts << startPath;
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    bool OpenUrl(const QUrl& url) override {
        opened << url;
        return openResult;
    }

    QStringList saveNames;
    QStringList openNames;
    QStringList saveFilters;
    QStringList saveStarts;
    QStringList openStarts;
    int openAsked = 0;
    QList<QUrl> opened;
    bool openResult = true;
};

// A main window as the program starts it, without a file.
struct Window {
    explicit Window(int device = 0) {
        app.SetDeviceType(device);
        doc.OnNewDocument();
        frame.UpdateTitle();
    }

    ConfigTree& Tree() { return *frame.Tree(); }
    CBriskView& View() { return *frame.View(); }
    ViewController& Control() { return *frame.Controller(); }
    ParamGrid& Grid() { return *frame.View()->Grid(); }
    QTreeWidgetItem* FieldbusItem() { return Tree().topLevelItem(0); }
    QTreeWidgetItem* SubnetItem() { return Tree().topLevelItem(1); }
    QTreeWidgetItem* NodeItem(int i = 0) { return SubnetItem() ? SubnetItem()->child(i) : nullptr; }
    void Select(QTreeWidgetItem* item) { Tree().setCurrentItem(item); }
    bool Enabled(CMainFrame::Command c) { return frame.Action(c)->isEnabled(); }
    void Trigger(CMainFrame::Command c) { frame.Action(c)->trigger(); }
    // Commits a value for a row of the item's object as the grid does.
    void Enter(QTreeWidgetItem* item, int row, const std::string& text) {
        Select(item);
        Control().EnterValue(ConfigTree::EntryOf(item), row, text);
    }
    // Adds a node under the subnet through the Edit command.
    QTreeWidgetItem* AddNode() {
        Select(SubnetItem());
        Trigger(CMainFrame::AddNode);
        return NodeItem(SubnetItem()->childCount() - 1);
    }

    CConfigApp app;
    CDovelDoc doc{app};
    CMainFrame frame{app, doc};
};

} // namespace varkel::test
