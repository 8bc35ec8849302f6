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
        <location filename="../ui/AboutDialog.cpp" line="25"/>
        <source>About Varkel</source>
        <translation>关于 Varkel</translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="31"/>
        <source>&lt;b&gt;Varkel&lt;/b&gt; gateway configuration tool</source>
        <translation>&lt;b&gt;Varkel&lt;/b&gt; 网关配置软件</translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="32"/>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="34"/>
        <source>Configures Profibus-DP slave / Modbus master gateways.</source>
        <translation>用于配置 Profibus-DP 从站 / Modbus 主站协议网关。</translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="35"/>
        <source>Free software, made by the Varkel project.</source>
        <translation>自由软件，由 Varkel 项目开发。</translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="36"/>
        <source>Questions and reports of faults are welcome at:</source>
        <translation>欢迎在以下网址提出问题和报告故障：</translation>
    </message>
</context>
<context>
    <name>varkel::AnnotationPane</name>
    <message>
        <location filename="../ui/AnnotationPane.cpp" line="31"/>
        <source>Annotation</source>
        <translation>提示信息</translation>
    </message>
</context>
<context>
    <name>varkel::CBriskView</name>
    <message>
        <location filename="../ui/CBriskView.cpp" line="281"/>
        <source>Export XLS</source>
        <translation>输出文档</translation>
    </message>
    <message>
        <location filename="../ui/CBriskView.cpp" line="281"/>
        <source>Excel File(*.xlsx)</source>
        <translation>Excel 文件(*.xlsx)</translation>
    </message>
</context>
<context>
    <name>varkel::CConflictDlg</name>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="50"/>
        <source>Conflict Detect</source>
        <translation>冲突检测</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="109"/>
        <source>  Input Memory </source>
        <translation>    输入内存</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="110"/>
        <source> Output Memory </source>
        <translation>    输出内存</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="153"/>
        <source>Not use</source>
        <translation>未使用</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="154"/>
        <source>Legal </source>
        <translation>合法</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="155"/>
        <source>Conflict</source>
        <translation>冲突</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="156"/>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="157"/>
        <source>Selected Command</source>
        <translation>选中</translation>
    </message>
</context>
<context>
    <name>varkel::CDovelDoc</name>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="27"/>
        <source>XML File(*.xml)</source>
        <translation>XML File(*.xml)</translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="116"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="150"/>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
</context>
<context>
    <name>varkel::CMainFrame</name>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="68"/>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="90"/>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="95"/>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="100"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="105"/>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="108"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="112"/>
        <source>Add &amp;Node</source>
        <translation>增加节点(&amp;I)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="116"/>
        <source>&amp;Delete Node</source>
        <translation>删除节点(&amp;S)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="120"/>
        <source>Add &amp;Command...</source>
        <translation>增加命令(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="124"/>
        <source>De&amp;lete Command</source>
        <translation>删除命令(&amp;L)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="138"/>
        <source>&amp;Export XLS...</source>
        <translation>输出文档(&amp;E)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="143"/>
        <source>Auto &amp;Mapping</source>
        <translation>自动映射(&amp;M)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="153"/>
        <source>&amp;Contents</source>
        <translation>内容(&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="157"/>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="166"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="177"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="193"/>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="196"/>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="198"/>
        <source>Tr&amp;ee</source>
        <translation>查看树(&amp;L)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="200"/>
        <source>&amp;Annotation</source>
        <translation>查看提示信息(&amp;I)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="201"/>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="207"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="272"/>
        <source>Recent File</source>
        <translation>最近文件</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="128"/>
        <source>&amp;Upload...</source>
        <translation>上传数据(&amp;U)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="133"/>
        <source>Do&amp;wnload...</source>
        <translation>下载数据(&amp;D)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="148"/>
        <source>Conflict De&amp;tect...</source>
        <translation>冲突检测(&amp;T)...</translation>
    </message>
</context>
<context>
    <name>varkel::CUpDownDlg</name>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="110"/>
        <source>Serial port:</source>
        <translation>选择串口:</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="119"/>
        <source>Choose the port the gateway is connected to.</source>
        <translation>请选择网关所连接的串口。</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="131"/>
        <source>Frame log</source>
        <translation>报文记录</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="208"/>
        <source>Virtual gateway (built in)</source>
        <translation>内置虚拟网关</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="292"/>
        <source>%1 on %2 at %3</source>
        <translation>%1：%2，开始于 %3</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="295"/>
        <source>Opening %1</source>
        <translation>正在打开 %1</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="350"/>
        <source>%1 of %2: %3</source>
        <translation>第 %1 步，共 %2 步：%3</translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="412"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>varkel::ParamGrid</name>
    <message>
        <location filename="../ui/ParamGrid.cpp" line="29"/>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <location filename="../ui/ParamGrid.cpp" line="29"/>
        <source>Value</source>
        <translation>值</translation>
    </message>
</context>
<context>
    <name>varkel::SelectCommandDialog</name>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="13"/>
        <source>Select Command</source>
        <translation>选择命令</translation>
    </message>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="22"/>
        <source>Double-click a function to add a command of it to the node.</source>
        <translation>双击一个功能码，即为节点增加一条该功能码的命令。</translation>
    </message>
</context>
<context>
    <name>varkel::SelectDeviceDialog</name>
    <message>
        <location filename="../ui/SelectDeviceDialog.cpp" line="17"/>
        <source>Select Device</source>
        <translation>选择设备类型</translation>
    </message>
    <message>
        <location filename="../ui/SelectDeviceDialog.cpp" line="30"/>
        <source>Select Type</source>
        <translation>选择设备</translation>
    </message>
</context>
</TS>
