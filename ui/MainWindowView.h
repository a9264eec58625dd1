#pragma once

#include "engine/SplitHost.h"

#include <string>

namespace tarvolin {

// What the main window's behaviour (MainWindowBehaviour) reads and writes
// of the window: the properties of its controls and the window services
// (notice, event pump, end of the program, the About window). It is the
// host of the splits the window runs: their progress goes to Frame3. Each front-end (Qt, Win32)
// implements it over its own controls. Paths and texts are UTF-8; paths are in the platform's
// native form (a folder path ends in a separator only at a drive's root).
class MainWindowView : public SplitHost
{
public:
    // Lab1: the source path (caption), the initial caption (tag) and the
    // source's length text (tooltip).
    virtual std::string lab1Caption() const = 0;
    virtual void setLab1Caption(const std::string& caption) = 0;
    virtual std::string lab1Tag() const = 0;
    virtual void setLab1Tag(const std::string& tag) = 0;
    virtual std::string lab1ToolTip() const = 0;
    virtual void setLab1ToolTip(const std::string& toolTip) = 0;

    // Text1: the piece size; Text2: the output folder.
    virtual std::string text1() const = 0;
    virtual void setText1(const std::string& text) = 0;
    virtual std::string text2() const = 0;
    virtual void setText2(const std::string& text) = 0;

    // Drive1: the chosen drive's root folder, in the list's own form.
    virtual std::string drive1Drive() const = 0;
    // Chooses the drive that holds path, raising no change of Drive1.
    virtual void setDrive1For(const std::string& path) = 0;

    // Dir1: the open folder. Setting it refills the folder list and, before
    // it returns, raises Dir1's change (MainWindowBehaviour::Dir1_Change).
    // A folder that cannot be opened (removed, a drive that is not ready)
    // changes nothing, raises no change and gives false.
    virtual std::string dir1Path() const = 0;
    virtual bool setDir1Path(const std::string& folder) = 0;

    // File1: the folder whose files it shows (setting it refills the list
    // with no entry selected), its entry count, and the bare name of the
    // selected entry (empty while none is selected).
    virtual std::string file1Path() const = 0;
    virtual void setFile1Path(const std::string& folder) = 0;
    virtual int file1EntryCount() const = 0;
    virtual std::string file1FileName() const = 0;
    // Selects the entry named name (as the list holds it) and shows it,
    // raising no click; false when the list has no such entry.
    virtual bool setFile1FileName(const std::string& name) = 0;

    // Puts the keyboard focus on Text1.
    virtual void focusText1() = 0;

    // Frame3's caption: the progress text of a running split.
    virtual void setFrame3Caption(const std::string& caption) = 0;
    void setProgressCaption(const std::string& text) final { setFrame3Caption(text); }
    // setProgressShare and endProgress (SplitHost): the Win32 window shows
    // the share on its task-bar button.

    // A modal notice over the main window: the exclamation icon, one OK
    // button, the caption "Tarvolin". Returns when the user dismissed it.
    void showNotice(const std::string& text) override = 0;

    // Handles every pending window event, then returns. Handlers run from
    // here may start another split or end the program.
    void pumpEvents() override = 0;

    // Ends the program at once: no further code of the caller runs.
    virtual void endProgram() = 0;

    // Creates the About window (Form2) if it does not exist, shows it
    // modeless and without an owner, and brings it to the front.
    virtual void showAbout() = 0;
};

} // namespace tarvolin
