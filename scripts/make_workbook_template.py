#!/usr/bin/env python3
"""Writes resources/Template.xlsx: the skeleton workbook the list exports start from.

It holds only the parts a one-sheet workbook needs by ECMA-376 Part 1 (package content types and
relationships, the workbook with one sheet, minimal styles, an empty worksheet and an empty
shared-strings part). The exports replace the worksheet and the shared strings. Entries carry a
fixed date, so running this again gives the same bytes.

Usage: scripts/make_workbook_template.py [OUTPUT]   (default: resources/Template.xlsx)
"""
import os
import sys
import zipfile

MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG_REL = "http://schemas.openxmlformats.org/package/2006/relationships"
DECL = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
CT = "application/vnd.openxmlformats-officedocument.spreadsheetml."

PARTS = [
    ("[Content_Types].xml",
     DECL + '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
     '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
     '<Default Extension="xml" ContentType="application/xml"/>'
     f'<Override PartName="/xl/workbook.xml" ContentType="{CT}sheet.main+xml"/>'
     f'<Override PartName="/xl/worksheets/sheet1.xml" ContentType="{CT}worksheet+xml"/>'
     f'<Override PartName="/xl/sharedStrings.xml" ContentType="{CT}sharedStrings+xml"/>'
     f'<Override PartName="/xl/styles.xml" ContentType="{CT}styles+xml"/>'
     '</Types>\n'),
    ("_rels/.rels",
     DECL + f'<Relationships xmlns="{PKG_REL}">'
     f'<Relationship Id="rId1" Type="{REL}/officeDocument" Target="xl/workbook.xml"/>'
     '</Relationships>\n'),
    ("xl/workbook.xml",
     DECL + f'<workbook xmlns="{MAIN}" xmlns:r="{REL}">'
     '<sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets>'
     '</workbook>\n'),
    ("xl/_rels/workbook.xml.rels",
     DECL + f'<Relationships xmlns="{PKG_REL}">'
     f'<Relationship Id="rId1" Type="{REL}/worksheet" Target="worksheets/sheet1.xml"/>'
     f'<Relationship Id="rId2" Type="{REL}/sharedStrings" Target="sharedStrings.xml"/>'
     f'<Relationship Id="rId3" Type="{REL}/styles" Target="styles.xml"/>'
     '</Relationships>\n'),
    ("xl/styles.xml",
     DECL + f'<styleSheet xmlns="{MAIN}">'
     '<fonts count="1"><font><sz val="11"/><name val="Calibri"/><family val="2"/></font></fonts>'
     '<fills count="2"><fill><patternFill patternType="none"/></fill>'
     '<fill><patternFill patternType="gray125"/></fill></fills>'
     '<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>'
     '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>'
     '<cellXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/></cellXfs>'
     '<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>'
     '</styleSheet>\n'),
    ("xl/worksheets/sheet1.xml",
     DECL + f'<worksheet xmlns="{MAIN}"><sheetData/></worksheet>\n'),
    ("xl/sharedStrings.xml",
     DECL + f'<sst xmlns="{MAIN}"/>\n'),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "Template.xlsx")
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
        for name, text in PARTS:
            info = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, text.encode("utf-8"))


if __name__ == "__main__":
    main()
