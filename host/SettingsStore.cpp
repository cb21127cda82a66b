#include "SettingsStore.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace refhost {

std::string SettingsStore::Escape(const std::string& text, bool isName)
{
    std::string out;
    for (char ch : text) {
        switch (ch) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '=':
            out += isName ? "\\=" : "=";
            break;
        default: out += ch;
        }
    }
    return out;
}

std::size_t SettingsStore::Unescape(const std::string& text, std::size_t from, char stop, std::string& out)
{
    std::size_t i = from;
    for (; i < text.size() && text[i] != stop; ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return i;
}

std::optional<std::string> SettingsStore::Load()
{
    m_values.clear();
    std::ifstream in(m_path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty())
            continue;
        std::string name, value;
        const std::size_t at = Unescape(line, 0, '=', name);
        if (at == line.size())
            return m_path + ":" + std::to_string(number) + ": a setting line needs name=value";
        Unescape(line, at + 1, '\0', value);
        m_values[name] = value;
    }
    return std::nullopt;
}

std::optional<std::string> SettingsStore::Save() const
{
    const std::string temporary = m_path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const auto& [name, value] : m_values)
            out << Escape(name, true) << '=' << Escape(value, false) << '\n';
        out.flush();
        if (!out)
            return "cannot write " + temporary;
    }
    if (std::rename(temporary.c_str(), m_path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return "cannot replace " + m_path;
    }
    return std::nullopt;
}

std::optional<std::string> SettingsStore::Get(const std::string& name) const
{
    auto hit = m_values.find(name);
    if (hit == m_values.end())
        return std::nullopt;
    return hit->second;
}

void SettingsStore::Set(const std::string& name, const std::string& value) { m_values[name] = value; }

} // namespace refhost
