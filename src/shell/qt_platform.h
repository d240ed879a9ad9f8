// The Qt front end of the platform layer: notices, questions, the progress
// window, sounds and documents for the logic, shown over the main window.
#pragma once

class QPainter;
class QUrl;
class QWidget;

void Install_Qt_Platform(QWidget* pMainWindow);
QWidget* Main_Window_Widget();

// Pictures the logic draws land on the page being composed, if any.
void Set_Page_Painter(QPainter* pPainter, int nWidth, int nHeight);

// What hands a document to the desktop; nullptr for the desktop's own opener.
// When it fails, a local document opens in the program's help window.
typedef bool (*DocumentOpener)(const QUrl& url);
void Set_Document_Opener(DocumentOpener pOpener);
