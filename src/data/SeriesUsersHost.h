#pragma once
// What the backup dialog needs of the design, the other user of the series, after the series folder
// changed: its series choice, its batch state and its sidebar. The design implements it
// (DesignSeriesUsers); tests may use a fake.

class SeriesUsersHost {
public:
    virtual ~SeriesUsersHost() = default;
    // The design's series combo refilled; when the folder was emptied, emptied instead.
    virtual void Series_Folder_Changed(bool emptied) = 0;
    // The design recounts its batch state (its record binding).
    virtual void Check_Series_Or_Excel_Use_or_not() = 0;
    // The sidebar shows the card's properties, no object chosen.
    virtual void Show_Card_Properties() = 0;
};
