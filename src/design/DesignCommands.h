#pragma once
// The toolbar and file commands of the three modes (new, open, close, save, print, PDF export,
// image export, mail, copy and the tool windows), the unsaved-changes prompt with the exit, the
// two card buttons beside the canvas, and the export of the design as a user template.

#include <QByteArray>
#include <QString>

class DesignController;
struct DesignSources;
class QObject;

class DesignCommands {
public:
    explicit DesignCommands(DesignController &design);
    DesignCommands(const DesignCommands &) = delete;
    DesignCommands &operator=(const DesignCommands &) = delete;

    DesignController &design;
    DesignSources &sources;   // the design's

    // ---- Exit, save prompt and the card buttons ----
    // The unsaved-changes prompt: 1 to go on, 0 to stop (a cancelled or failed save is 0). With
    // category "E" every other mode of the edition gets its turn, the window switching to it.
    int Check_And_Show_Save_Message(bool startAnew, bool ask, const QString &category);
    void Exit_Btn_Clicked(QObject *sender = nullptr);
    // Ends the program (status 0) unless the prompt stops it.
    void Exit_App();
    void Card_Prop_Clicked(QObject *sender = nullptr);
    void Card_Bckgrnd_Clicked(QObject *sender = nullptr);
    // The design and its front picture as the next free "My_Template" of the user templates.
    void Export_As_Template_Clicked(QObject *sender = nullptr);
    // The folder of the user templates.
    static QString User_Template_Folder();

    // ---- Toolbar commands of the three modes ----
    void Print_Button(QObject *sender = nullptr);
    void PDF_Export_Button(QObject *sender = nullptr);
    void Export_Button(QObject *sender = nullptr);
    void Mail_Button(QObject *sender = nullptr);
    void Copy_Button(QObject *sender = nullptr);
    void Print_method();
    void PDF_Export_method();
    void Print_Barcode_Button();
    void PDF_Export_method_Barcode_Button();
    void Export_Barcode();
    void Export_ADV_QR_Image();
    // The single export's tail: the keep-or-replace rule without apply-to-all, then the file.
    void Export_Named_Single_Barcode(const QString &name);
    // The export globals of a new run: counter, answers and the written flag back to 0.
    void Reset_Export_Run();
    void Barcode_Mail_Send();
    bool Find_Valid_Barcode_Value_For_Batch_Processing();
    bool Check_Barcode_Value_is_Valid_in_Series(int record);
    // The barcode checks before print, PDF export and image export; NO stops the command.
    bool Validate_Barcode_For_Output();
    // The transparency question before a raster format other than PNG; NO stops the export.
    static bool Confirm_Transparent_Export(bool transparent, const QString &extension);
    static const QString Transparent_Export_Question;
    // The PDF of the Barcode mode's symbol, empty when there is none.
    QByteArray Barcode_Pdf_Data();

    // ---- File commands ----
    void New_Btn_Clicked(QObject *sender = nullptr);
    void Open_Btn_Clicked(QObject *sender = nullptr);
    void Close_Document_Clicked(QObject *sender = nullptr);
    void Save_Btn_Clicked(QObject *sender = nullptr);
    void SaveAs_Btn_Clicked(QObject *sender = nullptr);

    // ---- Tool windows ----
    void Batch_Series_Button(QObject *sender = nullptr);
    void Import_Wizard_Button(QObject *sender = nullptr);
    void Create_Series_Button(QObject *sender = nullptr);
    // Opens the backup dialog; its result is not needed.
    void Backup_Restore_Clicked(QObject *sender = nullptr);
    void Cropping_Tool_Clicked(QObject *sender = nullptr);
    void Help_Button(QObject *sender = nullptr);
    void About_Button(QObject *sender = nullptr);
};
