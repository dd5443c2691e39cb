#pragma once

#include <QString>

// The name of a connected monitor, read from its EDID block with the
// appliance's EDID tools: parse-edid first, edid-decode when parse-edid prints
// nothing. Construct one, call one init() and read getModelName(); empty
// means no monitor name is known (no monitor, no tool, or no name in it).
class EDIDInfo
{
public:
    // The DRM connector's EDID file, "/sys/class/drm/card<card>-HDMI-A-<port>/edid"
    // (port 1-based).
    void init(const QString& card, const QString& port);
    // The EDID file at path, a real path (already under the sysroot).
    void init(const QString& path);

    QString getIdentifier() const { return m_identifier; }
    QString getModelName() const { return m_modelName; }

    // The appliance path of a connector's EDID file.
    static QString sysfsPath(const QString& card, const QString& port);

    // Takes the names from the tools' text: parse-edid's quoted
    // "Identifier" and "ModelName" lines, or else edid-decode's
    // "Monitor name:" line for both.
    void interpret(const QString& toolOutput);

private:
    int parse_(const QString& path, QString& error);

    QString m_identifier;
    QString m_modelName;
};
