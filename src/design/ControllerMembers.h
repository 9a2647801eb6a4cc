// This subsystem's members of SKTWindowController. Included inside the class body of
// app/SKTWindowController.h, so it holds declarations only (no include guard, no includes).

    // Applies the document's canvas size to the canvas.
    void SetDocumentCanvasSize(const QSizeF &size);
    QSizeF canvasFrameSize;   // the canvas size last applied, in points
