#pragma once

class QMainWindow;
class QMenu;

// The "&Help" menu both main windows share: mnuOnline, mnuVisit, mnuHelp1,
// mnuUpdate, mnuHelp2, mnuAbout, in that order.
QMenu* AddHelpMenu(QMainWindow* window);
