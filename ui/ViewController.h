#pragma once
#include <QObject>
#include <QString>

#include <functional>
#include <string>

namespace varkel {

struct TreeEntry;
class CBriskView;
class CConfigApp;
class CMainFrame;
class CUpDownDlg;

// The commands of the Edit and Tools menus and of the tree's context menu,
// and the store of a value entered in the grid: what changes the
// configuration. The view shows the outcome.
class ViewController : public QObject {
    Q_OBJECT
public:
    ViewController(CConfigApp& app, CMainFrame& frame, CBriskView& view);

    void OnAddNode();
    void OnDeleteNode();
    void OnAddCommand();
    void AddCommandOfFunctionIndex(int functionIndex);
    void OnDeleteCommand();
    void OnAutoMapping();
    void OnExportXls();
    void OnImportCommands();
    void OnUpload();
    void OnDownload();
    void OnConflictDetect();

    // Whether each command is enabled now.
    bool CanAddNode() const;
    bool CanDeleteNode() const;
    bool CanAddCommand() const;
    bool CanDeleteCommand() const;
    bool CanAutoMap() const;
    bool CanDetectConflicts() const;

    // Stores the text entered for a row of the entry's object through the
    // one commit operation, and has the tree and the grid show the outcome.
    void EnterValue(const TreeEntry& entry, int row, const std::string& text);

    // Called with each transfer dialog before it is shown (tests answer it).
    static void SetTransferDialogHook(std::function<void(CUpDownDlg&)> hook);

    // The file name the export dialog chose, with ".xlsx" unless it has it.
    static QString WithXlsxSuffix(const QString& path);

private:
    void OpenTransfer(int mode);
    void AfterUpload();
    void MarkModified();
    void AfterRemoval();

    CConfigApp& app_;
    CMainFrame& frame_;
    CBriskView& view_;
};

} // namespace varkel
