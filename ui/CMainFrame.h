#pragma once
#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace varkel {

class ProbeDialog;
class RunGatewayDialog;
class TimingCommands;

class AnnotationPane;
class CBriskView;
class CConfigApp;
class CCoolBar;
class CDovelDoc;
class ConfigTree;
class UndoHistory;
class ViewController;

// The single main window: toolbar, menus, the configuration tree docked on
// the left, the annotation pane docked at the bottom and the parameter view
// in the middle.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Commands of the menus, toolbar and context menu.
    enum Command {
        FileNew,
        FileOpen,
        FileSave,
        FileSaveAs,
        FileExit,
        AddNode,
        DeleteNode,
        AddCommand,
        DeleteCommand,
        Upload,
        Download,
        ExportXls,
        AutoMapping,
        ConflictDetect,
        TestCommands,
        RunGateway,
        ViewToolbar,
        ViewTree,
        ViewAnnotation,
        HelpContent,
        HelpAbout,
        ImportCommands,
        EditUndo,
        EditRedo,
        EditCopy,
        EditPaste,
        EditDuplicate,
        EditMoveUp,
        EditMoveDown,
        CommandCount
    };

    CMainFrame(CConfigApp& app, CDovelDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* Action(Command command) const { return actions_[command]; }
    ConfigTree* Tree() const { return tree_; }
    CBriskView* View() const { return view_; }
    ViewController* Controller() const { return controller_; }
    UndoHistory* History() const { return history_; }
    CDovelDoc& Document() const { return doc_; }
    AnnotationPane* Annotation() const { return annotation_; }
    CCoolBar* TreePane() const { return treePane_; }
    CCoolBar* AnnotationBar() const;
    QToolBar* ToolBar() const { return toolbar_; }
    QMenu* ContextMenu() const { return contextMenu_; }
    QMenu* FileMenu() const { return fileMenu_; }

    // The title: "plant.xml[*] — TRX20A configuration software" (file name,
    // modified mark, gateway model), or the model alone without a file; the
    // full path in the status bar's file entry and its tip.
    void UpdateTitle();
    QLabel* FileLabel() const { return fileLabel_; }

    // Rebuilds the tree from the project and expands it.
    void RebuildTree();
    void SetAnnotationText(const QString& text);
    // Enables the commands by the selection and the configuration.
    void UpdateActions();
    // Lists the recent files in the File menu again.
    void UpdateRecentFiles();
    // The user manual of the language in use.
    static QString ManualPath();

    // Size, place, panes and the tree/grid split as the last run left them;
    // a place no screen shows any more is moved onto the primary screen.
    void SaveWindowState() const;
    void RestoreWindowState();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateLanguageMenu(QMenu* view);
    void CreateToolBar();
    void CreatePanes();
    // The parts talk through signals; the window connects them.
    void ConnectParts();
    // The document holds a new configuration or a file: show it afresh.
    void ShowReplaced();
    void SetKeyboardOrder();
    // Every text of the window in the active language: the commands, the
    // menus, the panes' titles, the tool tips and the title.
    void RetranslateUi();
    // Undo and Redo named with what they undo and redo.
    void ShowUndoTexts();
    // Each toolbar button's tip: its command and its key.
    void UpdateToolTips();
    // View > Language: remembered and applied to every window at once.
    void OnLanguageChosen(const QString& code);
    // After a change of language: the window's texts, and the tree and
    // the grid built again on the same entry, the configuration untouched.
    void ShowInLanguage();
    void OnHelpContent();
    void OnAbout();
    void OnTestCommands();
    void OnRunGateway();

    CConfigApp& app_;
    CDovelDoc& doc_;
    std::array<QAction*, CommandCount> actions_{};
    ProbeDialog* probe_ = nullptr;           // made on first use, a child of the window
    RunGatewayDialog* runGateway_ = nullptr; // likewise
    TimingCommands* timing_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    ConfigTree* tree_ = nullptr;
    AnnotationPane* annotation_ = nullptr;
    CCoolBar* treePane_ = nullptr;
    CBriskView* view_ = nullptr;
    UndoHistory* history_ = nullptr;
    ViewController* controller_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentActions_;
};

} // namespace varkel
