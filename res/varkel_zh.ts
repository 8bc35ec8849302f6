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
        <location filename="../ui/AnnotationPane.cpp" line="30"/>
        <source>Annotation</source>
        <translation>提示信息</translation>
    </message>
</context>
<context>
    <name>varkel::CBriskView</name>
    <message>
        <location filename="../ui/CBriskView.cpp" line="201"/>
        <source>Export XLS</source>
        <translation>输出文档</translation>
    </message>
    <message>
        <location filename="../ui/CBriskView.cpp" line="201"/>
        <source>Excel File(*.xlsx)</source>
        <translation>Excel 文件(*.xlsx)</translation>
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
        <location filename="../ui/CDovelDoc.cpp" line="149"/>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
</context>
<context>
    <name>varkel::CMainFrame</name>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="65"/>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="88"/>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="93"/>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="98"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="103"/>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="106"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="110"/>
        <source>Add &amp;Node</source>
        <translation>增加节点(&amp;I)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="114"/>
        <source>&amp;Delete Node</source>
        <translation>删除节点(&amp;S)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="118"/>
        <source>Add &amp;Command...</source>
        <translation>增加命令(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="122"/>
        <source>De&amp;lete Command</source>
        <translation>删除命令(&amp;L)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="126"/>
        <source>&amp;Export XLS...</source>
        <translation>输出文档(&amp;E)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="131"/>
        <source>Auto &amp;Mapping</source>
        <translation>自动映射(&amp;M)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="136"/>
        <source>&amp;Contents</source>
        <translation>内容(&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="140"/>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="149"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="160"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="172"/>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="175"/>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="177"/>
        <source>Tr&amp;ee</source>
        <translation>查看树(&amp;L)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="179"/>
        <source>&amp;Annotation</source>
        <translation>查看提示信息(&amp;I)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="180"/>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="186"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="246"/>
        <source>Recent File</source>
        <translation>最近文件</translation>
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
