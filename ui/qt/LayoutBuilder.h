#pragma once

#include "Layout.h"

#include <QRect>

#include <functional>

class QWidget;

namespace tarvolin {

// A layout rectangle in twips as Qt's pixels (96 per inch; Qt scales them
// for the screen).
QRect pixelRect(const layout::Rect& twips);

// Makes the widget of one control in place of the builder's own, or gives
// nullptr to leave it to the builder. The widget must derive from the Qt
// class of the control's kind (below); the builder sets its text and looks.
using ControlMaker = std::function<QWidget*(const layout::Control& control, QWidget* container)>;

// Gives window the stored layout of table (ui/Layout.h): its caption, its
// client area's place and size, its frame; and creates every control with
// its object name, kind, container, text, place and size, in the table's
// order, with the keyboard focus order of the tab indexes.
//
// Kinds: a frame is a QGroupBox, a label a plain-text QLabel aligned left
// and top, a text box a QLineEdit, a command button a QPushButton that is
// never a default button, the three lists are DriveListBox, DirListBox and
// FileListBox, and the image a QLabel showing the emblem at its own size.
// make, when given, may make some of the controls itself.
void buildFromLayout(QWidget& window, const layout::Window& table, const ControlMaker& make = {});

} // namespace tarvolin
