#pragma once
// The canvas's commands that the editing, arrange and field handlers of the Designing mode hand
// their work to. The canvas sets them; a handler whose command is unset changes nothing and
// records no step.

#include <QList>

#include <functional>

struct CanvasCommands {
    std::function<void()> copy, cut, paste, deleteSelection, bringToFront, sendToBack;
    std::function<void()> alignLeftEdges, alignRightEdges, alignTopEdges, alignBottomEdges,
        alignHorizontalCenters, alignVerticalCenters, alignformCenter, alignWithGrid;
    std::function<void()> makeSameWidth, makeSameHeight, makeSameAsLabelSize, makeNaturalSize;
    // Field appliers: every unlocked selected object takes the value as its x or y (points), or
    // its width or height (the design unit; barcode objects keep their size).
    std::function<void(double points)> applyX, applyY, applyWidth, applyHeight;
    // print_object of every unlocked selected object := the flag (0 printed, 1 left out).
    std::function<void(int flag)> printControlOrNot;
    // Replaces the canvas's selection by the objects at these indexes of the document.
    std::function<void(const QList<int> &indexes)> changeSelectionIndexes;
    // Deselects everything.
    std::function<void()> clearSelection;
};
