#include "ui/UiCatalog.h"

namespace varkel {

// One case a text, Chinese first. The switch has no default, so the compiler
// names any identifier that has no text.
// clang-format off
TextPair TextPairOf(UiMsg id) {
    switch (id) {
    // File layer
    case UiMsg::FileChangedAskOverwrite:
        return {"文件\"{}\"在打开后已被其他程序修改。\r\n覆盖其修改并保存（是），还是取消保存（否）？",
                "The file \"{}\" changed on disk since it was opened.\r\nOverwrite the other change and save (Yes), or cancel the save (No)?"};
    case UiMsg::FileChangedWarning:
        return {"文件\"{}\"已被其他程序修改；保存时将询问是否覆盖。",
                "The file \"{}\" was changed on disk by another program; saving will ask before overwriting it."};

    // Gateway link
    case UiMsg::LinkVirtualGatewayFailed: return {"无法启动虚拟网关：{}", "The virtual gateway could not be started: {}"};

    // Desktop program
    case UiMsg::GuiDescription: return {"Varkel 网关配置软件", "Varkel gateway configuration tool"};
    case UiMsg::GuiDeviceHelp:
        return {"网关型号 0 (TRX10)、1 (TRX20A) 或 2 (TRC10)，不再询问",
                "gateway model 0 (TRX10), 1 (TRX20A) or 2 (TRC10), without asking"};
    case UiMsg::GuiLangHelp: return {"界面语言 zh 或 en", "language zh or en"};
    case UiMsg::GuiScreenshotHelp:
        return {"显示主窗口，把它画入图片后退出",
                "show the main window, write a picture of it, exit"};
    case UiMsg::GuiShowHelp:
        return {"与 --screenshot 一起：画出 device、about、command、download、upload、conflict 或 timing 对话框",
                "with --screenshot: picture the device, about, command, download, upload, conflict or timing dialog instead"};
    case UiMsg::GuiSelectHelp:
        return {"与 --screenshot 一起：先选中树的第 N 项 (从 0 起)",
                "with --screenshot: select tree entry N (from 0) first"};
    case UiMsg::GuiEditHelp:
        return {"与 --screenshot 一起：打开参数表第 N 行的编辑框 (从 0 起)",
                "with --screenshot: open the editor of parameter row N (from 0)"};
    case UiMsg::GuiFileHelp: return {"要打开的配置文件", "configuration file to open"};
    case UiMsg::GuiBadDevice: return {"--device 须为 0、1 或 2", "--device must be 0, 1 or 2"};
    case UiMsg::GuiBadLang: return {"--lang 须为 zh 或 en", "--lang must be zh or en"};
    case UiMsg::GuiBadShow:
        return {"--show 须为 device、about、command、download、upload、conflict 或 timing",
                "--show must be device, about, command, download, upload, conflict or timing"};
    case UiMsg::GuiBadEdit: return {"--edit 须为非负整数", "--edit must be a number from 0"};
    case UiMsg::GuiBadSelect: return {"--select 须为非负整数", "--select must be a number from 0"};
    case UiMsg::GuiOneFile: return {"只能打开一个文件", "only one file can be opened"};
    case UiMsg::GuiCannotWritePicture: return {"无法写入图片 {}", "cannot write the picture {}"};
    case UiMsg::GuiCannotSave: return {"无法保存文件 {}。", "Could not save the file {}."};
    case UiMsg::GuiFileMissing: return {"文件 {} 不存在。", "The file {} does not exist."};
    case UiMsg::GuiManualMissing: return {"找不到用户手册 {}。", "The user manual {} was not found."};
    case UiMsg::GuiCannotOpenManual: return {"无法打开用户手册 {}。", "Could not open the user manual {}."};
    case UiMsg::GuiExportFailed: return {"输出文档失败。", "The export failed."};
    case UiMsg::GuiExportNoViewer:
        return {"文档 {} 已输出，但没有找到可以打开它的程序。",
                "The workbook {} was written, but no program was found to open it."};
    case UiMsg::GuiShotsNeedsValue: return {"{} 缺少取值", "{} needs a value"};
    case UiMsg::GuiShotsNoSettingsFolder:
        return {"没有存放设置的临时文件夹", "no temporary folder for the settings"};
    case UiMsg::GuiLanguageNextStart:
        return {"界面语言将在下次启动时切换为 {}。", "The window's language changes to {} at the next start."};

    // Undo, redo and the command clipboard
    case UiMsg::EditUndoPrefix: return {"撤销", "Undo"};
    case UiMsg::EditRedoPrefix: return {"重做", "Redo"};
    case UiMsg::EditSetValue: return {"设置 {}", "set {}"};
    case UiMsg::EditAddNode: return {"添加节点", "add node"};
    case UiMsg::EditDeleteNode: return {"删除节点 {}", "delete node {}"};
    case UiMsg::EditAddCommand: return {"添加命令 {}", "add command {}"};
    case UiMsg::EditDeleteCommands: return {"删除命令", "delete commands"};
    case UiMsg::EditAutoMapping: return {"自动映射", "auto mapping"};
    case UiMsg::EditUpload: return {"上载配置", "upload"};
    case UiMsg::EditPasteCommands: return {"粘贴命令", "paste commands"};
    case UiMsg::EditDuplicateCommands: return {"复制命令副本", "duplicate commands"};
    case UiMsg::EditMoveUp: return {"上移命令", "move commands up"};
    case UiMsg::EditMoveDown: return {"下移命令", "move commands down"};
    case UiMsg::EditImportCommands: return {"导入命令", "import commands"};
    case UiMsg::EditCopyMenu: return {"复制命令(&C)", "Cop&y Commands"};
    case UiMsg::EditPasteMenu: return {"粘贴命令(&P)", "&Paste Commands"};
    case UiMsg::EditDuplicateMenu: return {"生成副本(&B)", "Dupl&icate Commands"};
    case UiMsg::EditMoveUpMenu: return {"上移(&V)", "Mo&ve Up"};
    case UiMsg::EditMoveDownMenu: return {"下移(&O)", "Move D&own"};
    case UiMsg::EditUndoTool: return {"撤销", "Undo"};
    case UiMsg::EditRedoTool: return {"重做", "Redo"};
    case UiMsg::EditNothingToPaste:
        return {"剪贴板中没有可粘贴的命令。", "The clipboard holds no commands to paste."};

    // Keyboard operation and the editor's own messages
    case UiMsg::EditDeleteNodeAsk:
        return {"节点\"{}\"含有{}条命令。删除该节点及其全部命令吗？",
                "The node \"{}\" holds {} commands. Delete the node and all its commands?"};
    case UiMsg::EditDownloadConflict:
        return {"以下命令的映射地址冲突，未向网关发送任何数据：\n{}",
                "The mapping addresses of these commands conflict; nothing was sent to the gateway:\n{}"};
    case UiMsg::EditDownloadOverflow:
        return {"以下命令的映射超出网关内存，未向网关发送任何数据：\n{}",
                "These commands are mapped beyond the gateway's memory; nothing was sent to the gateway:\n{}"};
    case UiMsg::EditOpenConflictDetect: return {"现在打开冲突检测吗？", "Open Conflict Detect now?"};
    case UiMsg::EditUnsupportedFunction:
        return {"网关不支持此功能码，不能添加。", "The gateway does not support this function; it cannot be added."};
    case UiMsg::EditNoWebBrowser:
        return {"无法打开网页浏览器来显示 {}。", "No web browser could be opened for {}."};
    case UiMsg::EditToolTipSlave: return {"从站地址：{}", "Slave: {}"};
    case UiMsg::EditToolTipFunction: return {"功能：{}", "Function: {}"};
    case UiMsg::EditToolTipRegisters: return {"寄存器：{}–{}（{}个）", "Registers: {}–{} ({})"};
    case UiMsg::EditToolTipMapping: return {"映射：{} 位偏移 {}，{} 位", "Mapping: {} bit offset {}, {} bits"};
    case UiMsg::EditToolTipMnemonic: return {"助记符：{}", "Mnemonic: {}"};
    case UiMsg::EditVirtualGateway: return {"内置虚拟网关", "the built-in virtual gateway"};

    // Commissioning probe
    case UiMsg::ProbeHeaderCommand: return {"命令", "Command"};
    case UiMsg::ProbeHeaderTime: return {"时间 (ms)", "Time (ms)"};
    case UiMsg::ProbeHeaderFunction: return {"功能码", "Function"};
    case UiMsg::ProbeHeaderSlave: return {"从站", "Slave"};
    case UiMsg::ProbeHeaderAddress: return {"地址", "Address"};
    case UiMsg::ProbeVirtualSlave: return {"虚拟从站 (内置)", "Virtual slave (built in)"};
    case UiMsg::ProbeDialogTitle: return {"测试命令", "Test Commands"};
    case UiMsg::ProbeMenuText: return {"测试命令(&R)...", "Te&st Commands..."};
    case UiMsg::ProbeToolText: return {"测试命令", "Test Commands"};
    case UiMsg::ProbePortLabel: return {"端口:", "Port:"};
    case UiMsg::ProbeStart: return {"开始", "Start"};
    case UiMsg::ProbeStop: return {"停止", "Stop"};
    case UiMsg::ProbeSaveLog: return {"保存日志...", "Save Log..."};
    case UiMsg::ProbePassTime: return {"第 {} 轮: {} ms", "Pass {}: {} ms"};
    case UiMsg::ProbeTrendHeader: return {"曲线", "Trend"};
    case UiMsg::ProbeFormatHeader: return {"格式", "Format"};
    case UiMsg::ProbeOrderHeader: return {"字节顺序", "Byte order"};
    case UiMsg::ProbeValuesHeader: return {"数值", "Values"};
    case UiMsg::ProbePause: return {"暂停", "Pause"};
    case UiMsg::ProbeResetZoom: return {"复位缩放", "Reset zoom"};
    case UiMsg::ProbeTimeAxis: return {"时间 (s)", "Time (s)"};
    case UiMsg::ProbeValueAxis: return {"数值", "Value"};
    case UiMsg::ProbeNoTrendChart:
        return {"无法加载趋势图：{}", "The trend chart could not be loaded: {}"};
    case UiMsg::ProbeImageDecoded: return {"所选命令在存储区中的字节按 {} 读取: {}", "The selected command's bytes in memory as {}: {}"};
    case UiMsg::ProbeImageOrderNote: return {"* 标出得出表格数值的字节顺序, 即 PLC 一侧读取这些字节应采用的顺序。", "* marks the byte order that gives the table's values: the order the PLC's side must read these bytes in."};
    case UiMsg::ProbeImageOwner: return {"字节 {}: {}", "Byte {}: {}"};
    case UiMsg::ProbeLogFilter: return {"CSV 文件 (*.csv)", "CSV files (*.csv)"};
    case UiMsg::ProbeLogSaveFailed: return {"无法写入 {}", "Cannot write {}"};
    case UiMsg::ProbeRunning: return {"正在 {} 上测试 (只读取, 从不写入设备)", "Testing on {} (reads only: nothing is ever written to a device)"};
    case UiMsg::ProbeSlaveFailed: return {"无法启动虚拟从站: {}", "The virtual slave could not be started: {}"};
    case UiMsg::ProbeNoPort: return {"请选择端口", "Choose a port"};

    // Timing estimate and I/O list
    case UiMsg::IoListWriteFailed: return {"无法写入 I/O 列表 {}: {}", "Cannot write the I/O list {}: {}"};

    case UiMsg::Count: break;
    }
    return {"", ""};
}
// clang-format on

} // namespace varkel
