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
    <message>
        <location filename="../ui/AboutDialog.cpp" line="49"/>
        <source>No web browser could be opened for %1.</source>
        <translation>无法打开网页浏览器来显示 %1。</translation>
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
        <location filename="../ui/CDovelDoc.cpp" line="59"/>
        <source>The file &quot;%1&quot; was changed on disk by another program; saving will ask before overwriting it.</source>
        <translation>文件&quot;%1&quot;已被其他程序修改；保存时将询问是否覆盖。</translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="65"/>
        <source>XML File(*.xml)</source>
        <translation>XML File(*.xml)</translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="130"/>
        <source>The file &quot;%1&quot; changed on disk since it was opened.
Overwrite the other change and save (Yes), or cancel the save (No)?</source>
        <translation>文件&quot;%1&quot;在打开后已被其他程序修改。
覆盖其修改并保存（是），还是取消保存（否）？</translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="142"/>
        <source>Could not save the file %1.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="178"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="203"/>
        <source>The file %1 does not exist.</source>
        <translation>文件 %1 不存在。</translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="217"/>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
</context>
<context>
    <name>varkel::CMainFrame</name>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="564"/>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="244"/>
        <source>%1 values of this file are outside their range; the grid marks them red (`varkel-cli check` lists them).</source>
        <translation>此文件中有 %1 个值超出范围；表格中以红色标出（`varkel-cli check` 列出它们）。</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="511"/>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="512"/>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="513"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="514"/>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="515"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="516"/>
        <source>Add &amp;Node</source>
        <translation>增加节点(&amp;I)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="517"/>
        <source>&amp;Delete Node</source>
        <translation>删除节点(&amp;S)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="518"/>
        <source>Add &amp;Command...</source>
        <translation>增加命令(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="519"/>
        <source>De&amp;lete Command</source>
        <translation>删除命令(&amp;L)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="522"/>
        <source>&amp;Export XLS...</source>
        <translation>输出文档(&amp;E)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="523"/>
        <source>I&amp;mport Commands...</source>
        <translation>导入命令(&amp;M)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="524"/>
        <source>Auto &amp;Mapping</source>
        <translation>自动映射(&amp;M)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="526"/>
        <source>Te&amp;st Commands...</source>
        <translation>测试命令(&amp;R)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="528"/>
        <source>&amp;Contents</source>
        <translation>内容(&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="529"/>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="530"/>
        <source>Cop&amp;y Commands</source>
        <translation>复制命令(&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="531"/>
        <source>&amp;Paste Commands</source>
        <translation>粘贴命令(&amp;P)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="532"/>
        <source>Dupl&amp;icate Commands</source>
        <translation>生成副本(&amp;B)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="533"/>
        <source>Mo&amp;ve Up</source>
        <translation>上移(&amp;V)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="534"/>
        <source>Move D&amp;own</source>
        <translation>下移(&amp;O)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="550"/>
        <source>Test Commands</source>
        <translation>测试命令</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="551"/>
        <location filename="../ui/CMainFrame.cpp" line="585"/>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="552"/>
        <location filename="../ui/CMainFrame.cpp" line="586"/>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="555"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="556"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="563"/>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="567"/>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="568"/>
        <source>Tr&amp;ee</source>
        <translation>查看树(&amp;L)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="569"/>
        <source>&amp;Annotation</source>
        <translation>查看提示信息(&amp;I)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="759"/>
        <source>The user manual %1 was not found.</source>
        <translation>找不到用户手册 %1。</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="763"/>
        <source>Could not open the user manual %1.</source>
        <translation>无法打开用户手册 %1。</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="557"/>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="558"/>
        <source>&amp;Language</source>
        <translation>语言(&amp;G)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="559"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="565"/>
        <source>Annotation</source>
        <translation>提示信息</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="721"/>
        <source>Recent File</source>
        <translation>最近文件</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="520"/>
        <source>&amp;Upload...</source>
        <translation>上传数据(&amp;U)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="521"/>
        <source>Do&amp;wnload...</source>
        <translation>下载数据(&amp;D)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="525"/>
        <source>Conflict De&amp;tect...</source>
        <translation>冲突检测(&amp;T)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="527"/>
        <source>Run G&amp;ateway</source>
        <translation>运行网关(&amp;K)</translation>
    </message>
</context>
<context>
    <name>varkel::CUpDownDlg</name>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="54"/>
        <source>Serial port:</source>
        <translation>选择串口:</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="63"/>
        <source>Choose the port the gateway is connected to, or type its path.</source>
        <translation>请选择网关所连接的串口，或键入其路径。</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="80"/>
        <source>Frame log</source>
        <translation>报文记录</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="137"/>
        <source>Virtual gateway (built in)</source>
        <translation>内置虚拟网关</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="140"/>
        <location filename="../ui/CUpDownDlg.cpp" line="274"/>
        <source>the built-in virtual gateway</source>
        <translation>内置虚拟网关</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="261"/>
        <source>The virtual gateway could not be started: %1</source>
        <translation>无法启动虚拟网关：%1</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="276"/>
        <source>%1 on %2 at %3</source>
        <translation>%1：%2，开始于 %3</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="279"/>
        <source>Opening %1</source>
        <translation>正在打开 %1</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="345"/>
        <source>%1 of %2: %3</source>
        <translation>第 %1 步，共 %2 步：%3</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="385"/>
        <source>The mapping addresses of these commands conflict; nothing was sent to the gateway:
%1</source>
        <translation>以下命令的映射地址冲突，未向网关发送任何数据：
%1</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="387"/>
        <source>These commands are mapped beyond the gateway&apos;s memory; nothing was sent to the gateway:
%1</source>
        <translation>以下命令的映射超出网关内存，未向网关发送任何数据：
%1</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="390"/>
        <source>Open Conflict Detect now?</source>
        <translation>现在打开冲突检测吗？</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="413"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="230"/>
        <source>Cancelling…</source>
        <translation>正在取消……</translation>
    </message>
</context>
<context>
    <name>varkel::ConfigTree</name>
    <message>
        <location filename="../ui/ConfigTree.cpp" line="237"/>
        <source>Slave: %1</source>
        <translation>从站地址：%1</translation>
    </message>
    <message>
        <location filename="../ui/ConfigTree.cpp" line="238"/>
        <source>Function: %1</source>
        <translation>功能：%1</translation>
    </message>
    <message>
        <location filename="../ui/ConfigTree.cpp" line="245"/>
        <source>Registers: %1–%2 (%3)</source>
        <translation>寄存器：%1–%2（%3个）</translation>
    </message>
    <message>
        <location filename="../ui/ConfigTree.cpp" line="254"/>
        <source>Mapping: %1 bit offset %2, %3 bits</source>
        <translation>映射：%1 位偏移 %2，%3 位</translation>
    </message>
    <message>
        <location filename="../ui/ConfigTree.cpp" line="259"/>
        <source>Mnemonic: %1</source>
        <translation>助记符：%1</translation>
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
    <name>varkel::ProbeDialog</name>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="64"/>
        <source>Test Commands</source>
        <translation>测试命令</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="70"/>
        <source>Port:</source>
        <translation>端口:</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="75"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="76"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="77"/>
        <location filename="../ui/ProbeDialog.cpp" line="575"/>
        <source>Save Log...</source>
        <translation>保存日志...</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="88"/>
        <source>Trend</source>
        <translation>曲线</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="88"/>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="88"/>
        <source>Function</source>
        <translation>功能码</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="88"/>
        <source>Slave</source>
        <translation>从站</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="89"/>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="89"/>
        <source>Values</source>
        <translation>数值</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="90"/>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="90"/>
        <source>Byte order</source>
        <translation>字节顺序</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="91"/>
        <source>Time (ms)</source>
        <translation>时间 (ms)</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="105"/>
        <source>* marks the byte order that gives the table&apos;s values: the order the PLC&apos;s side must read these bytes in.</source>
        <translation>* 标出得出表格数值的字节顺序, 即 PLC 一侧读取这些字节应采用的顺序。</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="117"/>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="118"/>
        <source>Reset zoom</source>
        <translation>复位缩放</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="123"/>
        <source>Time (s)</source>
        <translation>时间 (s)</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="123"/>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="128"/>
        <source>The trend chart could not be loaded: %1</source>
        <translation>无法加载趋势图：%1</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="210"/>
        <source>Virtual slave (built in)</source>
        <translation>虚拟从站 (内置)</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="395"/>
        <source>The selected command&apos;s bytes in memory as %1: %2</source>
        <translation>所选命令在存储区中的字节按 %1 读取: %2</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="417"/>
        <source>Choose a port</source>
        <translation>请选择端口</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="427"/>
        <source>The virtual slave could not be started: %1</source>
        <translation>无法启动虚拟从站: %1</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="450"/>
        <source>Testing on %1 (reads only: nothing is ever written to a device)</source>
        <translation>正在 %1 上测试 (只读取, 从不写入设备)</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="505"/>
        <source>Pass %1: %2 ms</source>
        <translation>第 %1 轮: %2 ms</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="575"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="580"/>
        <source>Cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>varkel::ProbeImageGrid</name>
    <message>
        <location filename="../ui/ProbeImageGrid.cpp" line="84"/>
        <source>Byte %1: %2</source>
        <translation>字节 %1: %2</translation>
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
        <location filename="../ui/RunGatewayDialog.cpp" line="270"/>
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
        <location filename="../ui/RunGatewayDialog.cpp" line="270"/>
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
<context>
    <name>varkel::SelectCommandDialog</name>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="18"/>
        <source>Select Command</source>
        <translation>选择命令</translation>
    </message>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="30"/>
        <source>The gateway does not support this function; it cannot be added.</source>
        <translation>网关不支持此功能码，不能添加。</translation>
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
    <name>varkel::Shots</name>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="72"/>
        <source>%1 needs a value</source>
        <translation>%1 缺少取值</translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="85"/>
        <source>--show must be device, about, command, download, upload, conflict or timing</source>
        <translation>--show 须为 device、about、command、download、upload、conflict 或 timing</translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="92"/>
        <source>--edit must be a number from 0</source>
        <translation>--edit 须为非负整数</translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="94"/>
        <source>--select must be a number from 0</source>
        <translation>--select 须为非负整数</translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="200"/>
        <source>no temporary folder for the settings</source>
        <translation>没有存放设置的临时文件夹</translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="207"/>
        <source>with --screenshot: picture the device, about, command, download, upload, conflict or timing dialog instead</source>
        <translation>与 --screenshot 一起：画出 device、about、command、download、upload、conflict 或 timing 对话框</translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="211"/>
        <source>with --screenshot: select tree entry N (from 0) first</source>
        <translation>与 --screenshot 一起：先选中树的第 N 项 (从 0 起)</translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="214"/>
        <source>with --screenshot: open the editor of parameter row N (from 0)</source>
        <translation>与 --screenshot 一起：打开参数表第 N 行的编辑框 (从 0 起)</translation>
    </message>
</context>
<context>
    <name>varkel::Startup</name>
    <message>
        <location filename="../ui/Startup.cpp" line="74"/>
        <source>cannot write the picture %1</source>
        <translation>无法写入图片 %1</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="85"/>
        <source>Varkel gateway configuration tool</source>
        <translation>Varkel 网关配置软件</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="90"/>
        <source>gateway model 0 (TRX10), 1 (TRX20A) or 2 (TRC10), without asking</source>
        <translation>网关型号 0 (TRX10)、1 (TRX20A) 或 2 (TRC10)，不再询问</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="94"/>
        <source>language zh or en</source>
        <translation>界面语言 zh 或 en</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="98"/>
        <source>show the main window, write a picture of it, exit</source>
        <translation>显示主窗口，把它画入图片后退出</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="104"/>
        <source>configuration file to open</source>
        <translation>要打开的配置文件</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="126"/>
        <source>--device must be 0, 1 or 2</source>
        <translation>--device 须为 0、1 或 2</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="132"/>
        <source>--lang must be zh or en</source>
        <translation>--lang 须为 zh 或 en</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="138"/>
        <source>only one file can be opened</source>
        <translation>只能打开一个文件</translation>
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
        <location filename="../ui/StatusSummary.cpp" line="124"/>
        <source>Output %1/%2 bytes</source>
        <translation>输出 %1/%2 字节</translation>
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
        <location filename="../ui/TimingCommands.cpp" line="83"/>
        <source>Cannot write the I/O list %1: %2</source>
        <translation>无法写入 I/O 列表 %1: %2</translation>
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
        <location filename="../ui/ViewController.cpp" line="355"/>
        <source>Export XLS</source>
        <translation>输出文档</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="95"/>
        <source>add node</source>
        <translation>添加节点</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="122"/>
        <source>The node &quot;%1&quot; holds %2 commands. Delete the node and all its commands?</source>
        <translation>节点&quot;%1&quot;含有%2条命令。删除该节点及其全部命令吗？</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="126"/>
        <source>delete node %1</source>
        <translation>删除节点 %1</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="166"/>
        <source>add command %1</source>
        <translation>添加命令 %1</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="187"/>
        <source>delete commands</source>
        <translation>删除命令</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="234"/>
        <source>The clipboard holds no commands to paste.</source>
        <translation>剪贴板中没有可粘贴的命令。</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="240"/>
        <source>paste commands</source>
        <translation>粘贴命令</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="252"/>
        <source>duplicate commands</source>
        <translation>复制命令副本</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="296"/>
        <source>move commands up</source>
        <translation>上移命令</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="296"/>
        <source>move commands down</source>
        <translation>下移命令</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="328"/>
        <source>auto mapping</source>
        <translation>自动映射</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="355"/>
        <source>Excel File(*.xlsx)</source>
        <translation>Excel 文件(*.xlsx)</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="361"/>
        <source>The export failed.</source>
        <translation>输出文档失败。</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="366"/>
        <source>The workbook %1 was written, but no program was found to open it.</source>
        <translation>文档 %1 已输出，但没有找到可以打开它的程序。</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="380"/>
        <source>import commands</source>
        <translation>导入命令</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="405"/>
        <source>upload</source>
        <translation>上载配置</translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="449"/>
        <source>set %1</source>
        <translation>设置 %1</translation>
    </message>
</context>
</TS>
