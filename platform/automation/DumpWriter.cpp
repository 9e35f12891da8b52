// Window dumps and their JSON form.
#include "platform/automation/DumpWriter.h"
#include "platform/window/Win.h"

#include <cstdio>

namespace {
// BM_GETCHECK of the button classes; the controls define the full button protocol.
constexpr UINT kGetCheck = 0x00F0;

std::vector<TDumpProvider>& Providers() {
    static std::vector<TDumpProvider> providers;
    return providers;
}

std::string HandleText(HWND h) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(h)));
    return buf;
}

void JsonString(std::string& out, const std::string& s) {
    out += '"';
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}
}

void DumpWriter::AddProvider(TDumpProvider provider) {
    Providers().push_back(std::move(provider));
}

void DumpWriter::ClearProviders() {
    Providers().clear();
}

void DumpWriter::AddWindow(HWND hwnd, std::vector<TDumpRecord>& out) {
    TDumpRecord r;
    r.Window = hwnd;
    TRect rc;
    GetWindowRect(hwnd, &rc);
    std::string cls = GetClassName(hwnd);
    r.Set("handle", HandleText(hwnd));
    r.Set("class", cls);
    r.Set("text", GetWindowText(hwnd));
    HWND parent = GetAncestor(hwnd, GA_PARENT);
    r.Set("parent", parent ? HandleText(parent) : std::string());
    r.Set("id", static_cast<std::int64_t>(GetDlgCtrlID(hwnd)));
    r.Set("left", static_cast<std::int64_t>(rc.Left));
    r.Set("top", static_cast<std::int64_t>(rc.Top));
    r.Set("width", static_cast<std::int64_t>(rc.Width()));
    r.Set("height", static_cast<std::int64_t>(rc.Height()));
    r.Set("visible", IsWindowVisible(hwnd) != 0);
    r.Set("enabled", IsWindowEnabled(hwnd) != 0);
    r.Set("active", GetActiveWindow() == hwnd);
    r.Set("focused", GetFocus() == hwnd);
    if (cls == "Button") r.Set("checked", static_cast<std::int64_t>(SendMessage(hwnd, kGetCheck, 0, 0)));
    out.push_back(std::move(r));
    std::vector<HWND> kids;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) kids.push_back(c);
    for (HWND c : kids)
        if (IsWindow(c)) AddWindow(c, out);
}

std::vector<TDumpRecord> DumpWriter::Collect() {
    std::vector<TDumpRecord> out;
    std::vector<HWND> tops;
    EnumWindows([&](HWND h) {
        tops.push_back(h);
        return true;
    });
    for (HWND h : tops)
        if (IsWindow(h)) AddWindow(h, out);
    for (const TDumpProvider& p : Providers()) p(out);
    return out;
}

std::string DumpWriter::ToJson(const std::vector<TDumpRecord>& records) {
    std::string out = "{\n  \"records\": [";
    for (std::size_t i = 0; i < records.size(); ++i) {
        out += i ? ",\n    {" : "\n    {";
        const auto& fields = records[i].Fields;
        for (std::size_t j = 0; j < fields.size(); ++j) {
            if (j) out += ", ";
            JsonString(out, fields[j].first);
            out += ": ";
            const TDumpValue& v = fields[j].second;
            if (const auto* s = std::get_if<std::string>(&v)) JsonString(out, *s);
            else out += TDumpRecord::ToText(v);
        }
        out += "}";
    }
    out += records.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}
