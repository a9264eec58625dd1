#pragma once

#include "Layout.h"

#include <QRect>

class QWidget;

namespace tarvolin {

// A layout rectangle in twips as Qt's pixels (96 per inch; Qt scales them
// for the screen).
QRect pixelRect(const layout::Rect& twips);

// Gives window the stored layout of table (ui/Layout.h): its caption, its
// client area's place and size, its frame; and creates every control with
// its object name, kind, container, text, place and size, in the table's
// order, with the keyboard focus order of the tab indexes.
//
// Kinds: a frame is a QGroupBox, a label a plain-text QLabel aligned left
// and top, a text box a QLineEdit, a command button a QPushButton that is
// never a default button, the three lists are DriveListBox, DirListBox and
// FileListBox, and the image a QLabel showing the emblem at its own size.
void buildFromLayout(QWidget& window, const layout::Window& table);

} // namespace tarvolin
