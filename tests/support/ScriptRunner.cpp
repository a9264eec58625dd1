#include "tests/support/ScriptRunner.h"

#include <fstream>
#include <stdexcept>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace testsupport {

CopyCommand ScriptRunner::parseLine(const std::string& line, unsigned codePage)
{
    const std::string head = "COPY/B ";
    if (line.compare(0, head.size(), head) != 0)
        throw std::runtime_error("not a COPY/B line: " + line);
    std::size_t at = head.size();
    CopyCommand command;
    for (;;) {
        command.sources.push_back(name(line, at, codePage));
        if (line.compare(at, 3, "/B+") == 0) {
            at += 3;
            continue;
        }
        expect(line, at, "/B ");
        break;
    }
    command.target = name(line, at, codePage);
    expect(line, at, "/B");
    if (at != line.size())
        throw std::runtime_error("text after the target: " + line);
    return command;
}

std::vector<std::string> ScriptRunner::splitLines(const std::string& script)
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

void ScriptRunner::run(const fs::path& folder, const std::string& script, unsigned codePage)
{
    for (const std::string& line : splitLines(script)) {
        const CopyCommand command = parseLine(line, codePage);
        std::vector<fs::path> sources;
        for (const std::string& source : command.sources) {
            sources.push_back(inFolder(folder, source, codePage));
            if (!fs::exists(sources.back()))
                throw std::runtime_error("missing source " + source);
        }
        const fs::path target = inFolder(folder, command.target, codePage);
        const bool appends = sources.front() == target;
        std::ofstream out(target, std::ios::binary | (appends ? std::ios::app : std::ios::trunc));
        for (std::size_t i = appends ? 1 : 0; i < sources.size(); ++i) {
            std::ifstream in(sources[i], std::ios::binary);
            out << in.rdbuf();
        }
        if (!out.flush())
            throw std::runtime_error("cannot write " + command.target);
    }
}

fs::path ScriptRunner::inFolder(const fs::path& folder, const std::string& name, unsigned codePage)
{
#ifdef _WIN32
    const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, name.data(),
                                      static_cast<int>(name.size()), nullptr, 0);
    if (n <= 0 && !name.empty())
        throw std::runtime_error("not text of code page " + std::to_string(codePage) + ": " + name);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, name.data(), static_cast<int>(name.size()), wide.data(), n);
    return folder / wide;
#else
    const std::string codeset = "CP" + std::to_string(codePage);
    iconv_t cd = ::iconv_open("UTF-8", codeset.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no code page " + codeset);
    std::string utf8(name.size() * 4, '\0');
    char* in = const_cast<char*>(name.data());
    std::size_t inLeft = name.size();
    char* out = utf8.data();
    std::size_t outLeft = utf8.size();
    const std::size_t rc = ::iconv(cd, &in, &inLeft, &out, &outLeft);
    ::iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1))
        throw std::runtime_error("not text of code page " + codeset + ": " + name);
    utf8.resize(utf8.size() - outLeft);
    const fs::path decoded = folder / fromUtf8(utf8);
    const fs::path asBytes = folder / name;
    if (!fs::exists(decoded) && (fs::exists(asBytes) || fs::exists(asBytes.string() + ".000")))
        return asBytes;
    return decoded;
#endif
}

std::string ScriptRunner::name(const std::string& line, std::size_t& at, unsigned codePage)
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
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (codePage == 936 && static_cast<unsigned char>(raw[i]) >= 0x81) {
                ++i;
                continue;
            }
            if (std::string_view(" \t,;=+&()^!|<>\"").find(raw[i]) != std::string_view::npos)
                throw std::runtime_error("bare name the interpreter would cut or read: " + raw);
        }
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

void ScriptRunner::expect(const std::string& line, std::size_t& at, const std::string& text)
{
    if (line.compare(at, text.size(), text) != 0)
        throw std::runtime_error("expected '" + text + "' in " + line);
    at += text.size();
}

} // namespace testsupport
