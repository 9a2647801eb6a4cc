#pragma once
// What output needs of the hub: the main window as the owner of its prompts and sheets, the
// progress sheet of long jobs, the shared page setup, the invalid-data picture, the application's
// name and the card put back around a batch job. The hub implements it (app/HubOutputSide.h).

#include "platform/Picture.h"

#include <QString>

class QWidget;
class Send_Modeless;
namespace platform { class PrintInfo; }

class OutputHost {
public:
    virtual ~OutputHost() = default;

    // The main window, built on the first call; and whether it has been built.
    virtual QWidget *window() = 0;
    virtual bool isWindowLoaded() const = 0;

    // The progress sheet of long jobs (none before the window is set up), shown over the main
    // window and hidden again; both callable from any thread.
    virtual Send_Modeless *Progress_Sheet() const = 0;
    virtual void Show_One_By_One_Modeless() = 0;
    virtual void Hide_One_By_One_Modeless() = 0;

    // The shared page setup becomes a copy of info.
    virtual void setPrintInfo(const platform::PrintInfo &info) = 0;
    // The picture a record without a valid symbol is exported as.
    virtual platform::Picture Invalid_Barcode_Data_Image() const = 0;
    virtual QString App_Name() const = 0;
    // The name of what is printed: Designing mode the card's name, else its project file's; Barcode
    // mode the project file's; empty where there is none.
    virtual QString Design_Name() const = 0;

    // The card before a job that prints, exports or mails it (false: the job does not start), and
    // the card and its side rebuilt after a batch job filled records into it.
    virtual bool Set_Front_Back_Value_To_Print_Export_Mail() = 0;
    virtual bool Create_Card_Design_Again() = 0;
    virtual void Set_Graphic_Array_According_Side() = 0;
};
