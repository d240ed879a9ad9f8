// The dialogs of the Leaders and Calendar pages: Leader Heading (144),
// Schedule Stat (163) and Other Team (131). Each returns 1 on OK, 0 on Cancel.
#pragma once

class QWidget;

int Run_Leader_Heading(QWidget* pOwner);
int Run_Schedule_Stat(QWidget* pOwner);
int Run_Other_Team(QWidget* pOwner);
