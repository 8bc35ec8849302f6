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
        <location filename="../ui/AnnotationPane.cpp" line="31"/>
        <source>Annotation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CBriskView</name>
    <message>
        <location filename="../ui/CBriskView.cpp" line="281"/>
        <source>Export XLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CBriskView.cpp" line="281"/>
        <source>Excel File(*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CConflictDlg</name>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="50"/>
        <source>Conflict Detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="109"/>
        <source>  Input Memory </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="110"/>
        <source> Output Memory </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="153"/>
        <source>Not use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="154"/>
        <source>Legal </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="155"/>
        <source>Conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="156"/>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="157"/>
        <source>Selected Command</source>
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
        <location filename="../ui/CDovelDoc.cpp" line="150"/>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CMainFrame</name>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="68"/>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="90"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="95"/>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="100"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="105"/>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="108"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="112"/>
        <source>Add &amp;Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="116"/>
        <source>&amp;Delete Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="120"/>
        <source>Add &amp;Command...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="124"/>
        <source>De&amp;lete Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="138"/>
        <source>&amp;Export XLS...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="143"/>
        <source>Auto &amp;Mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="153"/>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="157"/>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="166"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="177"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="193"/>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="196"/>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="198"/>
        <source>Tr&amp;ee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="200"/>
        <source>&amp;Annotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="201"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="207"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="272"/>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="128"/>
        <source>&amp;Upload...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="133"/>
        <source>Do&amp;wnload...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="148"/>
        <source>Conflict De&amp;tect...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CUpDownDlg</name>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="110"/>
        <source>Serial port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="119"/>
        <source>Choose the port the gateway is connected to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="131"/>
        <source>Frame log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="208"/>
        <source>Virtual gateway (built in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="292"/>
        <source>%1 on %2 at %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="295"/>
        <source>Opening %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="350"/>
        <source>%1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="412"/>
        <source>Close</source>
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
