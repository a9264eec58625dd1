#pragma once

#include "ui/Layout.h"

#include <QRect>

#include <functional>

class QWidget;

namespace tarvolin {

// A layout rectangle in twips as Qt's pixels at dpi (96 per inch by
// default; Qt scales its pixels for the screen on its own).
QRect pixelRect(const layout::Rect& twips, int dpi = layout::defaultDpi);

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
//
// The twips become pixels at the dots per inch that give every control room
// for its text in its font (fittingDpi): 96 for a small font, more for a
// larger one, the same for every rectangle and the client area, so the
// window keeps its proportions and grows as a whole. Whenever the window's
// font changes later, it is laid out again (refitToFont).
void buildFromLayout(QWidget& window, const layout::Window& table, const ControlMaker& make = {});

// The least dots per inch, 96 at least, at which each control of window
// (built from table) holds the table's text in its present font without
// clipping it (FontFit): a label's caption and a frame's caption in their rectangles,
// a button's caption inside its border, one line of a text box or the drive
// list at the height their style asks for, and the frames' captions above
// the controls they hold.
int fittingDpi(const QWidget& window, const layout::Window& table);

// The dots per inch window was last laid out at.
int layoutDpi(const QWidget& window);

// Lays window out again when its font has changed, at the client size and
// the places of fittingDpi; the window stays where it is.
void refitToFont(QWidget& window, const layout::Window& table);

} // namespace tarvolin
