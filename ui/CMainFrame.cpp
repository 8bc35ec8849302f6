#include "ui/CMainFrame.h"

#include "model/Catalog.h"
#include "model/CommitRules.h"
#include "model/Messages.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "ui/AboutDialog.h"
#include "ui/AnnotationPane.h"
#include "ui/CBriskView.h"
#include "ui/CConfigApp.h"
#include "ui/CDovelDoc.h"
#include "ui/ConfigTree.h"
#include "ui/ParamGrid.h"
#include "ui/ProbeDialog.h"
#include "ui/ProgramIcon.h"
#include "ui/RunGatewayDialog.h"
#include "ui/Startup.h"
#include "ui/TimingCommands.h"
#include "ui/UiText.h"
#include "ui/UndoHistory.h"
#include "ui/UserDialogs.h"
#include "ui/ViewController.h"
#include "widgets/CCoolBar.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>

namespace varkel {

namespace {

// A command's name as its tool tip shows it: without the mnemonic, written
// "&F" or, after a Chinese name, "(&F)", and without a closing "...".
QString ToolTipName(const QString& text) {
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'(' && i + 3 < text.size() && text[i + 1] == u'&' && text[i + 3] == u')') {
            i += 3;
            continue;
        }
        if (text[i] == u'&' && i + 1 < text.size() && text[i + 1] != u'&')
            continue;
        name += text[i];
    }
    if (text.endsWith(QLatin1String("...")) && name.endsWith(QLatin1String("...")))
        name.chop(3);
    return name;
}

} // namespace

CMainFrame::CMainFrame(CConfigApp& app, CDovelDoc& doc, QWidget* parent)
    : QMainWindow(parent), app_(app), doc_(doc) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(ProgramIcon("varkel"));
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    doc_.SetWindow(this);
    // The title's "[*]" shows as an asterisk while there are unsaved changes.
    app_.SetModifiedListener([this](bool modified) { setWindowModified(modified); });

    fileLabel_ = new QLabel(statusBar());
    fileLabel_->setObjectName(QStringLiteral("statusFile"));
    fileLabel_->setContentsMargins(6, 0, 6, 0);
    statusBar()->addWidget(fileLabel_, 1);
    CreatePanes();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    SetKeyboardOrder();
    timing_ = new TimingCommands(app_, *this);
    RetranslateUi();
    ConnectParts();

    RebuildTree();
    UpdateActions();
    UpdateRecentFiles();

    resize(980, 660);
    resizeDocks({treePane_}, {250}, Qt::Horizontal);
    resizeDocks({annotation_->Bar()}, {120}, Qt::Vertical);
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    setAcceptDrops(true);
}

namespace {
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");

// The one configuration file among dropped entries, or empty.
QString DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    // Only a configuration file: a folder, a workbook or a list dropped here
    // is refused at once instead of after the question to save.
    const QFileInfo file(url.toLocalFile());
    if (!file.isFile() || file.suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) != 0)
        return {};
    return file.filePath();
}
} // namespace

void CMainFrame::SaveWindowState() const {
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kStateKey, saveState());
}

void CMainFrame::RestoreWindowState() {
    QSettings settings;
    restoreGeometry(settings.value(kGeometryKey).toByteArray());
    restoreState(settings.value(kStateKey).toByteArray());
    // A screen taken away or made smaller: the window comes back whole onto
    // the screen under its middle, else the primary one.
    const QScreen* target = QGuiApplication::screenAt(frameGeometry().center());
    if (!target)
        target = QGuiApplication::primaryScreen();
    if (!target)
        return;
    const QRect area = target->availableGeometry();
    if (area.contains(frameGeometry()))
        return;
    const QSize decoration = frameGeometry().size() - size();
    resize(size().boundedTo(area.size() - decoration));
    const QRect frame = frameGeometry();
    move(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()),
         std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Asks to save the current configuration first, as File > Open does.
    doc_.OpenRecentFile(path);
}

CMainFrame::~CMainFrame() {
    // The view's slots must not run on a half-destroyed window.
    disconnect(tree_, nullptr, view_, nullptr);
    disconnect(tree_, nullptr, this, nullptr);
    // Nor the window's: the parts are deleted after it.
    for (QObject* part : std::initializer_list<QObject*>{view_, controller_, history_, &doc_})
        disconnect(part, nullptr, this, nullptr);
    disconnect(view_, nullptr, controller_, nullptr);
    disconnect(history_->Stack(), nullptr, this, nullptr);
    doc_.SetWindow(nullptr);
    app_.SetModifiedListener(nullptr);
}

CCoolBar* CMainFrame::AnnotationBar() const {
    return annotation_->Bar();
}

void CMainFrame::CreatePanes() {
    treePane_ = new CCoolBar(QString(), QSize(250, 500), QStringLiteral("treePane"), this);
    tree_ = new ConfigTree(treePane_);
    treePane_->SetChild(tree_);
    addDockWidget(Qt::LeftDockWidgetArea, treePane_);

    annotation_ = new AnnotationPane;
    annotation_->SetFrame(this);
    annotation_->Create();

    view_ = new CBriskView(*tree_, this);
    view_->SetRefusedValues([this] { return RefusedValues(app_.GetProject()); });
    setCentralWidget(view_);
    history_ = new UndoHistory(
        app_.GetProject(), [this] { return tree_->CurrentPath(); }, this);
    controller_ = new ViewController(
        app_.GetProject(), *tree_, *view_, *history_, [this] { return doc_.GetPathName(); }, this);
}

void CMainFrame::ConnectParts() {
    connect(tree_, &QTreeWidget::currentItemChanged, view_,
            [this](QTreeWidgetItem* current) { view_->OnSelectionChanged(current); });
    connect(tree_, &ConfigTree::RightClicked, view_,
            [this](const QPoint& position) { view_->OnTreeRightClick(position); });
    // Several commands selected without moving the current entry.
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &CMainFrame::UpdateActions);

    connect(view_, &CBriskView::HelpText, this, &CMainFrame::SetAnnotationText);
    connect(view_, &CBriskView::SelectionChanged, this, &CMainFrame::UpdateActions);
    connect(view_, &CBriskView::ContextMenuWanted, this,
            [this](const QPoint& position) { contextMenu_->exec(position); });
    connect(view_, &CBriskView::ValueEntered, controller_, &ViewController::EnterValue);
    connect(controller_, &ViewController::ActionsChanged, this, &CMainFrame::UpdateActions);
    connect(history_, &UndoHistory::ModifiedChanged, this, [this](bool modified) {
        app_.SetModified(modified);
        UpdateActions();
    });

    connect(&doc_, &CDovelDoc::RecentFilesChanged, this, &CMainFrame::UpdateRecentFiles);
    connect(&doc_, &CDovelDoc::Replaced, this, &CMainFrame::ShowReplaced);
    connect(&doc_, &CDovelDoc::Saved, this, [this] {
        history_->MarkSaved();
        UpdateTitle();
    });
}

void CMainFrame::ShowReplaced() {
    RebuildTree();
    UpdateTitle();
    history_->Forget();
    view_->ClearGrid();
    view_->ResetSelection();
    // Nothing shows the replaced objects any more.
    app_.GetProject().ReleaseRetired();
    UpdateActions();
    // A file edited by hand may hold values the grid would refuse: say so
    // once, the grid marks them.
    if (!doc_.GetPathName().isEmpty()) {
        const std::size_t outside = RefusedValues(app_.GetProject()).size();
        if (outside > 0)
            ShowWarning(tr("%1 values of this file are outside their range; the grid marks them "
                           "red (`varkel-cli check` lists them).")
                            .arg(outside)
                            .toStdString());
    }
}

void CMainFrame::CreateActions() {
    auto make = [this](Command id, const QString& text, const char* icon = nullptr) {
        auto* action = new QAction(text, this);
        if (icon)
            action->setIcon(ProgramIcon(icon));
        actions_[id] = action;
        return action;
    };

    QAction* a = make(FileNew, QString(), "new");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(a, &QAction::triggered, &doc_, &CDovelDoc::FileNew);

    a = make(FileOpen, QString(), "open");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(a, &QAction::triggered, &doc_, &CDovelDoc::FileOpen);

    a = make(FileSave, QString(), "save");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(a, &QAction::triggered, &doc_, [this] { doc_.FileSave(); });

    a = make(FileSaveAs, QString());
    connect(a, &QAction::triggered, &doc_, [this] { doc_.FileSaveAs(); });

    a = make(FileExit, QString());
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(a, &QAction::triggered, this, &QWidget::close);

    a = make(AddNode, QString(), "add-node");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    connect(a, &QAction::triggered, controller_, &ViewController::OnAddNode);

    a = make(DeleteNode, QString(), "delete-node");
    connect(a, &QAction::triggered, controller_, &ViewController::OnDeleteNode);

    a = make(AddCommand, QString(), "add-command");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    connect(a, &QAction::triggered, controller_, &ViewController::OnAddCommand);

    a = make(DeleteCommand, QString(), "delete-command");
    connect(a, &QAction::triggered, controller_, &ViewController::OnDeleteCommand);

    a = make(Upload, QString(), "upload");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    connect(a, &QAction::triggered, controller_, &ViewController::OnUpload);

    a = make(Download, QString(), "download");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(a, &QAction::triggered, controller_, &ViewController::OnDownload);

    a = make(ExportXls, QString(), "export");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(a, &QAction::triggered, controller_, &ViewController::OnExportXls);

    a = make(ImportCommands, QString());
    connect(a, &QAction::triggered, controller_, &ViewController::OnImportCommands);

    a = make(AutoMapping, QString(), "map");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(a, &QAction::triggered, controller_, &ViewController::OnAutoMapping);

    a = make(ConflictDetect, QString(), "conflict");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(a, &QAction::triggered, controller_, &ViewController::OnConflictDetect);

    a = make(TestCommands, QString(), "probe");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    connect(a, &QAction::triggered, this, &CMainFrame::OnTestCommands);

    a = make(RunGateway, QString());
    connect(a, &QAction::triggered, this, &CMainFrame::OnRunGateway);

    a = make(HelpContent, QString(), "help");
    a->setShortcut(QKeySequence::HelpContents);
    connect(a, &QAction::triggered, this, &CMainFrame::OnHelpContent);

    a = make(HelpAbout, QString());
    connect(a, &QAction::triggered, this, &CMainFrame::OnAbout);

    QUndoStack* stack = history_->Stack();
    // Not the stack's own actions: their word "Undo" would stay in the
    // language they were made in.
    a = new QAction(this);
    a->setIcon(ProgramIcon("undo"));
    a->setEnabled(stack->canUndo());
    connect(stack, &QUndoStack::canUndoChanged, a, &QAction::setEnabled);
    connect(stack, &QUndoStack::undoTextChanged, this, [this] { ShowUndoTexts(); });
    connect(a, &QAction::triggered, stack, &QUndoStack::undo);
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions_[EditUndo] = a;
    a = new QAction(this);
    a->setIcon(ProgramIcon("redo"));
    a->setEnabled(stack->canRedo());
    connect(stack, &QUndoStack::canRedoChanged, a, &QAction::setEnabled);
    connect(stack, &QUndoStack::redoTextChanged, this, [this] { ShowUndoTexts(); });
    connect(a, &QAction::triggered, stack, &QUndoStack::redo);
    a->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    actions_[EditRedo] = a;

    a = make(EditCopy, QString());
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(a, &QAction::triggered, controller_, &ViewController::OnCopy);
    a = make(EditPaste, QString());
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(a, &QAction::triggered, controller_, &ViewController::OnPaste);
    a = make(EditDuplicate, QString());
    // Ctrl+D is Download.
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    connect(a, &QAction::triggered, controller_, &ViewController::OnDuplicate);
    a = make(EditMoveUp, QString());
    a->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    connect(a, &QAction::triggered, controller_, &ViewController::OnMoveUp);
    a = make(EditMoveDown, QString());
    a->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    connect(a, &QAction::triggered, controller_, &ViewController::OnMoveDown);

    for (QAction* action : actions_)
        if (action)
            action->setShortcutContext(Qt::WindowShortcut);
    // Copy, paste and move of commands belong to the tree: in the grid's
    // editors the same keys copy and paste text and open a drop-down list.
    for (Command id : {EditCopy, EditPaste, EditMoveUp, EditMoveDown}) {
        actions_[id]->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        tree_->addAction(actions_[id]);
    }
    // The Delete key removes what the tree has selected, a node or commands,
    // with the same question as the menu.
    auto* deleteKey = new QAction(this);
    deleteKey->setObjectName(QStringLiteral("deleteKey"));
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(deleteKey, &QAction::triggered, controller_, &ViewController::OnDeleteSelected);
    tree_->addAction(deleteKey);
}

void CMainFrame::CreateMenus() {
    fileMenu_ = menuBar()->addMenu(QString());
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    fileMenu_->setToolTipsVisible(true);
    fileMenu_->addAction(actions_[FileNew]);
    fileMenu_->addAction(actions_[FileOpen]);
    fileMenu_->addAction(actions_[FileSave]);
    fileMenu_->addAction(actions_[FileSaveAs]);
    fileMenu_->addSeparator();
    fileMenu_->addAction(actions_[ImportCommands]);
    recentSeparator_ = fileMenu_->addSeparator();
    fileMenu_->addSeparator();
    fileMenu_->addAction(actions_[FileExit]);

    QMenu* edit = menuBar()->addMenu(QString());
    edit->setObjectName(QStringLiteral("editMenu"));
    edit->addAction(actions_[EditUndo]);
    edit->addAction(actions_[EditRedo]);
    edit->addSeparator();
    edit->addAction(actions_[EditCopy]);
    edit->addAction(actions_[EditPaste]);
    edit->addAction(actions_[EditDuplicate]);
    edit->addAction(actions_[EditMoveUp]);
    edit->addAction(actions_[EditMoveDown]);
    edit->addSeparator();
    edit->addAction(actions_[AddNode]);
    edit->addAction(actions_[DeleteNode]);
    edit->addAction(actions_[AddCommand]);
    edit->addAction(actions_[DeleteCommand]);
    edit->addSeparator();
    edit->addAction(actions_[Upload]);
    edit->addAction(actions_[Download]);
    edit->addSeparator();
    edit->addAction(actions_[ExportXls]);
    edit->addAction(actions_[AutoMapping]);
    edit->addAction(actions_[ConflictDetect]);
    edit->addAction(actions_[TestCommands]);
    edit->addAction(actions_[RunGateway]);

    // The View entries are the panes' own toggles, so their check marks
    // follow the panes also when a pane is closed with its own button.
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("toolBar"));
    actions_[ViewToolbar] = toolbar_->toggleViewAction();
    actions_[ViewTree] = treePane_->toggleViewAction();
    actions_[ViewAnnotation] = annotation_->Bar()->toggleViewAction();
    QMenu* view = menuBar()->addMenu(QString());
    view->setObjectName(QStringLiteral("viewMenu"));
    view->addAction(actions_[ViewToolbar]);
    view->addAction(actions_[ViewTree]);
    view->addAction(actions_[ViewAnnotation]);
    view->addSeparator();
    CreateLanguageMenu(view);

    QMenu* help = menuBar()->addMenu(QString());
    help->setObjectName(QStringLiteral("helpMenu"));
    help->addAction(actions_[HelpContent]);
    help->addSeparator();
    help->addAction(actions_[HelpAbout]);

    contextMenu_ = new QMenu(this);
    contextMenu_->setObjectName(QStringLiteral("treeContextMenu"));
    contextMenu_->addAction(actions_[AddNode]);
    contextMenu_->addAction(actions_[DeleteNode]);
    contextMenu_->addAction(actions_[AddCommand]);
    contextMenu_->addAction(actions_[DeleteCommand]);
    contextMenu_->addSeparator();
    contextMenu_->addAction(actions_[EditCopy]);
    contextMenu_->addAction(actions_[EditPaste]);
    contextMenu_->addAction(actions_[EditDuplicate]);
    contextMenu_->addAction(actions_[EditMoveUp]);
    contextMenu_->addAction(actions_[EditMoveDown]);
}

void CMainFrame::CreateLanguageMenu(QMenu* view) {
    // Each language is named in itself, so that a reader of either finds it.
    QMenu* language = view->addMenu(QString());
    language->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(language);
    const bool english = GetTextLanguage() == TextLanguage::English;
    const struct {
        QString code;
        QString name;
        bool active;
    } choices[] = {{QStringLiteral("zh"), QStringLiteral("中文"), !english},
                   {QStringLiteral("en"), QStringLiteral("English"), english}};
    for (const auto& choice : choices) {
        QAction* action = language->addAction(choice.name);
        action->setObjectName(QStringLiteral("language_") + choice.code);
        action->setCheckable(true);
        action->setChecked(choice.active);
        group->addAction(action);
        const QString code = choice.code;
        connect(action, &QAction::triggered, this, [this, code] { OnLanguageChosen(code); });
    }
}

void CMainFrame::CreateToolBar() {
    toolbar_->setIconSize(QSize(32, 32));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->addAction(actions_[FileNew]);
    toolbar_->addAction(actions_[FileSave]);
    toolbar_->addAction(actions_[FileOpen]);
    toolbar_->addSeparator();
    toolbar_->addAction(actions_[EditUndo]);
    toolbar_->addAction(actions_[EditRedo]);
    toolbar_->addSeparator();
    toolbar_->addAction(actions_[AddNode]);
    toolbar_->addAction(actions_[DeleteNode]);
    toolbar_->addAction(actions_[AddCommand]);
    toolbar_->addAction(actions_[DeleteCommand]);
    toolbar_->addSeparator();
    toolbar_->addAction(actions_[Upload]);
    toolbar_->addAction(actions_[Download]);
    toolbar_->addSeparator();
    toolbar_->addAction(actions_[AutoMapping]);
    toolbar_->addAction(actions_[ConflictDetect]);
    toolbar_->addAction(actions_[ExportXls]);
    toolbar_->addAction(actions_[TestCommands]);
    addToolBar(Qt::TopToolBarArea, toolbar_);
}

void CMainFrame::RetranslateUi() {
    const auto set = [this](Command id, const QString& text) { actions_[id]->setText(text); };
    set(FileNew, tr("&New"));
    set(FileOpen, tr("&Open..."));
    set(FileSave, tr("&Save"));
    set(FileSaveAs, tr("Save &As..."));
    set(FileExit, tr("E&xit"));
    set(AddNode, tr("Add &Node"));
    set(DeleteNode, tr("&Delete Node"));
    set(AddCommand, tr("Add &Command..."));
    set(DeleteCommand, tr("De&lete Command"));
    set(Upload, tr("&Upload..."));
    set(Download, tr("Do&wnload..."));
    set(ExportXls, tr("&Export XLS..."));
    set(ImportCommands, tr("I&mport Commands..."));
    set(AutoMapping, tr("Auto &Mapping"));
    set(ConflictDetect, tr("Conflict De&tect..."));
    set(TestCommands, tr("Te&st Commands..."));
    set(RunGateway, tr("Run G&ateway"));
    set(HelpContent, tr("&Contents"));
    set(HelpAbout, tr("&About..."));
    set(EditCopy, tr("Cop&y Commands"));
    set(EditPaste, tr("&Paste Commands"));
    set(EditDuplicate, tr("Dupl&icate Commands"));
    set(EditMoveUp, tr("Mo&ve Up"));
    set(EditMoveDown, tr("Move D&own"));
    // The toolbar's words under the pictures: the original table's texts.
    const std::pair<Command, int> keyed[] = {{FileNew, kKeyToolbarNew},
                                             {FileOpen, kKeyToolbarOpen},
                                             {FileSave, kKeyToolbarSave},
                                             {AddNode, kKeyToolbarAddNode},
                                             {DeleteNode, kKeyToolbarDeleteNode},
                                             {AddCommand, kKeyToolbarAddCommand},
                                             {DeleteCommand, kKeyToolbarDeleteCommand},
                                             {Upload, kKeyToolbarUpload},
                                             {Download, kKeyToolbarDownload},
                                             {ExportXls, kKeyToolbarExport},
                                             {AutoMapping, kKeyToolbarMap},
                                             {ConflictDetect, kKeyConflict}};
    for (const auto& [id, key] : keyed)
        actions_[id]->setIconText(Local(key));
    actions_[TestCommands]->setIconText(tr("Test Commands"));
    actions_[EditUndo]->setIconText(tr("Undo"));
    actions_[EditRedo]->setIconText(tr("Redo"));
    ShowUndoTexts();

    const std::pair<const char*, QString> menus[] = {{"fileMenu", tr("&File")},
                                                     {"editMenu", tr("&Edit")},
                                                     {"viewMenu", tr("&View")},
                                                     {"languageMenu", tr("&Language")},
                                                     {"helpMenu", tr("&Help")}};
    for (const auto& [name, title] : menus)
        if (auto* menu = findChild<QMenu*>(QLatin1String(name)))
            menu->setTitle(title);
    toolbar_->setWindowTitle(tr("Toolbar"));
    treePane_->setWindowTitle(tr("Configuration"));
    annotation_->Bar()->setWindowTitle(tr("Annotation"));
    // After the titles: a pane's toggle takes its pane's title.
    set(ViewToolbar, tr("&Toolbar"));
    set(ViewTree, tr("Tr&ee"));
    set(ViewAnnotation, tr("&Annotation"));
    if (timing_)
        timing_->Retranslate();
    UpdateToolTips();
    UpdateRecentFiles();
    UpdateTitle();
}

void CMainFrame::ShowUndoTexts() {
    // As the stack's own actions word it: the word, then what is undone.
    const QUndoStack* stack = history_->Stack();
    const auto show = [](QAction* action, QString text, const QString& what) {
        if (!what.isEmpty())
            text += QLatin1Char(' ') + what;
        action->setText(text);
    };
    show(actions_[EditUndo], tr("Undo"), stack->undoText());
    show(actions_[EditRedo], tr("Redo"), stack->redoText());
}

void CMainFrame::UpdateToolTips() {
    // Each button names its command and key; the two Delete commands share
    // the Delete key of the tree.
    for (QAction* action : toolbar_->actions()) {
        if (action->isSeparator())
            continue;
        QKeySequence key = action->shortcut();
        if (action == actions_[DeleteNode] || action == actions_[DeleteCommand])
            key = QKeySequence(Qt::Key_Delete);
        QString name = action == actions_[EditUndo] || action == actions_[EditRedo]
                           ? action->iconText()
                           : action->text();
        name = ToolTipName(name);
        action->setToolTip(key.isEmpty() ? name
                                         : QStringLiteral("%1 (%2)").arg(
                                               name, key.toString(QKeySequence::NativeText)));
    }
}

void CMainFrame::OnLanguageChosen(const QString& code) {
    RememberLanguage(code);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        ApplyLanguage(*app, code); // every window gets its LanguageChange
}

void CMainFrame::ShowInLanguage() {
    RetranslateUi();
    // The tree and the grid show the configuration's texts in the active
    // language: built again, on the same entry.
    view_->CommitEditor();
    const QList<int> path = tree_->CurrentPath();
    const int row = view_->Grid()->currentRow();
    RebuildTree();
    view_->ClearGrid();
    view_->ResetSelection();
    view_->SetSelectedItem(tree_->SelectPath(path));
    if (row >= 0 && row < view_->Grid()->rowCount())
        view_->Grid()->setCurrentCell(row, ParamGrid::ValueColumn);
    UpdateActions();
    // Test Commands words its table and panes as it builds them: it is made
    // again in the new language, where it was, after its test is stopped.
    if (probe_) {
        const bool shown = probe_->isVisible();
        const QRect place = probe_->geometry();
        probe_->close();
        // Later: the change of language is still being told to the windows.
        probe_->deleteLater();
        probe_ = nullptr;
        if (shown) {
            OnTestCommands();
            probe_->setGeometry(place);
        }
    }
}

void CMainFrame::SetKeyboardOrder() {
    // Tab goes from the tree to the grid and on to the help text; the grid
    // leaves Tab to this instead of walking its cells.
    view_->Grid()->setTabKeyNavigation(false);
    setTabOrder(tree_, view_->Grid());
    setTabOrder(view_->Grid(), annotation_);
}

void CMainFrame::UpdateTitle() {
    const QString path = doc_.GetPathName();
    // The model's caption keeps the blank the original text ends with.
    const QString model = app_.DeviceCaption().trimmed();
    setWindowTitle(path.isEmpty() ? model + QLatin1String("[*]")
                                  : QFileInfo(path).fileName() + QStringLiteral("[*] — ") + model);
    setWindowModified(app_.GetModified());
    const QString shown = QDir::toNativeSeparators(path);
    fileLabel_->setText(shown);
    fileLabel_->setToolTip(shown);
    setWindowFilePath(path);
}

void CMainFrame::RebuildTree() {
    tree_->Rebuild(app_.GetProject());
}

void CMainFrame::SetAnnotationText(const QString& text) {
    annotation_->setPlainText(text);
}

void CMainFrame::OnTestCommands() {
    // Not modal: the engineer keeps editing while the commands run.
    if (!probe_)
        probe_ = new ProbeDialog(app_.GetProject(), this);
    probe_->Refresh();
    probe_->show();
    probe_->raise();
    probe_->activateWindow();
}

void CMainFrame::OnRunGateway() {
    // Not modal either; the configuration is read again at each start.
    if (!runGateway_)
        runGateway_ = new RunGatewayDialog(app_.GetProject(), this);
    runGateway_->Refresh();
    runGateway_->show();
    runGateway_->raise();
    runGateway_->activateWindow();
}

void CMainFrame::UpdateActions() {
    actions_[AddNode]->setEnabled(controller_->CanAddNode());
    actions_[DeleteNode]->setEnabled(controller_->CanDeleteNode());
    actions_[AddCommand]->setEnabled(controller_->CanAddCommand());
    actions_[DeleteCommand]->setEnabled(controller_->CanDeleteCommand());
    actions_[AutoMapping]->setEnabled(controller_->CanAutoMap());
    actions_[ImportCommands]->setEnabled(controller_->CanAutoMap());
    actions_[ConflictDetect]->setEnabled(controller_->CanDetectConflicts());
    actions_[EditCopy]->setEnabled(controller_->CanCopy());
    actions_[EditPaste]->setEnabled(controller_->CanPaste());
    actions_[EditDuplicate]->setEnabled(controller_->CanCopy());
    actions_[EditMoveUp]->setEnabled(controller_->CanMove(-1));
    actions_[EditMoveDown]->setEnabled(controller_->CanMove(1));
}

void CMainFrame::UpdateRecentFiles() {
    for (QAction* action : recentActions_) {
        fileMenu_->removeAction(action);
        delete action;
    }
    recentActions_.clear();

    const QStringList files = doc_.RecentFiles();
    // The entries go between the two separators after Save As.
    const QList<QAction*> all = fileMenu_->actions();
    const int at = all.indexOf(recentSeparator_) + 1;
    QAction* before = at < all.size() ? all[at] : nullptr;
    if (files.isEmpty()) {
        auto* none = new QAction(tr("Recent File"), fileMenu_);
        none->setEnabled(false);
        fileMenu_->insertAction(before, none);
        recentActions_.append(none);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        auto* entry = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), fileMenu_);
        entry->setToolTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, &doc_, [this, path] { doc_.OpenRecentFile(path); });
        fileMenu_->insertAction(before, entry);
        recentActions_.append(entry);
    }
}

QString CMainFrame::ManualPath() {
    const QString name = GetTextLanguage() == TextLanguage::English
                             ? QStringLiteral("manual_en.html")
                             : QStringLiteral("manual_zh.html");
    const QString appDir = QCoreApplication::applicationDirPath();
    // Beside the templates, not in the documentation folder: systems that
    // leave documentation out must still have Help > Contents.
    QStringList candidates = {appDir + QStringLiteral("/../share/varkel/manual/") + name};
#ifdef VARKEL_SOURCE_DOCS
    // Started from the build tree: the manual of the sources.
    candidates << QStringLiteral(VARKEL_SOURCE_DOCS "/") + name;
#endif
    for (const QString& path : candidates)
        if (QFileInfo::exists(path))
            return QFileInfo(path).canonicalFilePath();
    return QDir::cleanPath(candidates.constFirst());
}

void CMainFrame::OnHelpContent() {
    const QString path = ManualPath();
    if (!QFileInfo::exists(path)) {
        ShowMessage(tr("The user manual %1 was not found.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!UserDialogs::Get().OpenUrl(QUrl::fromLocalFile(path)))
        ShowMessage(tr("Could not open the user manual %1.").arg(QDir::toNativeSeparators(path)));
}

void CMainFrame::OnAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ShowInLanguage();
    // Whoever names the window (a file, the gateway model), the title keeps
    // the place of the modified mark.
    if (event->type() == QEvent::WindowTitleChange &&
        !windowTitle().contains(QLatin1String("[*]"))) {
        setWindowTitle(windowTitle() + QLatin1String("[*]"));
        setWindowModified(app_.GetModified());
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (doc_.SaveModified())
        event->accept();
    else
        event->ignore();
}

} // namespace varkel
