#!/usr/bin/env bash
# Prints the description of a desk PostScript printer that takes Letter, Legal, A4 and A5 and cannot
# mark the outer points of any of them given by its margins: MARGIN on every side (the default
# printer of with_default_printer.sh --margins36 and the tests' own desk queues), or LEFT BOTTOM
# RIGHT TOP of the portrait paper, in the order of an imageable area. TURN is the way the printer
# turns a landscape page onto its paper: Plus90 (the default) or Minus90. TRAY is the paper in its
# tray, its default: Letter (the default) or A4.
# Usage: scripts/desk_ppd.sh MARGIN
#        scripts/desk_ppd.sh LEFT BOTTOM RIGHT TOP [TURN [TRAY]]
set -euo pipefail
l=${1:?margin in points}
b=${2:-$l}
r=${3:-$l}
t=${4:-$l}
turn=${5:-Plus90}
tray=${6:-Letter}
case "$turn" in Plus90 | Minus90) ;; *) echo "desk_ppd.sh: TURN is Plus90 or Minus90" >&2; exit 2 ;; esac
case "$tray" in Letter | A4) ;; *) echo "desk_ppd.sh: TRAY is Letter or A4" >&2; exit 2 ;; esac
cat <<PPD
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "DESK.PPD"
*Manufacturer: "Generic"
*Product: "(PostScript Printer)"
*ModelName: "Generic PostScript Desk Printer"
*ShortNickName: "PostScript desk printer"
*NickName: "Generic PostScript desk printer, margins $l $b $r $t pt"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: $turn
*TTRasterizer: Type42
*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
PPD
papers='Letter/US_Letter:612:792 Legal/US_Legal:612:1008 A4/A4:595:842 A5/A5:420:595'
for kw in PageSize PageRegion; do
  printf '*OpenUI *%s/Media Size: PickOne\n*OrderDependency: 10 AnySetup *%s\n*Default%s: %s\n' "$kw" "$kw" "$kw" "$tray"
  for p in $papers; do
    IFS=: read -r n w h <<<"$p"
    printf '*%s %s: "<</PageSize[%s %s]/ImagingBBox null>>setpagedevice"\n' "$kw" "${n//_/ }" "$w" "$h"
  done
  printf '*CloseUI: *%s\n' "$kw"
done
printf '*DefaultImageableArea: %s\n*DefaultPaperDimension: %s\n' "$tray" "$tray"
for p in $papers; do
  IFS=: read -r n w h <<<"$p"
  printf '*ImageableArea %s: "%s %s %s %s"\n' "${n//_/ }" "$l" "$b" $((w - r)) $((h - t))
  printf '*PaperDimension %s: "%s %s"\n' "${n//_/ }" "$w" "$h"
done
