// The Qt front end of the platform layer: notices, questions, the progress
// window, sounds and documents for the logic, shown over the main window.
#pragma once

class QPainter;
class QWidget;

void Install_Qt_Platform(QWidget* pMainWindow);
QWidget* Main_Window_Widget();

// Pictures the logic draws land on the page being composed, if any.
void Set_Page_Painter(QPainter* pPainter, int nWidth, int nHeight);
