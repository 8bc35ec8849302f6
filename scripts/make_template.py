#!/usr/bin/env python3
"""Builds the template workbooks of the spreadsheet export.

    python3 scripts/make_template.py [output folder]   (default: res/)

writes Template.xlsx (Chinese sheet names and headers) and Template_en.xlsx
(English). Each has four sheets, named as the program looks them up: the
order list, the fieldbus, the subnet and the PLC I/O list, each with a bold, filled header row
naming the columns, a frozen header and column widths that fit the values.
The export fills rows from 2 on and keeps everything else, so the files may
be restyled in any spreadsheet program; this script only gives a clean start.
Only the Python standard library is used; the output is byte-for-byte
reproducible.
"""

import os
import sys
import zipfile
from xml.sax.saxutils import escape

# Texts as the program's text table has them (names of the parameter items,
# sheet names), Chinese and English.
TEXTS = {
    "zh": {
        "sheets": ["命令列表", "现场总线", "子网", "IO 列表"],
        "number": "序号",
        "universal": "通用模式",
        "command": ["功能码", "Modbus寄存器起始地址", "数据个数", "内存映射起始地址",
                    "内存映射位偏移量", "字节个数", "字节交换", "校验类型", "扫描方式",
                    "助记符"],
        "fieldbus": ["总线类型", "输入字节数", "输出字节数", "输入有效数据长度",
                     "输入数据双误清零"],
        "always": ["协议类型", "通讯波特率", "数据位", "奇偶校验方式", "停止位", "从站地址"],
        "master": ["通讯传输模式", "响应等待时间", "轮询延时时间", "输出命令轮询模式",
                   "轮询输出时间", "扫描比率"],
        "universalOnly": ["控制方式", "字符超时时间", "字符个数", "起始符", "结束符",
                          "自动发送", "自动发送周期", "使用CRC校验"],
        "io": ["标签", "存储区", "字节", "起始位", "结束位", "从站地址", "功能码",
               "Modbus地址", "字节交换", "扫描方式"],
    },
    "en": {
        "sheets": ["Order list", "Profibus", "Subnet", "IO list"],
        "number": "No.",
        "universal": "Universal mode",
        "command": ["Function Code", "The starting address of Modbus register", "Data number",
                    "The starting address of mapping memory(HEX)",
                    "Bit offset of memory mapping(0~7)", "Bytes number", "Bytes swapping",
                    "Type of Check", "Scanning mode", "Mnemonic"],
        "fieldbus": ["Protocol type", "Profibus input bytes", "Profibus output bytes ",
                     "Length of valid input data", "Clear after twice faults of input-data"],
        "always": ["Protocol type", "Baud rate", "Data bits", "Parity", "Stop bits",
                   "Slave address"],
        "master": ["Communication mode", "Response timeout(300~6000ms)",
                   "Delay between polls(0~2500ms)", "Polling mode of outputting commands",
                   "Time between two continuous pluses ", "Scan ratio"],
        "universalOnly": ["Control mode", "Character timeout", "Character number",
                          "Start delimiter", "End delimiter", "Send_auto", "Send_auto period",
                          "CRC check"],
        "io": ["Tag", "Memory", "Byte", "First bit", "Last bit", "Slave", "Function",
               "Modbus address", "Swap", "Scan"],
    },
}

# Cell formats (cellXfs): 0 default, 1 header, 2 header of a universal-mode
# column, 3 data cell (text format, thin border).
HEADER, HEADER_UNIVERSAL, DATA = 1, 2, 3

# Widths of columns whose values are long (in characters), by sheet.
VALUE_WIDTHS = {
    0: {1: 6, 2: 10, 8: 18, 10: 12, 11: 24},
    1: {2: 55, 3: 55},
    2: {1: 16, 9: 20, 10: 20},
    3: {1: 20},
}

NS_MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
NS_REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
NS_PKG_REL = "http://schemas.openxmlformats.org/package/2006/relationships"
DECL = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'


def display_width(text):
    """Width of a text in characters, wide (CJK) characters counting two."""
    return sum(2 if ord(c) > 0x2E80 else 1 for c in text)


def column_name(column):
    name = ""
    while column > 0:
        column, digit = divmod(column - 1, 26)
        name = chr(ord("A") + digit) + name
    return name


def headers(texts, sheet):
    """The header texts of a sheet, each with its cell format."""
    if sheet == 0:
        return [(texts["number"], HEADER)] + [(t, HEADER) for t in texts["command"]]
    if sheet == 1:
        return [(t, HEADER) for t in texts["fieldbus"]]
    if sheet == 3:
        return [(t, HEADER) for t in texts["io"]]
    # Columns 7 to 12 hold the same items in both modes; 13 to 20 exist only
    # in universal mode, which their header says on a second line.
    return ([(t, HEADER) for t in texts["always"] + texts["master"]] +
            [(t + "\n(" + texts["universal"] + ")", HEADER_UNIVERSAL)
             for t in texts["universalOnly"]])


def sheet_xml(sheet, cells, strings):
    columns = []
    for index, (text, _) in enumerate(cells, start=1):
        longest = max(display_width(line) for line in text.split("\n"))
        width = min(max(longest * 0.75 + 2, 10), 24)  # long headers wrap
        width = max(width, VALUE_WIDTHS[sheet].get(index, 0))
        columns.append(
            f'<col min="{index}" max="{index}" width="{width:.2f}" style="{DATA}" '
            f'customWidth="1"/>')
    row = []
    for index, (text, style) in enumerate(cells, start=1):
        row.append(f'<c r="{column_name(index)}1" s="{style}" t="s">'
                   f'<v>{strings.index(text)}</v></c>')
    last = column_name(len(cells))
    selected = ' tabSelected="1"' if sheet == 0 else ""
    return (DECL +
            f'<worksheet xmlns="{NS_MAIN}" xmlns:r="{NS_REL}">'
            # Printed one page wide.
            '<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr>'
            f'<dimension ref="A1:{last}1"/>'
            f'<sheetViews><sheetView{selected} workbookViewId="0">'
            '<pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/>'
            '<selection pane="bottomLeft" activeCell="A2" sqref="A2"/>'
            '</sheetView></sheetViews>'
            '<sheetFormatPr defaultRowHeight="15"/>'
            f'<cols>{"".join(columns)}</cols>'
            f'<sheetData><row r="1" spans="1:{len(cells)}" ht="48" customHeight="1">'
            f'{"".join(row)}</row></sheetData>'
            '<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" '
            'footer="0.3"/>'
            '<pageSetup paperSize="9" orientation="landscape" fitToWidth="1" fitToHeight="0"/>'
            # Every value is text; numbers among them are meant as text.
            f'<ignoredErrors><ignoredError sqref="A2:{last}1048576" '
            'numberStoredAsText="1"/></ignoredErrors>'
            '</worksheet>')


STYLES = (DECL +
          f'<styleSheet xmlns="{NS_MAIN}">'
          '<fonts count="2">'
          '<font><sz val="11"/><color theme="1"/><name val="Calibri"/><family val="2"/></font>'
          '<font><b/><sz val="11"/><color theme="1"/><name val="Calibri"/><family val="2"/>'
          '</font></fonts>'
          '<fills count="4">'
          '<fill><patternFill patternType="none"/></fill>'
          '<fill><patternFill patternType="gray125"/></fill>'
          '<fill><patternFill patternType="solid"><fgColor rgb="FFD9E1F2"/>'
          '<bgColor indexed="64"/></patternFill></fill>'
          '<fill><patternFill patternType="solid"><fgColor rgb="FFE2EFDA"/>'
          '<bgColor indexed="64"/></patternFill></fill>'
          '</fills>'
          '<borders count="2">'
          '<border><left/><right/><top/><bottom/><diagonal/></border>'
          '<border><left style="thin"><color indexed="64"/></left>'
          '<right style="thin"><color indexed="64"/></right>'
          '<top style="thin"><color indexed="64"/></top>'
          '<bottom style="thin"><color indexed="64"/></bottom><diagonal/></border>'
          '</borders>'
          '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/>'
          '</cellStyleXfs>'
          '<cellXfs count="4">'
          '<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>'
          '<xf numFmtId="49" fontId="1" fillId="2" borderId="1" xfId="0" applyNumberFormat="1" '
          'applyFont="1" applyFill="1" applyBorder="1" applyAlignment="1">'
          '<alignment horizontal="center" vertical="center" wrapText="1"/></xf>'
          '<xf numFmtId="49" fontId="1" fillId="3" borderId="1" xfId="0" applyNumberFormat="1" '
          'applyFont="1" applyFill="1" applyBorder="1" applyAlignment="1">'
          '<alignment horizontal="center" vertical="center" wrapText="1"/></xf>'
          '<xf numFmtId="49" fontId="0" fillId="0" borderId="1" xfId="0" applyNumberFormat="1" '
          'applyBorder="1" applyAlignment="1"><alignment vertical="top" wrapText="1"/></xf>'
          '</cellXfs>'
          '<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>'
          '<dxfs count="0"/><tableStyles count="0"/>'
          '</styleSheet>')


def workbook(language):
    texts = TEXTS[language]
    sheets = [headers(texts, i) for i in range(len(texts["sheets"]))]
    n = len(sheets)
    strings = []
    for cells in sheets:
        for text, _ in cells:
            if text not in strings:
                strings.append(text)
    count = sum(len(cells) for cells in sheets)

    def text_element(text):
        space = ' xml:space="preserve"' if text != text.strip() or "\n" in text else ""
        return f"<si><t{space}>{escape(text)}</t></si>"

    parts = {}
    parts["[Content_Types].xml"] = (
        DECL +
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" '
        'ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        '<Override PartName="/xl/workbook.xml" ContentType="application/'
        'vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>' +
        "".join(f'<Override PartName="/xl/worksheets/sheet{i}.xml" ContentType="application/'
                'vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
                for i in range(1, n + 1)) +
        '<Override PartName="/xl/styles.xml" ContentType="application/'
        'vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>'
        '<Override PartName="/xl/sharedStrings.xml" ContentType="application/'
        'vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>'
        '</Types>')
    parts["_rels/.rels"] = (
        DECL + f'<Relationships xmlns="{NS_PKG_REL}">'
        '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/'
        'relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>')
    parts["xl/workbook.xml"] = (
        DECL + f'<workbook xmlns="{NS_MAIN}" xmlns:r="{NS_REL}">'
        '<bookViews><workbookView activeTab="0"/></bookViews><sheets>' +
        "".join(f'<sheet name="{escape(name)}" sheetId="{i}" r:id="rId{i}"/>'
                for i, name in enumerate(texts["sheets"], start=1)) +
        '</sheets></workbook>')
    parts["xl/_rels/workbook.xml.rels"] = (
        DECL + f'<Relationships xmlns="{NS_PKG_REL}">' +
        "".join(f'<Relationship Id="rId{i}" Type="http://schemas.openxmlformats.org/'
                f'officeDocument/2006/relationships/worksheet" Target="worksheets/sheet{i}.xml"/>'
                for i in range(1, n + 1)) +
        f'<Relationship Id="rId{n + 1}" Type="http://schemas.openxmlformats.org/'
        'officeDocument/2006/relationships/styles" Target="styles.xml"/>'
        f'<Relationship Id="rId{n + 2}" Type="http://schemas.openxmlformats.org/'
        'officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>'
        '</Relationships>')
    for i, cells in enumerate(sheets):
        parts[f"xl/worksheets/sheet{i + 1}.xml"] = sheet_xml(i, cells, strings)
    parts["xl/styles.xml"] = STYLES
    parts["xl/sharedStrings.xml"] = (
        DECL + f'<sst xmlns="{NS_MAIN}" count="{count}" uniqueCount="{len(strings)}">' +
        "".join(text_element(t) for t in strings) + '</sst>')
    return parts


def write(path, parts):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, text in parts.items():
            info = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            archive.writestr(info, text.encode("utf-8"))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "res")
    os.makedirs(folder, exist_ok=True)
    for language, name in (("zh", "Template.xlsx"), ("en", "Template_en.xlsx")):
        path = os.path.join(folder, name)
        write(path, workbook(language))
        print(path)


if __name__ == "__main__":
    main()
