#pragma once

#include "util/IniField.h"

#include <map>
#include <string>

namespace ini {

// One section of a strict INI file: its fields ordered by key.
class IniSectionBase : public std::map<std::string, IniField>
{
public:
    bool has(const std::string& key) const { return find(key) != end(); }

    // The field's text, or the default when the section has no such key.
    std::string value(const std::string& key, const std::string& defaultValue = std::string()) const
    {
        const auto it = find(key);
        return it == end() ? defaultValue : it->second.value();
    }

    void set(const std::string& key, std::string value) { (*this)[key] = std::move(value); }
};

} // namespace ini
