#pragma once

#include <string>

namespace ini {

// The text value of one field of a strict INI file.
class IniField
{
public:
    IniField() = default;
    explicit IniField(std::string value)
        : m_value(std::move(value))
    {
    }

    const std::string& value() const { return m_value; }
    void setValue(std::string value) { m_value = std::move(value); }
    IniField& operator=(std::string value)
    {
        m_value = std::move(value);
        return *this;
    }

    bool operator==(const IniField&) const = default;

private:
    std::string m_value;
};

} // namespace ini
