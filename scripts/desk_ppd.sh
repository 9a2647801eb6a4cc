#!/usr/bin/env bash
# Prints the description of a desk PostScript printer that takes Letter (its default), Legal, A4 and
# A5 and cannot mark the outer MARGIN points of any of them: the default printer of
# with_default_printer.sh --margins36 and the tests' own desk queues.
# Usage: scripts/desk_ppd.sh MARGIN
set -euo pipefail
m=${1:?margin in points}
cat <<'PPD'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "DESK36.PPD"
*Manufacturer: "Generic"
*Product: "(PostScript Printer)"
*ModelName: "Generic PostScript Printer 36pt"
*ShortNickName: "PostScript 36 pt margins"
*NickName: "Generic PostScript Printer 36 pt margins"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
PPD
papers='Letter/US_Letter:612:792 Legal/US_Legal:612:1008 A4/A4:595:842 A5/A5:420:595'
for kw in PageSize PageRegion; do
  printf '*OpenUI *%s/Media Size: PickOne\n*OrderDependency: 10 AnySetup *%s\n*Default%s: Letter\n' "$kw" "$kw" "$kw"
  for p in $papers; do
    IFS=: read -r n w h <<<"$p"
    printf '*%s %s: "<</PageSize[%s %s]/ImagingBBox null>>setpagedevice"\n' "$kw" "${n//_/ }" "$w" "$h"
  done
  printf '*CloseUI: *%s\n' "$kw"
done
printf '*DefaultImageableArea: Letter\n*DefaultPaperDimension: Letter\n'
for p in $papers; do
  IFS=: read -r n w h <<<"$p"
  printf '*ImageableArea %s: "%s %s %s %s"\n' "${n//_/ }" "$m" "$m" $((w - m)) $((h - m))
  printf '*PaperDimension %s: "%s %s"\n' "${n//_/ }" "$w" "$h"
done
