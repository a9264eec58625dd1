#pragma once

// Carries out a joining script the way the command interpreter reads its
// COPY/B lines, so tests can check that the pieces really join back.

#include "tests/support/TestFiles.h"

#include <fstream>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif
#include <string>
#include <vector>

namespace testsupport {

struct CopyCommand
{
    std::vector<std::string> sources;
    std::string target;
};

class ScriptRunner
{
public:
    // Parses one line of the form COPY/B a/B+b/B target/B, with names either
    // bare or in double quotes and %% standing for %.
    static CopyCommand parseLine(const std::string& line)
    {
        const std::string head = "COPY/B ";
        if (line.compare(0, head.size(), head) != 0)
            throw std::runtime_error("not a COPY/B line: " + line);
        std::size_t at = head.size();
        CopyCommand command;
        for (;;) {
            command.sources.push_back(name(line, at));
            if (line.compare(at, 3, "/B+") == 0) {
                at += 3;
                continue;
            }
            expect(line, at, "/B ");
            break;
        }
        command.target = name(line, at);
        expect(line, at, "/B");
        if (at != line.size())
            throw std::runtime_error("text after the target: " + line);
        return command;
    }

    // The script's lines, split at CR LF; the script must end in one.
    static std::vector<std::string> splitLines(const std::string& script)
    {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < script.size()) {
            const std::size_t end = script.find("\r\n", start);
            if (end == std::string::npos)
                throw std::runtime_error("script does not end in CR LF");
            lines.push_back(script.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    // Runs every line inside folder: each line writes its target with the
    // sources joined; a line whose first source is the target appends to it.
    // Files are streamed, so pieces of gigabytes join as well.
    static void run(const fs::path& folder, const std::string& script)
    {
        for (const std::string& line : splitLines(script)) {
            const CopyCommand command = parseLine(line);
            for (const std::string& source : command.sources) {
                if (!fs::exists(inFolder(folder, source)))
                    throw std::runtime_error("missing source " + source);
            }
            const bool appends = command.sources.front() == command.target;
            std::ofstream target(inFolder(folder, command.target),
                                 std::ios::binary | (appends ? std::ios::app : std::ios::trunc));
            for (std::size_t i = appends ? 1 : 0; i < command.sources.size(); ++i) {
                std::ifstream source(inFolder(folder, command.sources[i]), std::ios::binary);
                target << source.rdbuf();
            }
            if (!target.flush())
                throw std::runtime_error("cannot write " + command.target);
        }
    }

private:
    // A name as the script writes it (the narrow encoding: the ANSI code
    // page on Windows, UTF-8 in the tests elsewhere), inside folder.
    static fs::path inFolder(const fs::path& folder, const std::string& name)
    {
#ifdef _WIN32
        const int n =
            MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(n), L'\0');
        MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), wide.data(), n);
        return folder / wide;
#else
        return folder / fromUtf8(name);
#endif
    }

    static std::string name(const std::string& line, std::size_t& at)
    {
        std::string raw;
        if (at < line.size() && line[at] == '"') {
            const std::size_t close = line.find('"', at + 1);
            if (close == std::string::npos)
                throw std::runtime_error("unclosed quote: " + line);
            raw = line.substr(at + 1, close - at - 1);
            at = close + 1;
        } else {
            const std::size_t end = line.find("/B", at);
            raw = line.substr(at, end - at);
            // The interpreter ends a bare name at a blank or one of its
            // delimiters, joins at "+" and reads & ( ) ^ ! | < > itself.
            if (raw.find_first_of(" \t,;=+&()^!|<>\"") != std::string::npos)
                throw std::runtime_error("bare name the interpreter would cut or read: " + raw);
            at = end;
        }
        std::string unescaped;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '%') {
                if (i + 1 >= raw.size() || raw[i + 1] != '%')
                    throw std::runtime_error("lone % in " + raw);
                ++i;
            }
            unescaped += raw[i];
        }
        return unescaped;
    }

    static void expect(const std::string& line, std::size_t& at, const std::string& text)
    {
        if (line.compare(at, text.size(), text) != 0)
            throw std::runtime_error("expected '" + text + "' in " + line);
        at += text.size();
    }
};

} // namespace testsupport
