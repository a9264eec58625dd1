#pragma once

#include "platform/OpenFile.h"
#include "platform/OutputFile.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvolin {

class NarrowEncoder;

// The batch script written beside the pieces: binary-copy commands that join
// the pieces, in order, into a file that bears the source's name.
//
// It is one line, "COPY/B a.000/B+a.001/B a/B", while that line fits the
// command interpreter's limit; a longer join is cut into several lines, the
// first creating the target and each further one appending to it:
// "COPY/B a/B+a.005/B+a.006/B a/B".
class ReassemblyScript
{
public:
    // The longest line the command interpreter reads, without its CR LF.
    static constexpr std::size_t maxLineLength = 8191;

    // Refuses a target name that the script cannot carry: an empty one, and
    // one with a character that would end the line, start another command,
    // redirect or pipe it, or match other files (control characters,
    // " < > | * ?), elsewhere than on Windows one that no Windows file name
    // holds (: and \), and one that Windows takes for a device (CON, PRN,
    // AUX, NUL, COM0 to COM9, LPT0 to LPT9, CONIN$, CONOUT$ before its first dot, in any
    // case), and with it every piece and the script. The failure says which
    // character or device it is. Characters, not bytes: a name that is not
    // UTF-8 is read as GBK, whose second bytes may be "|" or "\".
    static void checkTarget(const std::string& bareName);

    // A bare name as the interpreter must read it: every % doubled, and the
    // whole enclosed in double quotes when it holds a blank (ASCII or
    // Unicode: the no-break, typographic and ideographic spaces; in GBK
    // bytes the ideographic space A1 A1) or one of
    // & ( ) [ ] { } ^ = ; ! ' + , ` ~.
    static std::string quotedName(const std::string& bare);

    // Appends the next piece's bare name.
    void addPiece(const std::string& bareName);

    // Names the file the pieces join into (the bare name of oname).
    void setTarget(const std::string& bareName) { m_target = bareName; }

    // The script's lines, without line ends. Fails when not even one piece
    // fits on a line.
    std::vector<std::string> lines() const;

    // The script file's bytes: every line in the narrow encoding, each
    // followed by CR LF. A target name the encoding cannot represent is a
    // failure that quotes the name.
    std::string encoded(const NarrowEncoder& encoding) const;

    // Creates (or empties) the file at path, never the file keep nor one
    // that check refuses, writes bytes into it and waits until the device
    // holds them. A script that cannot be written whole is left empty: a cut
    // line would join wrongly.
    static void write(const std::string& path, const std::string& bytes,
                      std::optional<OpenFile::Identity> keep = std::nullopt,
                      const OutputFile::Check& check = {});

private:
    std::vector<std::string> m_pieces; // already quoted
    std::string m_target;
};

} // namespace tarvolin
