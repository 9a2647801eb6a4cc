#pragma once
// Where the barcode settings editor shows its picture: a window's preview view with its scroll
// view, error label and frame, and the 2D symbol a blank preview clears. The Advanced QR mode hands
// its own to the editor.

class QLabel;
class QRect;
class QScrollArea;
namespace platform { class Picture; class PictureView; }

struct EditorPreview {
    platform::PictureView *view = nullptr;
    QScrollArea *scroll = nullptr;
    QLabel *errorLabel = nullptr;
    QRect *frameRect = nullptr;
    platform::Picture *symbol = nullptr;   // the 2D symbol the blank preview clears
};
