// The automation script runner.
#include "platform/automation/ScriptRunner.h"
#include "platform/automation/DumpWriter.h"
#include "platform/automation/KeyNames.h"
#include "platform/gfx/ImageFiles.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {
struct TScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Splits on blanks; "double quoted" words keep their blanks (quotes removed).
std::vector<std::string> Words(const std::string& s) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
        if (i >= s.size()) break;
        std::string word;
        bool quoted = false;
        while (i < s.size() && (quoted || !std::isspace(static_cast<unsigned char>(s[i])))) {
            if (s[i] == '"') quoted = !quoted;
            else word += s[i];
            ++i;
        }
        if (quoted) throw TScriptError("unterminated quote");
        out.push_back(word);
    }
    return out;
}

int Number(const std::string& s, const char* what) {
    int v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) throw TScriptError(std::string("bad ") + what + " '" + s + "'");
    return v;
}

bool AsInteger(const std::string& s, long long& v) {
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

void NeedArgs(const std::vector<std::string>& w, std::size_t n, const char* usage) {
    if (w.size() != n) throw TScriptError(std::string("usage: ") + usage);
}

// Lines like "type TEXT" keep the rest of the line as written, blanks included.
std::string RestAfterCommand(const std::string& line) {
    std::size_t i = line.find_first_not_of(" \t");
    i = line.find_first_of(" \t", i);
    if (i == std::string::npos) return {};
    i = line.find_first_not_of(" \t", i);
    return i == std::string::npos ? std::string() : line.substr(i);
}

using TFilter = std::vector<std::pair<std::string, std::string>>;

TFilter ParseFilter(const std::string& text) {
    TFilter f;
    if (text == "*" || text == "all") return f;
    std::stringstream ss(text);
    std::string part;
    while (std::getline(ss, part, ',')) {
        std::size_t eq = part.find('=');
        if (eq == std::string::npos || eq == 0) throw TScriptError("bad filter '" + part + "' (want key=value)");
        f.emplace_back(part.substr(0, eq), part.substr(eq + 1));
    }
    return f;
}

bool Matches(const TDumpRecord& r, const TFilter& f) {
    for (const auto& [key, value] : f) {
        const TDumpValue* v = r.Get(key);
        if (!v || TDumpRecord::ToText(*v) != value) return false;
    }
    return true;
}

bool Compare(const std::string& actual, const std::string& op, const std::string& expected) {
    long long a = 0, b = 0;
    bool numeric = AsInteger(actual, a) && AsInteger(expected, b);
    if (op == "==") return numeric ? a == b : actual == expected;
    if (op == "!=") return numeric ? a != b : actual != expected;
    if (op == "contains") return actual.find(expected) != std::string::npos;
    if (op == "<" || op == ">") {
        if (!numeric) throw TScriptError("'" + op + "' needs numbers, got '" + actual + "' and '" + expected + "'");
        return op == "<" ? a < b : a > b;
    }
    throw TScriptError("unknown operator '" + op + "' (==, !=, <, >, contains)");
}

TMouseButton ButtonNamed(const std::string& s) {
    if (s == "left") return TMouseButton::mbLeft;
    if (s == "right") return TMouseButton::mbRight;
    if (s == "middle") return TMouseButton::mbMiddle;
    throw TScriptError("bad button '" + s + "' (left, right or middle)");
}
}

bool ScriptRunner::RunFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        FError = "cannot read script '" + path + "'";
        return false;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    return Run(ss.str());
}

bool ScriptRunner::Run(const std::string& script) {
    FError.clear();
    std::stringstream lines(script);
    std::string line;
    int number = 0;
    while (!FQuit && std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        try {
            RunLine(line);
        } catch (const std::exception& e) {
            FError = "line " + std::to_string(number) + ": " + e.what();
            return false;
        }
    }
    return true;
}

void ScriptRunner::RunLine(const std::string& line) {
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') return;
    if (FDriver.Finished()) throw TScriptError("the program has ended");
    std::vector<std::string> w = Words(line);
    const std::string& cmd = w[0];
    if (cmd == "click") return Click(w);
    if (cmd == "move") {
        NeedArgs(w, 3, "move X Y");
        return FDriver.MouseMove(Number(w[1], "x"), Number(w[2], "y"));
    }
    if (cmd == "drag") {
        NeedArgs(w, 5, "drag X1 Y1 X2 Y2");
        return FDriver.Drag(Number(w[1], "x"), Number(w[2], "y"), Number(w[3], "x"), Number(w[4], "y"));
    }
    if (cmd == "key") return Key(w);
    if (cmd == "type") {
        std::string text = RestAfterCommand(line);
        if (text.empty()) throw TScriptError("usage: type TEXT");
        return FDriver.Type(text);
    }
    if (cmd == "wait") {
        NeedArgs(w, 2, "wait MS");
        int ms = Number(w[1], "time");
        if (ms < 0) throw TScriptError("a wait cannot go back in time");
        return FDriver.Advance(static_cast<std::uint64_t>(ms));
    }
    if (cmd == "shot") {
        NeedArgs(w, 2, "shot FILE.png");
        return Shot(w[1]);
    }
    if (cmd == "dump") {
        NeedArgs(w, 2, "dump FILE.json");
        return Dump(w[1]);
    }
    if (cmd == "expect") return Expect(RestAfterCommand(line));
    if (cmd == "quit") {
        NeedArgs(w, 1, "quit");
        FQuit = true;
        FDriver.Shutdown();
        return;
    }
    throw TScriptError("unknown command '" + cmd + "'");
}

void ScriptRunner::Click(const std::vector<std::string>& w) {
    if (w.size() != 3 && w.size() != 4) throw TScriptError("usage: click X Y [left|right|middle]");
    TMouseButton b = w.size() == 4 ? ButtonNamed(w[3]) : TMouseButton::mbLeft;
    FDriver.Click(Number(w[1], "x"), Number(w[2], "y"), b);
}

void ScriptRunner::Key(const std::vector<std::string>& w) {
    NeedArgs(w, 2, "key NAME");
    auto chord = KeyNames::Parse(w[1]);
    if (!chord) throw TScriptError("unknown key '" + w[1] + "'");
    for (UINT m : chord->Modifiers) FDriver.Key(m, true);
    FDriver.Key(chord->Vk, true);
    // A desktop delivers the typed character between key down and up.
    if (!chord->Text.empty()) FDriver.Type(chord->Text);
    FDriver.Key(chord->Vk, false);
    for (auto it = chord->Modifiers.rbegin(); it != chord->Modifiers.rend(); ++it) FDriver.Key(*it, false);
}

void ScriptRunner::Shot(const std::string& path) {
    Bitmap shot = FDriver.Screenshot();
    std::string error;
    if (shot.Empty()) throw TScriptError("no screen to capture");
    if (!WritePngFile(path, shot, &error)) throw TScriptError("cannot write '" + path + "': " + error);
}

std::vector<TDumpRecord> ScriptRunner::Records() {
    std::vector<TDumpRecord> records;
    if (!FDriver.RunOnUi([&] { records = DumpWriter::Collect(); })) throw TScriptError("the program is not running");
    return records;
}

void ScriptRunner::Dump(const std::string& path) {
    std::string json = DumpWriter::ToJson(Records());
    std::ofstream out(path, std::ios::binary);
    if (!out || !out.write(json.data(), static_cast<std::streamsize>(json.size())))
        throw TScriptError("cannot write '" + path + "'");
}

void ScriptRunner::Expect(const std::string& rest) {
    std::vector<std::string> w = Words(rest);
    std::vector<TDumpRecord> records = Records();
    if (!w.empty() && w[0] == "count") {
        if (w.size() != 4) throw TScriptError("usage: expect count FILTER OP N");
        TFilter f = ParseFilter(w[1]);
        long long n = 0;
        for (const TDumpRecord& r : records) n += Matches(r, f) ? 1 : 0;
        Number(w[3], "count");
        if (!Compare(std::to_string(n), w[2], w[3]))
            throw TScriptError("expected count " + w[1] + " " + w[2] + " " + w[3] + ", found " + std::to_string(n));
        return;
    }
    if (w.size() < 3) throw TScriptError("usage: expect FILTER FIELD OP VALUE");
    TFilter f = ParseFilter(w[0]);
    const std::string& field = w[1];
    const std::string& op = w[2];
    std::string expected;
    for (std::size_t i = 3; i < w.size(); ++i) expected += (i > 3 ? " " : "") + w[i];
    int matched = 0;
    for (const TDumpRecord& r : records) {
        if (!Matches(r, f)) continue;
        ++matched;
        const TDumpValue* v = r.Get(field);
        if (!v) throw TScriptError("record " + w[0] + " has no field '" + field + "'");
        std::string actual = TDumpRecord::ToText(*v);
        if (!Compare(actual, op, expected))
            throw TScriptError("expected " + w[0] + " " + field + " " + op + " '" + expected + "', found '" + actual + "'");
    }
    if (!matched) throw TScriptError("no record matches " + w[0]);
}
