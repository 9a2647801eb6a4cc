#!/usr/bin/python3
"""Makes the workbook fuzz target's seeds in fuzz/seeds/workbook: a workbook written by openpyxl,
one converted by LibreOffice Calc from a small spreadsheet document, and each of them again as the
text of its parts (the target's second input form). Needs python3-openpyxl and LibreOffice Calc.
    fuzz/make_workbook_seeds.py"""
import datetime, os, subprocess, tempfile, zipfile

import openpyxl

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "seeds", "workbook")
PARTS = ["xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/sharedStrings.xml", "xl/styles.xml",
         "xl/worksheets/sheet1.xml"]

FODS = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:automatic-styles>
<number:date-style style:name="N1"><number:month number:style="long"/><number:text>/</number:text><number:day number:style="long"/><number:text>/</number:text><number:year number:style="long"/></number:date-style>
<style:style style:name="ce1" style:family="table-cell" style:data-style-name="N1"/>
</office:automatic-styles>
<office:body><office:spreadsheet><table:table table:name="Values">
<table:table-row><table:table-cell office:value-type="string"><text:p>Value</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Header</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Day</text:p></table:table-cell></table:table-row>
<table:table-row><table:table-cell office:value-type="string"><text:p>4006381333931</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Apples, red</text:p></table:table-cell><table:table-cell table:style-name="ce1" office:value-type="date" office:date-value="2020-01-31"><text:p>01/31/2020</text:p></table:table-cell></table:table-row>
<table:table-row><table:table-cell office:value-type="float" office:value="12"><text:p>12</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Größe</text:p></table:table-cell></table:table-row>
</table:table></office:spreadsheet></office:body></office:document>
"""


def openpyxl_workbook(path):
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Data"
    ws.append(["Name", "Count", "Price", "Flag", "Day", "Stamp"])
    ws.append(["apple", 5, 1.5, True, datetime.date(2020, 1, 1), datetime.datetime(2024, 3, 5, 14, 30, 0)])
    ws.append(["007", -3, 0.25, False, datetime.date(1999, 12, 31), "x & y"])
    wb.create_sheet("Second")["B3"] = "late"
    wb.save(path)


def parts_text(xlsx, path):
    with zipfile.ZipFile(xlsx) as z, open(path, "wb") as out:
        names = set(z.namelist())
        out.write(b"\n--part--\n".join(z.read(p) if p in names else b"" for p in PARTS))


def main():
    os.makedirs(OUT, exist_ok=True)
    openpyxl_workbook(os.path.join(OUT, "openpyxl.xlsx"))
    with tempfile.TemporaryDirectory() as work:
        fods = os.path.join(work, "libreoffice.fods")
        with open(fods, "w", encoding="utf-8") as f:
            f.write(FODS)
        subprocess.run(["soffice", "-env:UserInstallation=file://" + work + "/profile", "--headless", "--convert-to",
                        "xlsx", "--outdir", OUT, fods], check=True, stdout=subprocess.DEVNULL, timeout=300)
    for name in ("openpyxl", "libreoffice"):
        parts_text(os.path.join(OUT, name + ".xlsx"), os.path.join(OUT, name + ".parts"))


if __name__ == "__main__":
    main()
