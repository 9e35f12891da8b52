// The automation script runner.
#include "platform/automation/ScriptRunner.h"
#include "platform/automation/DumpWriter.h"
#include "platform/automation/KeyNames.h"
#include "platform/automation/ScriptError.h"
#include "platform/gfx/ImageFiles.h"

#include <cctype>
#include <charconv>
#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace {
bool AsInteger(const std::string& s, long long& v) {
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

using TFilter = std::vector<std::pair<std::string, std::string>>;

bool Field(const TDumpRecord& r, const char* key, long long& value) {
    const TDumpValue* v = r.Get(key);
    return v && AsInteger(TDumpRecord::ToText(*v), value);
}

TFilter ParseFilter(const std::string& text) {
    TFilter f;
    if (text == "*" || text == "all") return f;
    std::stringstream ss(text);
    std::string part;
    while (std::getline(ss, part, ',')) {
        std::size_t eq = part.find('=');
        if (eq == std::string::npos || eq == 0) throw ScriptError("bad filter '" + part + "' (want key=value)");
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
        if (!numeric) throw ScriptError("'" + op + "' needs numbers, got '" + actual + "' and '" + expected + "'");
        return op == "<" ? a < b : a > b;
    }
    throw ScriptError("unknown operator '" + op + "' (==, !=, <, >, contains)");
}

TMouseButton ButtonNamed(const std::string& s) {
    if (s == "left") return TMouseButton::mbLeft;
    if (s == "right") return TMouseButton::mbRight;
    if (s == "middle") return TMouseButton::mbMiddle;
    throw ScriptError("bad button '" + s + "' (left, right or middle)");
}

bool IsCommandName(const std::string& name) {
    if (name.empty() || name[0] == '#') return false;
    for (unsigned char c : name)
        if (std::isspace(c)) return false;
    return true;
}
}

ScriptRunner::ScriptRunner(UiDriver& driver) : FDriver(driver) {
    AddBuiltIns();
}

void ScriptRunner::AddBuiltIns() {
    auto number = [](const std::string& text, const char* what) { return ScriptCall::Integer(text, what); };
    FBuiltIns["click"] = [this](const ScriptCall& c) { Click(c); };
    FBuiltIns["move"] = [this, number](const ScriptCall& c) {
        auto a = c.Args(2, "move X Y");
        FDriver.MouseMove(number(a[0], "x"), number(a[1], "y"));
    };
    FBuiltIns["drag"] = [this, number](const ScriptCall& c) {
        auto a = c.Args(4, "drag X1 Y1 X2 Y2");
        FDriver.Drag(number(a[0], "x"), number(a[1], "y"), number(a[2], "x"), number(a[3], "y"));
    };
    FBuiltIns["key"] = [this](const ScriptCall& c) { Key(c); };
    FBuiltIns["type"] = [this](const ScriptCall& c) {
        if (c.Rest().empty()) throw ScriptError("usage: type TEXT");
        FDriver.Type(c.Rest());
    };
    FBuiltIns["wait"] = [this](const ScriptCall& c) { Wait(c); };
    FBuiltIns["shot"] = [this](const ScriptCall& c) { Shot(c.Args(1, "shot FILE.png")[0]); };
    FBuiltIns["dump"] = [this](const ScriptCall& c) { Dump(c.Args(1, "dump FILE.json")[0]); };
    FBuiltIns["expect"] = [this](const ScriptCall& c) { Expect(c); };
    FBuiltIns["quit"] = [this](const ScriptCall& c) { Quit(c); };
}

void ScriptRunner::AddCommand(const std::string& name, TCommand command) {
    if (!IsCommandName(name)) throw std::invalid_argument("bad script command name '" + name + "'");
    if (FBuiltIns.count(name) || FCommands.count(name))
        throw std::invalid_argument("the script command '" + name + "' is known already");
    FCommands[name] = std::move(command);
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
    FRunning.clear();
    std::stringstream lines(script);
    std::string line;
    int number = 0;
    while (!FQuit && std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!RunNumbered(line, number)) return false;
    }
    return true;
}

bool ScriptRunner::RunNumbered(const std::string& line, int number) {
    try {
        RunLine(line, number);
    } catch (const std::exception& e) {
        return Fail(number, e.what());
    }
    return CheckFinishedCommands();
}

bool ScriptRunner::Fail(int line, const std::string& what) {
    FError = "line " + std::to_string(line) + ": " + what;
    return false;
}

void ScriptRunner::RunLine(const std::string& line, int number) {
    ScriptCall call = ScriptCall::Parse(line);
    if (call.Name().empty() || call.Name()[0] == '#') return;
    if (FDriver.Finished()) throw ScriptError("the program has ended");
    if (auto builtIn = FBuiltIns.find(call.Name()); builtIn != FBuiltIns.end()) return builtIn->second(call);
    if (auto command = FCommands.find(call.Name()); command != FCommands.end())
        return RunOnUi(command->second, call, number);
    throw ScriptError("unknown command '" + call.Name() + "'");
}

// Started rather than waited for, so that a command that opens a modal window (a message box
// about a bad argument, say) leaves the script free to answer it.
void ScriptRunner::RunOnUi(const TCommand& command, const ScriptCall& call, int line) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> result = done->get_future();
    bool started = FDriver.StartOnUi([command, call, done] {
        try {
            command(call);
            done->set_value();
        } catch (const std::exception&) {
            done->set_exception(std::current_exception());
        } catch (...) {
            done->set_exception(std::make_exception_ptr(ScriptError("'" + call.Name() + "' failed")));
        }
    });
    if (!started) throw ScriptError("the program is not running");
    FRunning.push_back({line, std::move(result)});
}

bool ScriptRunner::CheckFinishedCommands() {
    for (auto it = FRunning.begin(); it != FRunning.end();) {
        if (it->Done.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            ++it;
            continue;
        }
        try {
            it->Done.get();
        } catch (const std::exception& e) {
            return Fail(it->Line, e.what());
        }
        it = FRunning.erase(it);
    }
    return true;
}

void ScriptRunner::Click(const ScriptCall& call) {
    std::vector<std::string> a = call.Args();
    const bool named = !a.empty() && a[0].find('=') != std::string::npos;
    if (named && (a.size() == 1 || a.size() == 2)) {
        const TPoint at = CentreOf(a[0]);
        FDriver.Click(at.X, at.Y, a.size() == 2 ? ButtonNamed(a[1]) : TMouseButton::mbLeft);
        return;
    }
    if (a.size() != 2 && a.size() != 3) throw ScriptError("usage: click X Y [left|right|middle] or click FILTER [left|right|middle]");
    TMouseButton b = a.size() == 3 ? ButtonNamed(a[2]) : TMouseButton::mbLeft;
    FDriver.Click(ScriptCall::Integer(a[0], "x"), ScriptCall::Integer(a[1], "y"), b);
}

// The one shown record the filter matches that has a place on the screen.
TPoint ScriptRunner::CentreOf(const std::string& filterText) {
    const TFilter f = ParseFilter(filterText);
    std::vector<TPoint> centres;
    for (const TDumpRecord& r : Records()) {
        const TDumpValue* visible = r.Get("visible");
        long long left = 0, top = 0, width = 0, height = 0;
        if (!Matches(r, f) || (visible && TDumpRecord::ToText(*visible) != "true")) continue;
        if (!Field(r, "left", left) || !Field(r, "top", top) || !Field(r, "width", width) || !Field(r, "height", height))
            continue;
        centres.push_back({static_cast<int>(left + width / 2), static_cast<int>(top + height / 2)});
    }
    if (centres.size() != 1)
        throw ScriptError(std::to_string(centres.size()) + " shown records match " + filterText + " (want one)");
    return centres.front();
}

void ScriptRunner::Key(const ScriptCall& call) {
    std::string name = call.Args(1, "key NAME")[0];
    auto chord = KeyNames::Parse(name);
    if (!chord) throw ScriptError("unknown key '" + name + "'");
    for (UINT m : chord->Modifiers) FDriver.Key(m, true);
    FDriver.Key(chord->Vk, true);
    // A desktop delivers the typed character between key down and up.
    if (!chord->Text.empty()) FDriver.Type(chord->Text);
    FDriver.Key(chord->Vk, false);
    for (auto it = chord->Modifiers.rbegin(); it != chord->Modifiers.rend(); ++it) FDriver.Key(*it, false);
}

void ScriptRunner::Wait(const ScriptCall& call) {
    int ms = ScriptCall::Integer(call.Args(1, "wait MS")[0], "time");
    if (ms < 0) throw ScriptError("a wait cannot go back in time");
    FDriver.Advance(static_cast<std::uint64_t>(ms));
}

void ScriptRunner::Quit(const ScriptCall& call) {
    call.Args(0, "quit");
    FQuit = true;
    FDriver.Shutdown();
}

void ScriptRunner::Shot(const std::string& path) {
    Bitmap shot = FDriver.Screenshot();
    std::string error;
    if (shot.Empty()) throw ScriptError("no screen to capture");
    if (!WritePngFile(path, shot, &error)) throw ScriptError("cannot write '" + path + "': " + error);
}

std::vector<TDumpRecord> ScriptRunner::Records() {
    std::vector<TDumpRecord> records;
    if (!FDriver.RunOnUi([&] { records = DumpWriter::Collect(); })) throw ScriptError("the program is not running");
    return records;
}

void ScriptRunner::Dump(const std::string& path) {
    std::string json = DumpWriter::ToJson(Records());
    std::ofstream out(path, std::ios::binary);
    if (!out || !out.write(json.data(), static_cast<std::streamsize>(json.size())))
        throw ScriptError("cannot write '" + path + "'");
}

void ScriptRunner::Expect(const ScriptCall& call) {
    std::vector<std::string> w = call.Args();
    std::vector<TDumpRecord> records = Records();
    if (!w.empty() && w[0] == "count") return ExpectCount(w, records);
    if (w.size() < 3) throw ScriptError("usage: expect FILTER FIELD OP VALUE");
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
        if (!v) throw ScriptError("record " + w[0] + " has no field '" + field + "'");
        std::string actual = TDumpRecord::ToText(*v);
        if (!Compare(actual, op, expected))
            throw ScriptError("expected " + w[0] + " " + field + " " + op + " '" + expected + "', found '" + actual + "'");
    }
    if (!matched) throw ScriptError("no record matches " + w[0]);
}

void ScriptRunner::ExpectCount(const std::vector<std::string>& w, const std::vector<TDumpRecord>& records) {
    if (w.size() != 4) throw ScriptError("usage: expect count FILTER OP N");
    TFilter f = ParseFilter(w[1]);
    long long n = 0;
    for (const TDumpRecord& r : records) n += Matches(r, f) ? 1 : 0;
    ScriptCall::Integer(w[3], "count");
    if (!Compare(std::to_string(n), w[2], w[3]))
        throw ScriptError("expected count " + w[1] + " " + w[2] + " " + w[3] + ", found " + std::to_string(n));
}
