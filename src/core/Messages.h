#pragma once
// Every message the application shows or logs goes through these functions.

#include <QString>

// An alert with an empty first line and the text, one "OK" button; shown on the GUI thread from
// any thread, the caller waiting. Shows nothing before the main window controller exists.
void Show_MessageBox(const QString &text);
// The same alert on the calling thread.
// Called by code already on the GUI thread once it shows alerts without the hop.
void Show_MessageBox_No_Thread(const QString &text);
// "Yes"/"No" question on the GUI thread from any thread; 1 for Yes, 0 for No.
int Show_YES_NO_MessageBox(const QString &text);
// "Yes"/"No"/"Cancel" warning on the calling (GUI) thread: 1000 Yes, 1001 No, 1002 Cancel.
int Show_YES_NO_Cancel_MessageBox(const QString &text);
// One log line; an empty text writes nothing.
void Show_NSLog_Message(const QString &text);

// The alerts themselves, run on the GUI thread (the controller's Main_Thread_Messgae: and
// Main_Thread_Messgae_Yes_No: forward here).
void Run_Main_Thread_Message(const QString &message);
void Run_Main_Thread_Message_Yes_No(const QString &text);
