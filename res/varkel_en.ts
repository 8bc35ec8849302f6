<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CConfigApp</name>
    <message>
        <location filename="../ui/CConfigApp.cpp" line="16"/>
        <source>Varkel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::AboutDialog</name>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="25"/>
        <source>About Varkel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="31"/>
        <source>&lt;b&gt;Varkel&lt;/b&gt; gateway configuration tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="32"/>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="34"/>
        <source>Configures Profibus-DP slave / Modbus master gateways.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="35"/>
        <source>Free software, made by the Varkel project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="36"/>
        <source>Questions and reports of faults are welcome at:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::AnnotationPane</name>
    <message>
        <location filename="../ui/AnnotationPane.cpp" line="30"/>
        <source>Annotation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CBriskView</name>
    <message>
        <location filename="../ui/CBriskView.cpp" line="201"/>
        <source>Export XLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CBriskView.cpp" line="201"/>
        <source>Excel File(*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CDovelDoc</name>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="27"/>
        <source>XML File(*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="116"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="149"/>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CMainFrame</name>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="65"/>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="88"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="93"/>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="98"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="103"/>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="106"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="110"/>
        <source>Add &amp;Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="114"/>
        <source>&amp;Delete Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="118"/>
        <source>Add &amp;Command...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="122"/>
        <source>De&amp;lete Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="126"/>
        <source>&amp;Export XLS...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="131"/>
        <source>Auto &amp;Mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="136"/>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="140"/>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="149"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="160"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="172"/>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="175"/>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="177"/>
        <source>Tr&amp;ee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="179"/>
        <source>&amp;Annotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="180"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="186"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="246"/>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::ParamGrid</name>
    <message>
        <location filename="../ui/ParamGrid.cpp" line="29"/>
        <source>Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ParamGrid.cpp" line="29"/>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::SelectCommandDialog</name>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="13"/>
        <source>Select Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="22"/>
        <source>Double-click a function to add a command of it to the node.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::SelectDeviceDialog</name>
    <message>
        <location filename="../ui/SelectDeviceDialog.cpp" line="17"/>
        <source>Select Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/SelectDeviceDialog.cpp" line="30"/>
        <source>Select Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
