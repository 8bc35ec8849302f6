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
        <location filename="../ui/AboutDialog.cpp" line="30"/>
        <source>About Varkel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="36"/>
        <source>&lt;b&gt;Varkel&lt;/b&gt; gateway configuration tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="37"/>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="39"/>
        <source>Configures Profibus-DP slave / Modbus master gateways.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="40"/>
        <source>Free software, made by the Varkel project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="41"/>
        <source>Questions and reports of faults are welcome at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/AboutDialog.cpp" line="49"/>
        <source>No web browser could be opened for %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::AnnotationPane</name>
    <message>
        <location filename="../ui/AnnotationPane.cpp" line="35"/>
        <source>Annotation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CBriskView</name>
    <message>
        <location filename="../ui/CBriskView.cpp" line="75"/>
        <source>This value cannot be entered now: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CBriskView.cpp" line="77"/>
        <source>Outside its range: %1 is accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CBriskView.cpp" line="79"/>
        <source>Shown only: this value is not set in the grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CBriskView.cpp" line="81"/>
        <source>Not used with the current settings, so it cannot be changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CConflictDlg</name>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="55"/>
        <source>Conflict Detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="130"/>
        <source>  Input Memory </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="131"/>
        <source> Output Memory </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="174"/>
        <source>Not use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="175"/>
        <source>Legal </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="176"/>
        <source>Conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="177"/>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CConflictDlg.cpp" line="178"/>
        <source>Selected Command</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CDovelDoc</name>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="59"/>
        <source>The file &quot;%1&quot; was changed on disk by another program; saving will ask before overwriting it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="65"/>
        <source>XML File(*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="130"/>
        <source>The file &quot;%1&quot; changed on disk since it was opened.
Overwrite the other change and save (Yes), or cancel the save (No)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="142"/>
        <source>Could not save the file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="178"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="203"/>
        <source>The file %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CDovelDoc.cpp" line="217"/>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CMainFrame</name>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="564"/>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="244"/>
        <source>%1 values of this file are outside their range; the grid marks them red (`varkel-cli check` lists them).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="511"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="512"/>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="513"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="514"/>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="515"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="516"/>
        <source>Add &amp;Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="517"/>
        <source>&amp;Delete Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="518"/>
        <source>Add &amp;Command...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="519"/>
        <source>De&amp;lete Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="522"/>
        <source>&amp;Export XLS...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="523"/>
        <source>I&amp;mport Commands...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="524"/>
        <source>Auto &amp;Mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="526"/>
        <source>Te&amp;st Commands...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="528"/>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="529"/>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="530"/>
        <source>Cop&amp;y Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="531"/>
        <source>&amp;Paste Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="532"/>
        <source>Dupl&amp;icate Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="533"/>
        <source>Mo&amp;ve Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="534"/>
        <source>Move D&amp;own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="550"/>
        <source>Test Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="551"/>
        <location filename="../ui/CMainFrame.cpp" line="585"/>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="552"/>
        <location filename="../ui/CMainFrame.cpp" line="586"/>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="555"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="556"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="563"/>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="567"/>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="568"/>
        <source>Tr&amp;ee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="569"/>
        <source>&amp;Annotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="759"/>
        <source>The user manual %1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="763"/>
        <source>Could not open the user manual %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="557"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="558"/>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="559"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="565"/>
        <source>Annotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="721"/>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="520"/>
        <source>&amp;Upload...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="521"/>
        <source>Do&amp;wnload...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="525"/>
        <source>Conflict De&amp;tect...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CMainFrame.cpp" line="527"/>
        <source>Run G&amp;ateway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::CUpDownDlg</name>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="54"/>
        <source>Serial port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="63"/>
        <source>Choose the port the gateway is connected to, or type its path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="80"/>
        <source>Frame log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="137"/>
        <source>Virtual gateway (built in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="140"/>
        <location filename="../ui/CUpDownDlg.cpp" line="274"/>
        <source>the built-in virtual gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="261"/>
        <source>The virtual gateway could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="276"/>
        <source>%1 on %2 at %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="279"/>
        <source>Opening %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="345"/>
        <source>%1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="385"/>
        <source>The mapping addresses of these commands conflict; nothing was sent to the gateway:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="387"/>
        <source>These commands are mapped beyond the gateway&apos;s memory; nothing was sent to the gateway:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="390"/>
        <source>Open Conflict Detect now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="413"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/CUpDownDlg.cpp" line="230"/>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::ConfigTree</name>
    <message>
        <location filename="../ui/ConfigTree.cpp" line="237"/>
        <source>Slave: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ConfigTree.cpp" line="238"/>
        <source>Function: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ConfigTree.cpp" line="245"/>
        <source>Registers: %1–%2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ConfigTree.cpp" line="254"/>
        <source>Mapping: %1 bit offset %2, %3 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ConfigTree.cpp" line="259"/>
        <source>Mnemonic: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::ImportDialog</name>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="42"/>
        <source>Import Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="44"/>
        <source>List: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="46"/>
        <source>&amp;Replace the node&apos;s commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="47"/>
        <source>A&amp;ppend to the node&apos;s commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="49"/>
        <source>Run Auto &amp;Mapping after the import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="56"/>
        <source>Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="56"/>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="56"/>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="74"/>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="137"/>
        <source>Refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="137"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="183"/>
        <source>%1 commands will be imported into the first node.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ImportDialog.cpp" line="185"/>
        <source>%1 problems found: nothing is imported until the list is corrected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::ParamGrid</name>
    <message>
        <location filename="../ui/ParamGrid.cpp" line="54"/>
        <source>Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ParamGrid.cpp" line="54"/>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::PlcTagDialog</name>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="59"/>
        <location filename="../ui/PlcTagDialog.cpp" line="320"/>
        <source>Export PLC Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="66"/>
        <source>CSV: name, type, address, comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="67"/>
        <source>S7 tag table (.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="68"/>
        <source>IEC 61131-3 global variables (text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="73"/>
        <source>The byte address at which the PLC maps this area of the gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="77"/>
        <source>The Path column of the S7 table; the heading of the IEC text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="79"/>
        <source>IEC &amp;byte addressing (the word at byte 256 is %IW256, not %IW128)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="82"/>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="83"/>
        <source>&amp;Input area at PLC byte:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="84"/>
        <source>&amp;Output area at PLC byte:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="85"/>
        <source>Table &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="91"/>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="91"/>
        <source>Slave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="91"/>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="91"/>
        <source>Modbus address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="91"/>
        <location filename="../ui/PlcTagDialog.cpp" line="101"/>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="96"/>
        <source>Register &amp;types:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="101"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="101"/>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="101"/>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="117"/>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="274"/>
        <source>&amp;Preview: the first %1 of %2 tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="316"/>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="316"/>
        <source>Workbooks (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/PlcTagDialog.cpp" line="317"/>
        <source>IEC 61131-3 text (*.st *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::PortBox</name>
    <message>
        <location filename="../ui/PortBox.cpp" line="24"/>
        <source>Type or paste a device path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::ProbeDialog</name>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="64"/>
        <source>Test Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="70"/>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="75"/>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="76"/>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="77"/>
        <location filename="../ui/ProbeDialog.cpp" line="575"/>
        <source>Save Log...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="88"/>
        <source>Trend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="88"/>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="88"/>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="88"/>
        <source>Slave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="89"/>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="89"/>
        <source>Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="90"/>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="90"/>
        <source>Byte order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="91"/>
        <source>Time (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="105"/>
        <source>* marks the byte order that gives the table&apos;s values: the order the PLC&apos;s side must read these bytes in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="117"/>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="118"/>
        <source>Reset zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="123"/>
        <source>Time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="123"/>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="128"/>
        <source>The trend chart could not be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="210"/>
        <source>Virtual slave (built in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="395"/>
        <source>The selected command&apos;s bytes in memory as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="417"/>
        <source>Choose a port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="427"/>
        <source>The virtual slave could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="450"/>
        <source>Testing on %1 (reads only: nothing is ever written to a device)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="505"/>
        <source>Pass %1: %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="575"/>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ProbeDialog.cpp" line="580"/>
        <source>Cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::ProbeImageGrid</name>
    <message>
        <location filename="../ui/ProbeImageGrid.cpp" line="84"/>
        <source>Byte %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::RunGatewayDialog</name>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="182"/>
        <source>Run Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="187"/>
        <source>Slaves:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="192"/>
        <source>Allow writes to real devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="195"/>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="196"/>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="211"/>
        <source>Let a PLC program connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="221"/>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="221"/>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="221"/>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="221"/>
        <source>Requests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="222"/>
        <source>Answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="222"/>
        <source>Time-outs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="222"/>
        <source>Exceptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="223"/>
        <source>Last time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="244"/>
        <source>Type a byte in hexadecimal: what the PLC writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="262"/>
        <location filename="../ui/RunGatewayDialog.cpp" line="270"/>
        <source>Slave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="262"/>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="262"/>
        <location filename="../ui/RunGatewayDialog.cpp" line="270"/>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="262"/>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="270"/>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="270"/>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="270"/>
        <source>Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="277"/>
        <source>Input memory (what the PLC reads)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="278"/>
        <source>Output memory (what the PLC writes, hexadecimal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="281"/>
        <source>Virtual slaves (double-click a value to change it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="282"/>
        <source>Writes received by the slaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="317"/>
        <source>Virtual slaves (built in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="364"/>
        <source>output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="364"/>
        <source>input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="388"/>
        <source>The configuration cannot run:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="407"/>
        <source>Coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="407"/>
        <source>Discrete input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="407"/>
        <source>Input register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="408"/>
        <source>Holding register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="585"/>
        <source>Choose a port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="626"/>
        <source>Modbus TCP on %1 while the gateway runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="644"/>
        <source>A PLC program connects to Modbus TCP %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="657"/>
        <source>Cycle %1: last %2 ms, mean %3 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="661"/>
        <source>Cycle: not measured yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="663"/>
        <source>Estimate: %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/RunGatewayDialog.cpp" line="672"/>
        <source>Writes are held: tick &quot;Allow writes to real devices&quot; to send them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::SelectCommandDialog</name>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="18"/>
        <source>Select Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="30"/>
        <source>The gateway does not support this function; it cannot be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="34"/>
        <source>Double-click a function to add a command of it to the node.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/SelectCommandDialog.cpp" line="38"/>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::SelectDeviceDialog</name>
    <message>
        <location filename="../ui/SelectDeviceDialog.cpp" line="16"/>
        <source>Select Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/SelectDeviceDialog.cpp" line="29"/>
        <source>Select Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::Shots</name>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="72"/>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="85"/>
        <source>--show must be device, about, command, download, upload, conflict or timing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="92"/>
        <source>--edit must be a number from 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="94"/>
        <source>--select must be a number from 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="200"/>
        <source>no temporary folder for the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="207"/>
        <source>with --screenshot: picture the device, about, command, download, upload, conflict or timing dialog instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="211"/>
        <source>with --screenshot: select tree entry N (from 0) first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ShotsMain.cpp" line="214"/>
        <source>with --screenshot: open the editor of parameter row N (from 0)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::Startup</name>
    <message>
        <location filename="../ui/Startup.cpp" line="74"/>
        <source>cannot write the picture %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="85"/>
        <source>Varkel gateway configuration tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="90"/>
        <source>gateway model 0 (TRX10), 1 (TRX20A) or 2 (TRC10), without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="94"/>
        <source>language zh or en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="98"/>
        <source>show the main window, write a picture of it, exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="104"/>
        <source>configuration file to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="126"/>
        <source>--device must be 0, 1 or 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="132"/>
        <source>--lang must be zh or en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="138"/>
        <source>only one file can be opened</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::StatusSummary</name>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="100"/>
        <source>, %1 over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="104"/>
        <source>, bits in conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="115"/>
        <source>Commands %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="120"/>
        <source>Input %1/%2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="121"/>
        <source>The commands need %1 bytes of input memory: %2 bytes beyond its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="122"/>
        <source>Commands share bits in %1 bytes of the input memory (Conflict Detect shows where)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="125"/>
        <source>The commands need %1 bytes of output memory: %2 bytes beyond its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="126"/>
        <source>Commands share bits in %1 bytes of the output memory (Conflict Detect shows where)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="124"/>
        <source>Output %1/%2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="131"/>
        <source>Cycle: no estimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/StatusSummary.cpp" line="138"/>
        <source>Quick-scan cycle ≈ %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::TimingCommands</name>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="56"/>
        <source>Export &amp;I/O list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="57"/>
        <source>Write where every register and coil lies in the Profibus data to a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="61"/>
        <source>Timin&amp;g...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="62"/>
        <source>Estimated polling cycle and line time of every command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="75"/>
        <source>Export I/O list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="75"/>
        <source>CSV File(*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="83"/>
        <source>Cannot write the I/O list %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="59"/>
        <source>Export PLC &amp;Tags...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingCommands.cpp" line="60"/>
        <source>Write a tag table the PLC&apos;s engineering tool imports</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::TimingDialog</name>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="35"/>
        <source>Timing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="46"/>
        <source>Time a slave is assumed to take before it answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="49"/>
        <source>Slave turnaround:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="52"/>
        <source>Line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="68"/>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="68"/>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="68"/>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="69"/>
        <source>Request chars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="69"/>
        <source>Reply chars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="69"/>
        <source>Line time (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="70"/>
        <source>Per poll (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="70"/>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="76"/>
        <source>An estimate from the configuration alone: line time of each exchange, the assumed turnaround and the delay between polls. The gateway&apos;s own processing time is not counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="101"/>
        <source>%1 baud, %2, %3 bits a character = %4 ms; delay between polls %5 ms; response timeout %6 ms; scan ratio %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/TimingDialog.cpp" line="110"/>
        <source>Quick-scan cycle %1 ms · slow-scan cycle %2 ms · %3 ms when no slave answers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varkel::ViewController</name>
    <message>
        <location filename="../ui/ViewController.cpp" line="375"/>
        <source>Import Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="375"/>
        <source>Command lists (*.xlsx *.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="355"/>
        <source>Export XLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="95"/>
        <source>add node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="122"/>
        <source>The node &quot;%1&quot; holds %2 commands. Delete the node and all its commands?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="126"/>
        <source>delete node %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="166"/>
        <source>add command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="187"/>
        <source>delete commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="234"/>
        <source>The clipboard holds no commands to paste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="240"/>
        <source>paste commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="252"/>
        <source>duplicate commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="296"/>
        <source>move commands up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="296"/>
        <source>move commands down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="328"/>
        <source>auto mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="355"/>
        <source>Excel File(*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="361"/>
        <source>The export failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="366"/>
        <source>The workbook %1 was written, but no program was found to open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="380"/>
        <source>import commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="405"/>
        <source>upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/ViewController.cpp" line="449"/>
        <source>set %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
