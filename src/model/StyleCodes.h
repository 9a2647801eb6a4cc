#pragma once
// The border-style and fill-type codes that card objects and the card border store as text, with
// the border styles' dash lengths. Every border-style list of the sidebar holds the five codes in
// this order, index 0 to 4.

#include <QList>
#include <QString>
#include <QStringList>

// Border-style code of a list index: 0 "S", 1 "DA", 2 "DO", 3 "DD", 4 "DDD"; "S" for any other index.
QString Border_Style_Code(int index);
// The list index of a code, -1 for an unknown code (the list is then left as it was).
int Border_Style_Index(const QString &code);
// The titles the lists show for the five codes, in the lists' order: "Solid", "Dash", "Dot",
// "Dash Dot", "Dash Dot Dot".
QStringList Border_Style_Titles();
// Painted and gap lengths in points, alternating, for a border-style code; empty (solid) for "S"
// and for any code outside the table. The lengths never grow with the stroke width.
QList<double> Border_Dash_Array(const QString &code);
