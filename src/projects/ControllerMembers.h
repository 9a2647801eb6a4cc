// This subsystem's members of SKTWindowController. Included inside the class body of
// app/SKTWindowController.h, so it holds declarations only (no include guard, no includes).

    // Resets the window to a new, empty project of both modes (the argument is not read).
    void New_Project_Setting_Reset(bool unused);
