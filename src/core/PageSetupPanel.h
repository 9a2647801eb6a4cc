#pragma once
// The page layout panel of every window that offers it (print, PDF export, print profiles, the card
// size): the page setup takes what is chosen there, and a paper its printer cannot take is refused
// with a message.

namespace platform { class PrintInfo; }
class QWidget;

// YES when the panel was confirmed and info took its choice; NO when cancelled or refused.
bool Run_Page_Setup(platform::PrintInfo &info, QWidget *parent);
