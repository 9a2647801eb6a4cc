#pragma once
// Every message the application shows or logs goes through these functions.

#include <QString>

#include <atomic>

// An alert with an empty first line and the text, one "OK" button; shown on the GUI thread from
// any thread, the caller waiting. Shows nothing before the main window controller exists.
void Show_MessageBox(const QString &text);
// "Yes"/"No" question on the GUI thread from any thread; 1 for Yes, 0 for No.
int Show_YES_NO_MessageBox(const QString &text);
// "Yes"/"No"/"Cancel" warning on the calling (GUI) thread: 1000 Yes, 1001 No, 1002 Cancel.
int Show_YES_NO_Cancel_MessageBox(const QString &text);
// One log line; an empty text writes nothing.
void Show_NSLog_Message(const QString &text);

// The alerts themselves, run on the GUI thread (Show_MessageBox and Show_YES_NO_MessageBox hop
// there to run them).
void Run_Main_Thread_Message(const QString &message);
void Run_Main_Thread_Message_Yes_No(const QString &text);

// The state of the messages and prompts, and the Stop of long jobs; each line says who writes it.
extern std::atomic<bool> yes_no_msg_val;  // Show_YES_NO_MessageBox: its last answer, 1 Yes
extern bool Msg_Apply_All_Chk;            // the long-message dialog's apply-to-all box; jobs clear it
extern bool Msg_Apply_All_Chk_for_in_use; // the same box in its single-button form; jobs clear it
extern QString Cutom_Msg_Title;           // each help button, for the long-message dialog
extern QString Cutom_Msg_Val;             // each help button, for the long-message dialog
extern QString Export_File_Path;          // every export, for the export-done box, which clears it
extern QString Export_File_Message;       // every export, for the export-done box, which clears it
extern int replace_keep_file_flag;        // the keep/replace prompt; jobs reset it: 0 replace ... 5 cancel all
extern std::atomic<bool> Stop_Processing_Now;   // the progress sheet's Stop and the prompt; cleared when a run starts
// Set while the progress sheet asks whether to stop: jobs start no further record meanwhile
// (pipeline::waitWhileHeld); cleared, with notify_all(), once it is answered.
extern std::atomic<bool> Stop_Question_Open;
