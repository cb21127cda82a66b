// The host's settings store: a text file of "name=value" lines in the host's folder.
//
// A backslash, a line feed, a carriage return and (in names) an equals sign are written as the
// escapes \\, \n, \r and \=, so that any name and value come back exactly as they were stored.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace refhost {

class SettingsStore {
public:
    explicit SettingsStore(std::string path) : m_path(std::move(path)) {}

    // Reads the file; a missing file is an empty store. Returns an error text for a bad file.
    std::optional<std::string> Load();
    // Writes the file through a temporary beside it, so a failed write keeps the old one.
    std::optional<std::string> Save() const;

    std::optional<std::string> Get(const std::string& name) const;
    void Set(const std::string& name, const std::string& value);
    const std::map<std::string, std::string>& All() const { return m_values; }
    const std::string& Path() const { return m_path; }

    static std::string Escape(const std::string& text, bool isName);
    // Undoes Escape up to the first unescaped stop character; returns the position after it.
    static std::size_t Unescape(const std::string& text, std::size_t from, char stop, std::string& out);

private:
    std::string m_path;
    std::map<std::string, std::string> m_values;
};

} // namespace refhost
