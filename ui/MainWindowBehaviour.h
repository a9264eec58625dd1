#pragma once

#include "engine/PieceBuffer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvolin {

class MainWindowView;

// What the main window Form1 does, whatever toolkit draws it: the event
// handlers of the window, its lists and buttons, and the split operation
// splitlt. It reads and writes the window only through its view
// and keeps no state but the piece buffer; the controls hold the selection.
//
// A front-end creates one behaviour over its view, calls Form_Load once its
// controls exist, and calls the handler of each event as the window system
// reports it.
class MainWindowBehaviour
{
public:
    explicit MainWindowBehaviour(MainWindowView& view);
    MainWindowBehaviour(const MainWindowBehaviour&) = delete;
    MainWindowBehaviour& operator=(const MainWindowBehaviour&) = delete;

    // Load of Form1: Lab1's tag := Lab1's caption.
    void Form_Load();

    // Change of Drive1: Lab1's caption := its tag and its tooltip emptied
    // with it, then Dir1's path := Drive1's drive. A failure (a drive that
    // is not ready) ends it silently.
    void Drive1_Change();

    // Change of Dir1: File1's path := Dir1's path.
    void Dir1_Change();

    // Click of File1: Dir1's folder and the selected name into Lab1's
    // caption with exactly one separator between them, the folder with one
    // trailing separator into Text2, the length into Lab1's tooltip.
    void File1_Click();

    // Names handed to the window: its command line after Form_Load, or a
    // drop of files onto it (during a split too, as a click would be; the
    // split keeps its values). The first name is chosen as HandedFile says:
    // Drive1 and Dir1 go to its folder, File1 selects it and File1_Click
    // runs, then the focus goes to Text1, the one field left to fill; a
    // folder is opened in Dir1 alone. A notice tells what could not be
    // chosen or was left out.
    void chooseHanded(const std::vector<std::string>& names);

    // Unload of Form1 (its close box, system menu or close keystroke): ends
    // the program, as Command1 does; the closing is never cancelled.
    void Form_Unload();

    // Click of Command1 ("关闭"): ends the program.
    void Command1_Click();

    // Click of command2 ("关于"): shows the About window.
    void command2_Click();

    // Click of Command3 ("开始分割"): oname := Text2 + File1's name,
    // splitsize := Text1 by the number rules, then splitlt. The part of an
    // edited Text2 that still reads as the folder it showed names that
    // folder by its own bytes (a GBK name). Every failure of its own ends it
    // silently.
    void Command3_Click();

    // Splits sfile into pieces of splitsize bytes named after oname, through
    // the piece buffer, with progress in Frame3's caption and notices over
    // the window. False only when the split was refused.
    bool splitlt(const std::string& sfile, std::int32_t splitsize, const std::string& oname);

    // The tooltip text of Lab1 for a file of length bytes, or of unknown length.
    static std::string lengthToolTip(std::optional<std::int64_t> length);

private:
    MainWindowView& m_view;
    PieceBuffer m_pieceBuffer;
};

} // namespace tarvolin
