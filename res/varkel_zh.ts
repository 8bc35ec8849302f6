<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CConfigApp</name>
    <message>
        <location filename="../ui/CConfigApp.cpp" line="16"/>
        <source>Varkel</source>
        <translation>提示信息</translation>
    </message>
</context>
<context>
    <name>varkel::AboutDialog</name>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="30"/>
        <source>About Varkel</source>
        <translation>关于 Varkel</translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="36"/>
        <source>&lt;b&gt;Varkel&lt;/b&gt; gateway configuration tool</source>
        <translation>&lt;b&gt;Varkel&lt;/b&gt; 网关配置软件</translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="37"/>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="39"/>
        <source>Configures Profibus-DP slave / Modbus master gateways.</source>
        <translation>用于配置 Profibus-DP 从站 / Modbus 主站协议网关。</translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="40"/>
        <source>Free software, made by the Varkel project.</source>
        <translation>自由软件，由 Varkel 项目开发。</translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="41"/>
        <source>Questions and reports of faults are welcome at:</source>
        <translation>欢迎在以下网址提出问题和报告故障：</translation>
    </message>
</context>
<context>
    <name>varkel::AnnotationPane</name>
    <message>
        <location filename="../ui/AnnotationPane.cpp" line="35"/>
        <source>Annotation</source>
        <translation>提示信息</translation>
    </message>
</context>
<context>
    <name>varkel::CBriskView</name>
    <message>
        <location filename="../ui/CBriskView.cpp" line="75"/>
        <source>This value cannot be entered now: %1</source>
        <translation>此值现在不能输入：%1</translation>
    </message>
    <message>
        <location filename="../ui/CBriskView.cpp" line="77"/>
        <source>Outside its range: %1 is accepted</source>
        <translation>超出范围：允许 %1</translation>
    </message>
    <message>
        <location filename="../ui/CBriskView.cpp" line="79"/>
        <source>Shown only: this value is not set in the grid</source>
        <translation>仅显示：此值不能在表格中设置</translation>
    </message>
    <message>
        <location filename="../ui/CBriskView.cpp" line="81"/>
        <source>Not used with the current settings, so it cannot be changed</source>
        <translation>当前设置下不使用，因此不能修改</translation>
    </message>
</context>
<context>
    <name>varkel::CConflictDlg</name>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="55"/>
        <source>Conflict Detect</source>
        <translation>冲突检测</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="130"/>
        <source>  Input Memory </source>
        <translation>    输入内存</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="131"/>
        <source> Output Memory </source>
        <translation>    输出内存</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="174"/>
        <source>Not use</source>
        <translation>未使用</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="175"/>
        <source>Legal </source>
        <translation>合法</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="176"/>
        <source>Conflict</source>
        <translation>冲突</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="177"/>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="178"/>
        <source>Selected Command</source>
        <translation>选中</translation>
    </message>
</context>
<context>
    <name>varkel::CDovelDoc</name>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="63"/>
        <source>XML File(*.xml)</source>
        <translation>XML File(*.xml)</translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="173"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="212"/>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
</context>
<context>
    <name>varkel::CMainFrame</name>
    <message>
        <source>&amp;Import Commands...</source>
        <translation type="vanished">导入命令(&amp;I)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="560"/>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="244"/>
        <source>%1 values of this file are outside their range; the grid marks them red (`varkel-cli check` lists them).</source>
        <translation>此文件中有 %1 个值超出范围；表格中以红色标出（`varkel-cli check` 列出它们）。</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="508"/>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="509"/>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="510"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="511"/>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="512"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="513"/>
        <source>Add &amp;Node</source>
        <translation>增加节点(&amp;I)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="514"/>
        <source>&amp;Delete Node</source>
        <translation>删除节点(&amp;S)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="515"/>
        <source>Add &amp;Command...</source>
        <translation>增加命令(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="516"/>
        <source>De&amp;lete Command</source>
        <translation>删除命令(&amp;L)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="519"/>
        <source>&amp;Export XLS...</source>
        <translation>输出文档(&amp;E)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="520"/>
        <source>I&amp;mport Commands...</source>
        <translation>导入命令(&amp;M)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="521"/>
        <source>Auto &amp;Mapping</source>
        <translation>自动映射(&amp;M)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="524"/>
        <source>&amp;Contents</source>
        <translation>内容(&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="525"/>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="551"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="552"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="559"/>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="563"/>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="564"/>
        <source>Tr&amp;ee</source>
        <translation>查看树(&amp;L)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="565"/>
        <source>&amp;Annotation</source>
        <translation>查看提示信息(&amp;I)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="553"/>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="554"/>
        <source>&amp;Language</source>
        <translation>语言(&amp;G)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="555"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="561"/>
        <source>Annotation</source>
        <translation>提示信息</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="708"/>
        <source>Recent File</source>
        <translation>最近文件</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="517"/>
        <source>&amp;Upload...</source>
        <translation>上传数据(&amp;U)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="518"/>
        <source>Do&amp;wnload...</source>
        <translation>下载数据(&amp;D)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="522"/>
        <source>Conflict De&amp;tect...</source>
        <translation>冲突检测(&amp;T)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="314"/>
        <source>Run G&amp;ateway</source>
        <translation>运行网关(&amp;K)</translation>
    </message>
</context>
<context>
    <name>varkel::CUpDownDlg</name>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="55"/>
        <source>Serial port:</source>
        <translation>选择串口:</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="64"/>
        <source>Choose the port the gateway is connected to, or type its path.</source>
        <translation>请选择网关所连接的串口，或键入其路径。</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="81"/>
        <source>Frame log</source>
        <translation>报文记录</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="138"/>
        <source>Virtual gateway (built in)</source>
        <translation>内置虚拟网关</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="277"/>
        <source>%1 on %2 at %3</source>
        <translation>%1：%2，开始于 %3</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="280"/>
        <source>Opening %1</source>
        <translation>正在打开 %1</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="346"/>
        <source>%1 of %2: %3</source>
        <translation>第 %1 步，共 %2 步：%3</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="410"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="231"/>
        <source>Cancelling…</source>
        <translation>正在取消……</translation>
    </message>
</context>
<context>
    <name>varkel::ImportDialog</name>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="42"/>
        <source>Import Commands</source>
        <translation>导入命令</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="44"/>
        <source>List: %1</source>
        <translation>列表: %1</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="46"/>
        <source>&amp;Replace the node&apos;s commands</source>
        <translation>替换节点的命令(&amp;R)</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="47"/>
        <source>A&amp;ppend to the node&apos;s commands</source>
        <translation>追加到节点的命令之后(&amp;P)</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="49"/>
        <source>Run Auto &amp;Mapping after the import</source>
        <translation>导入后运行自动映射(&amp;M)</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="56"/>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="56"/>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="56"/>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="74"/>
        <source>&amp;Import</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="137"/>
        <source>Refused</source>
        <translation>拒绝</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="137"/>
        <source>OK</source>
        <translation>可导入</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="183"/>
        <source>%1 commands will be imported into the first node.</source>
        <translation>将向第一个节点导入 %1 条命令。</translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="185"/>
        <source>%1 problems found: nothing is imported until the list is corrected.</source>
        <translation>发现 %1 个问题: 列表改正之前不会导入任何内容。</translation>
    </message>
</context>
<context>
    <name>varkel::ParamGrid</name>
    <message>
        <location filename="../ui/ParamGrid.cpp" line="54"/>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <location filename="../ui/ParamGrid.cpp" line="54"/>
        <source>Value</source>
        <translation>值</translation>
    </message>
</context>
<context>
    <name>varkel::PlcTagDialog</name>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="59"/>
        <location filename="../ui/PlcTagDialog.cpp" line="320"/>
        <source>Export PLC Tags</source>
        <translation>输出 PLC 标签表</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="66"/>
        <source>CSV: name, type, address, comment</source>
        <translation>CSV: 名称, 类型, 地址, 注释</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="67"/>
        <source>S7 tag table (.xlsx)</source>
        <translation>S7 标签表 (.xlsx)</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="68"/>
        <source>IEC 61131-3 global variables (text)</source>
        <translation>IEC 61131-3 全局变量 (文本)</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="73"/>
        <source>The byte address at which the PLC maps this area of the gateway</source>
        <translation>PLC 映射网关此区域的字节地址</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="77"/>
        <source>The Path column of the S7 table; the heading of the IEC text</source>
        <translation>S7 标签表的 Path 列; IEC 文本的标题</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="79"/>
        <source>IEC &amp;byte addressing (the word at byte 256 is %IW256, not %IW128)</source>
        <translation>IEC 按字节编址(&amp;B) (字节 256 处的字为 %IW256, 而非 %IW128)</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="82"/>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="83"/>
        <source>&amp;Input area at PLC byte:</source>
        <translation>输入区在 PLC 字节(&amp;I)：</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="84"/>
        <source>&amp;Output area at PLC byte:</source>
        <translation>输出区在 PLC 字节(&amp;O)：</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="85"/>
        <source>Table &amp;name:</source>
        <translation>表名(&amp;N)：</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="91"/>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="91"/>
        <source>Slave</source>
        <translation>从站</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="91"/>
        <source>Function</source>
        <translation>功能码</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="91"/>
        <source>Modbus address</source>
        <translation>Modbus 地址</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="91"/>
        <location filename="../ui/PlcTagDialog.cpp" line="101"/>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="96"/>
        <source>Register &amp;types:</source>
        <translation>寄存器类型(&amp;T)：</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="101"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="101"/>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="101"/>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="117"/>
        <source>&amp;Export...</source>
        <translation>输出(&amp;E)...</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="274"/>
        <source>&amp;Preview: the first %1 of %2 tags</source>
        <translation>预览(&amp;P): 共 %2 个标签中的前 %1 个</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="316"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="316"/>
        <source>Workbooks (*.xlsx)</source>
        <translation>工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="317"/>
        <source>IEC 61131-3 text (*.st *.txt)</source>
        <translation>IEC 61131-3 文本 (*.st *.txt)</translation>
    </message>
</context>
<context>
    <name>varkel::PortBox</name>
    <message>
        <location filename="../ui/PortBox.cpp" line="24"/>
        <source>Type or paste a device path</source>
        <translation>键入或粘贴设备路径</translation>
    </message>
</context>
<context>
    <name>varkel::SelectCommandDialog</name>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="19"/>
        <source>Select Command</source>
        <translation>选择命令</translation>
    </message>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="34"/>
        <source>Double-click a function to add a command of it to the node.</source>
        <translation>双击一个功能码，即为节点增加一条该功能码的命令。</translation>
    </message>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="38"/>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
</context>
<context>
    <name>varkel::SelectDeviceDialog</name>
    <message>
        <location filename="../ui/SelectDeviceDialog.cpp" line="16"/>
        <source>Select Device</source>
        <translation>选择设备类型</translation>
    </message>
    <message>
        <location filename="../ui/SelectDeviceDialog.cpp" line="29"/>
        <source>Select Type</source>
        <translation>选择设备</translation>
    </message>
</context>
<context>
    <name>varkel::StatusSummary</name>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="100"/>
        <source>, %1 over</source>
        <translation>，超出 %1</translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="104"/>
        <source>, bits in conflict</source>
        <translation>，位冲突</translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="115"/>
        <source>Commands %1/%2</source>
        <translation>命令 %1/%2</translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="120"/>
        <source>Input %1/%2 bytes</source>
        <translation>输入 %1/%2 字节</translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="121"/>
        <source>The commands need %1 bytes of input memory: %2 bytes beyond its end</source>
        <translation>命令需要 %1 字节输入存储区：超出末尾 %2 字节</translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="122"/>
        <source>Commands share bits in %1 bytes of the input memory (Conflict Detect shows where)</source>
        <translation>输入存储区中有 %1 字节的位被多条命令共用（冲突检测显示位置）</translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="125"/>
        <source>The commands need %1 bytes of output memory: %2 bytes beyond its end</source>
        <translation>命令需要 %1 字节输出存储区：超出末尾 %2 字节</translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="126"/>
        <source>Commands share bits in %1 bytes of the output memory (Conflict Detect shows where)</source>
        <translation>输出存储区中有 %1 字节的位被多条命令共用（冲突检测显示位置）</translation>
    </message>
    <message>
        <source>Some data lies beyond the input memory</source>
        <translation type="vanished">部分数据超出输入存储区</translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="124"/>
        <source>Output %1/%2 bytes</source>
        <translation>输出 %1/%2 字节</translation>
    </message>
    <message>
        <source>Some data lies beyond the output memory</source>
        <translation type="vanished">部分数据超出输出存储区</translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="131"/>
        <source>Cycle: no estimate</source>
        <translation>周期：无法估算</translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="138"/>
        <source>Quick-scan cycle ≈ %1 ms</source>
        <translation>快速扫描周期 ≈ %1 ms</translation>
    </message>
</context>
<context>
    <name>varkel::TimingCommands</name>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="56"/>
        <source>Export &amp;I/O list...</source>
        <translation>输出 I/O 列表(&amp;I)...</translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="57"/>
        <source>Write where every register and coil lies in the Profibus data to a CSV file</source>
        <translation>把每个寄存器和线圈在 Profibus 数据中的位置写入 CSV 文件</translation>
    </message>
    <message>
        <source>&amp;Timing...</source>
        <translation type="vanished">时序(&amp;T)...</translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="61"/>
        <source>Timin&amp;g...</source>
        <translation>时序(&amp;G)...</translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="62"/>
        <source>Estimated polling cycle and line time of every command</source>
        <translation>估算的轮询周期及每条命令的线路时间</translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="75"/>
        <source>Export I/O list</source>
        <translation>输出 I/O 列表</translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="75"/>
        <source>CSV File(*.csv)</source>
        <translation>CSV 文件(*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="59"/>
        <source>Export PLC &amp;Tags...</source>
        <translation>输出 PLC 标签表(&amp;T)...</translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="60"/>
        <source>Write a tag table the PLC&apos;s engineering tool imports</source>
        <translation>写出供 PLC 编程工具导入的标签表</translation>
    </message>
</context>
<context>
    <name>varkel::TimingDialog</name>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="35"/>
        <source>Timing</source>
        <translation>时序</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="46"/>
        <source>Time a slave is assumed to take before it answers</source>
        <translation>假定从站在应答之前所需的时间</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="49"/>
        <source>Slave turnaround:</source>
        <translation>从站应答时间：</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="52"/>
        <source>Line:</source>
        <translation>线路：</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="68"/>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="68"/>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="68"/>
        <source>Function</source>
        <translation>功能码</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="69"/>
        <source>Request chars</source>
        <translation>请求字符数</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="69"/>
        <source>Reply chars</source>
        <translation>应答字符数</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="69"/>
        <source>Line time (ms)</source>
        <translation>线路时间 (ms)</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="70"/>
        <source>Per poll (ms)</source>
        <translation>每次轮询 (ms)</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="70"/>
        <source>Scan</source>
        <translation>扫描方式</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="76"/>
        <source>An estimate from the configuration alone: line time of each exchange, the assumed turnaround and the delay between polls. The gateway&apos;s own processing time is not counted.</source>
        <translation>仅依据配置的估算：每次交换的线路时间、假定的从站应答时间和轮询延时。网关自身的处理时间未计入。</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="101"/>
        <source>%1 baud, %2, %3 bits a character = %4 ms; delay between polls %5 ms; response timeout %6 ms; scan ratio %7</source>
        <translation>%1 波特，%2，每字符 %3 位 = %4 ms；轮询延时 %5 ms；响应等待时间 %6 ms；扫描比率 %7</translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="110"/>
        <source>Quick-scan cycle %1 ms · slow-scan cycle %2 ms · %3 ms when no slave answers</source>
        <translation>快速扫描周期 %1 ms · 慢速扫描周期 %2 ms · 从站不应答时 %3 ms</translation>
    </message>
</context>
<context>
    <name>varkel::ViewController</name>
    <message>
        <location filename="../ui/ViewController.cpp" line="375"/>
        <source>Import Commands</source>
        <translation>导入命令</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="375"/>
        <source>Command lists (*.xlsx *.csv);;All files (*)</source>
        <translation>命令列表 (*.xlsx *.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="356"/>
        <source>Export XLS</source>
        <translation>输出文档</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="356"/>
        <source>Excel File(*.xlsx)</source>
        <translation>Excel 文件(*.xlsx)</translation>
    </message>
</context>
<context>
    <name>varkel::RunGatewayDialog</name>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="182"/>
        <source>Run Gateway</source>
        <translation>运行网关</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="187"/>
        <source>Slaves:</source>
        <translation>从站：</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="192"/>
        <source>Allow writes to real devices</source>
        <translation>允许写入真实设备</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="195"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="196"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="211"/>
        <source>Let a PLC program connect</source>
        <translation>允许 PLC 程序连接</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="221"/>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="221"/>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="221"/>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="221"/>
        <source>Requests</source>
        <translation>请求数</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="222"/>
        <source>Answered</source>
        <translation>应答数</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="222"/>
        <source>Time-outs</source>
        <translation>超时数</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="222"/>
        <source>Exceptions</source>
        <translation>异常数</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="223"/>
        <source>Last time</source>
        <translation>最近用时</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="244"/>
        <source>Type a byte in hexadecimal: what the PLC writes</source>
        <translation>以十六进制输入一个字节: 即 PLC 写入的内容</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="262"/>
        <source>Slave</source>
        <translation>从站</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="262"/>
        <source>Table</source>
        <translation>数据区</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="262"/>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="262"/>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="270"/>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="270"/>
        <source>Function</source>
        <translation>功能码</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="270"/>
        <source>Values</source>
        <translation>数值</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="277"/>
        <source>Input memory (what the PLC reads)</source>
        <translation>输入内存 (PLC 读取的内容)</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="278"/>
        <source>Output memory (what the PLC writes, hexadecimal)</source>
        <translation>输出内存 (PLC 写入的内容, 十六进制)</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="281"/>
        <source>Virtual slaves (double-click a value to change it)</source>
        <translation>虚拟从站 (双击数值可修改)</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="282"/>
        <source>Writes received by the slaves</source>
        <translation>从站收到的写入</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="317"/>
        <source>Virtual slaves (built in)</source>
        <translation>虚拟从站 (内置)</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="364"/>
        <source>output</source>
        <translation>输出</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="364"/>
        <source>input</source>
        <translation>输入</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="388"/>
        <source>The configuration cannot run:</source>
        <translation>该配置无法运行:</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="407"/>
        <source>Coil</source>
        <translation>线圈</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="407"/>
        <source>Discrete input</source>
        <translation>离散输入</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="407"/>
        <source>Input register</source>
        <translation>输入寄存器</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="408"/>
        <source>Holding register</source>
        <translation>保持寄存器</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="585"/>
        <source>Choose a port.</source>
        <translation>请选择端口。</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="626"/>
        <source>Modbus TCP on %1 while the gateway runs</source>
        <translation>网关运行期间在 Modbus TCP %1 上</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="644"/>
        <source>A PLC program connects to Modbus TCP %1</source>
        <translation>PLC 程序连接到 Modbus TCP %1</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="657"/>
        <source>Cycle %1: last %2 ms, mean %3 ms</source>
        <translation>周期 %1: 最近 %2 ms, 平均 %3 ms</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="661"/>
        <source>Cycle: not measured yet</source>
        <translation>周期: 尚未测得</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="663"/>
        <source>Estimate: %1 ms</source>
        <translation>估算: %1 ms</translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="672"/>
        <source>Writes are held: tick &quot;Allow writes to real devices&quot; to send them.</source>
        <translation>写入已暂停: 勾选&quot;允许写入真实设备&quot;后才会发送。</translation>
    </message>
</context>
</TS>
