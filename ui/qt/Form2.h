#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form2;
}

namespace tarvolin {

// The About window: the emblem, the product and version, the author's
// address and the note that the program is free to use and pass on. It has
// no behaviour of its own and no owner; closing it destroys it. Its layout
// (Form2.ui) in twips from the client area's top-left corner:
//
//   control  kind         left   top  width height  pixels
//   Form2    client area  4035  3240   3450  1785   269 216 230 119 (on the screen)
//   Image1   image         120   480    510   495     8  32  34  33
//   Label1   label         840   360   2175   255    56  24 145  17
//   Label2   label         840   720   2175   255    56  48 145  17
//   Label3   label         840  1080   2055   255    56  72 137  17
class Form2 : public QWidget
{
    Q_OBJECT

public:
    Form2();
    ~Form2() override;

private:
    std::unique_ptr<Ui::Form2> ui;
};

} // namespace tarvolin
