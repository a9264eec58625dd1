#pragma once

#include "Drives.h"
#include "PieceBuffer.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>

namespace Ui {
class Form1;
}

namespace tarvolin {

class Form2;
class WindowServices;

// The main window: the drive, folder and file lists that choose the source,
// the piece size and output folder fields, and the start, close and About
// buttons. Its layout (Form1.ui) in twips, from the top-left corner of each
// control's container:
//
//   control   kind          in      left   top  width height  pixels
//   Form1     client area   screen  2370  1635   7095  5565   158 109 473 371
//   Frame1    frame         Form1      0   -60   7095  4875     0  -4 473 325
//   Frame3    frame         Frame1   120   130   6855  3120     8   9 457 208
//   Drive1    drive list    Frame3   120   240   3135   300     8  16 209  20
//   Dir1      folder list   Frame3   120   600   3135  2400     8  40 209 160
//   File1     file list     Frame3  3360   240   3375  2790   224  16 225 186
//   Frame4    frame         Frame1   120  3360   6855  1335     8 224 457  89
//   Label3    label         Frame4   120   240   1695   255     8  16 113  17
//   Lab1      label         Frame4  1680   240   5055   255   112  16 337  17
//   Label5    label         Frame4   120   600   1695   255     8  40 113  17
//   Text1     text box      Frame4  1680   600   2535   270   112  40 169  18
//   Label6    label         Frame4  4320   600   1455   255   288  40  97  17
//   Label7    label         Frame4   120   960   1695   255     8  64 113  17
//   Text2     text box      Frame4  1680   960   5055   290   112  64 337  19
//   Frame2    frame         Form1      0  4800   7095   735     0 320 473  49
//   Command3  button        Frame2   120   240   1935   375     8  16 129  25
//   Command1  button        Frame2  2640   240   1815   375   176  16 121  25
//   command2  button        Frame2  5040   240   1815   375   336  16 121  25
//
// Focus order: Command3, Drive1, Dir1, File1, Text1, Text2, Command1, command2.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // The lists start on the process's current folder, among drives.
    explicit Form1(WindowServices& services, Drives drives = Drives::system(),
                   QWidget* parent = nullptr);
    ~Form1() override;

    // Splits sfile into pieces of splitsize bytes named after oname, through
    // this window's piece buffer, with progress in Frame3's caption. False
    // only when the split was refused.
    bool splitlt(const std::string& sfile, std::int32_t splitsize, const std::string& oname);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();
    void Command3_Click();
    void command2_Click();

    std::unique_ptr<Ui::Form1> ui;
    WindowServices& m_services;
    Drives m_drives;
    PieceBuffer m_pieceBuffer;
    // The one About window while it exists; it has no owner and deletes
    // itself when closed.
    QPointer<Form2> m_about;
};

} // namespace tarvolin
