#include "Registration.h"

#include "AtomicFile.h"
#include "Guid.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace strilux {

namespace {
constexpr const char *kRoot = "HKEY_CLASSES_ROOT\\";

struct Entry
{
    std::string key;
    std::vector<std::pair<std::string, std::string>> values;
};

struct PageClass
{
    const StxGuid *clsid;
    const char *name;
};

const PageClass kPages[] = {
    {&CLSID_StriluxProperty, "StriluxProperty"},
    {&CLSID_OptionRptProperty, "OptionRptProperty"},
    {&CLSID_QRRptProperty, "QRRptProperty"},
    {&CLSID_PDFRptProperty, "PDFRptProperty"},
};

std::vector<std::string> ourKeyPrefixes()
{
    std::vector<std::string> keys
        = {"Strilux.StriluxCtrl", "CLSID\\" + guidText(CLSID_StriluxCtrl), "TypeLib\\" + guidText(LIBID_STRILUXLib)};
    for (const auto &page : kPages) {
        keys.push_back(std::string("Strilux.") + page.name);
        keys.push_back("CLSID\\" + guidText(*page.clsid));
    }
    return keys;
}

void addProgIds(std::vector<Entry> &e, const std::string &progId, const std::string &description,
                const std::string &clsid)
{
    e.push_back({progId + ".1", {{"@", description}}});
    e.push_back({progId + ".1\\CLSID", {{"@", clsid}}});
    e.push_back({progId, {{"@", description}}});
    e.push_back({progId + "\\CLSID", {{"@", clsid}}});
    e.push_back({progId + "\\CurVer", {{"@", progId + ".1"}}});
}

std::vector<Entry> entriesFor(const std::string &module)
{
    std::vector<Entry> e;
    const std::string clsid = guidText(CLSID_StriluxCtrl);
    const std::string cls = "CLSID\\" + clsid;
    addProgIds(e, "Strilux.StriluxCtrl", "StriluxCtrl Class", clsid);
    e.push_back({cls, {{"@", "StriluxCtrl Class"}}});
    e.push_back({cls + "\\ProgID", {{"@", "Strilux.StriluxCtrl.1"}}});
    e.push_back({cls + "\\VersionIndependentProgID", {{"@", "Strilux.StriluxCtrl"}}});
    e.push_back({cls + "\\Programmable", {}});
    e.push_back({cls + "\\InprocServer32", {{"@", module}, {"ThreadingModel", "Apartment"}}});
    e.push_back({cls + "\\Control", {}});
    e.push_back({cls + "\\Insertable", {}});
    e.push_back({cls + "\\ToolboxBitmap32", {{"@", module + ", 101"}}});
    e.push_back({cls + "\\MiscStatus", {{"@", "0"}}});
    e.push_back({cls + "\\MiscStatus\\1", {{"@", "131473"}}});
    e.push_back({cls + "\\TypeLib", {{"@", guidText(LIBID_STRILUXLib)}}});
    e.push_back({cls + "\\Version", {{"@", "1.0"}}});
    e.push_back({"TypeLib\\" + guidText(LIBID_STRILUXLib) + "\\1.0", {{"@", "STRILUXLib"}}});
    for (const auto &page : kPages) {
        const std::string pageClsid = guidText(*page.clsid);
        const std::string pageKey = "CLSID\\" + pageClsid;
        addProgIds(e, std::string("Strilux.") + page.name, std::string(page.name) + " Class", pageClsid);
        e.push_back({pageKey, {{"@", std::string(page.name) + " Class"}}});
        e.push_back({pageKey + "\\Programmable", {}});
        e.push_back({pageKey + "\\InprocServer32", {{"@", module}, {"ThreadingModel", "Apartment"}}});
    }
    return e;
}

bool isOurs(const std::string &header)
{
    for (const auto &prefix : ourKeyPrefixes()) {
        const std::string full = "[" + std::string(kRoot) + prefix;
        if (header.compare(0, full.size(), full) == 0)
            return true;
    }
    return false;
}

// The file without our sections; nullopt when it exists but cannot be read whole, so
// that nobody else's entries are lost by writing it back.
std::optional<std::string> othersIn(const std::string &path)
{
    std::ifstream in(path);
    if (!in)
        return std::filesystem::exists(path) ? std::nullopt : std::optional<std::string>(std::string());
    std::string kept, line;
    bool skipping = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '[')
            skipping = isOurs(line);
        if (!skipping)
            kept += line + "\n";
    }
    if (in.bad())
        return std::nullopt;
    return kept;
}

std::string quoted(const std::string &s)
{
    std::string out = "\"";
    for (char c : s)
        out += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
    return out + "\"";
}

bool replaceFile(const std::string &path, const std::string &content)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    return sorvik::writeFileAtomically(path, content);
}
}  // namespace

std::string registrationFile()
{
    if (const char *file = std::getenv("STRILUX_REGISTRY"); file && *file)
        return file;
    std::filesystem::path base;
    if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else
        base = std::filesystem::path(std::getenv("HOME") ? std::getenv("HOME") : ".") / ".config";
    return (base / "strilux" / "classes.reg").string();
}

bool registerServer(const std::string &modulePath)
{
    const std::string path = registrationFile();
    // Only a regular file is read or replaced: never a link, and never a device whose
    // reading would not end.
    if (!sorvik::isReplaceableFile(path))
        return false;
    const std::optional<std::string> others = othersIn(path);
    if (!others)
        return false;
    std::string content = *others;
    if (content.empty())
        content = "Windows Registry Editor Version 5.00\n\n";
    for (const auto &entry : entriesFor(modulePath)) {
        content += "[" + std::string(kRoot) + entry.key + "]\n";
        for (const auto &[name, value] : entry.values)
            content += (name == "@" ? name : quoted(name)) + "=" + quoted(value) + "\n";
        content += "\n";
    }
    return replaceFile(path, content);
}

bool unregisterServer()
{
    const std::string path = registrationFile();
    if (!sorvik::isReplaceableFile(path))
        return false;
    if (!std::filesystem::exists(path))
        return true;
    const std::optional<std::string> others = othersIn(path);
    return others && replaceFile(path, *others);
}

}  // namespace strilux
