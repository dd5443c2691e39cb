#include "settings/ResolutionChange.h"

#include "display/DisplayCommands.h"
#include "display/ScreenConfFile.h"
#include "display/ScreenConfig.h"

ResolutionChange::ResolutionChange(Hooks_s hooks)
    : m_hooks(std::move(hooks))
{
}

ResolutionChange::Outcome ResolutionChange::apply(int output, const QString& mode, const QString& rate)
{
    ScreenConfFile file;
    file.load();
    const QString section = ScreenConfFile::sectionOf(output);
    const QString previousMode = file.value(section, QStringLiteral("Mode"));
    const QString previousRate = file.value(section, QStringLiteral("Rate"));
    if (mode == previousMode && ScreenConfig::plainRate(rate) == ScreenConfig::plainRate(previousRate))
        return Unchanged;

    applyMode_(output, mode, rate);
    const bool kept = m_hooks.confirm && m_hooks.confirm();
    if (!kept)
        applyMode_(output, previousMode, previousRate);
    DisplayCmd::updateMargins();
    return kept ? Kept : TakenBack;
}

void ResolutionChange::applyMode_(int output, const QString& mode, const QString& rate)
{
    // Read again each time: the hot-plug script keeps the outputs' names and
    // connections in the same file current.
    ScreenConfFile file;
    file.load();
    file.setMode(output, mode, rate);
    file.save();
    DisplayCmd::applyResolution();
    if (m_hooks.setTaskbarHeight)
        m_hooks.setTaskbarHeight(ScreenConfig::modeHeight(mode));
}
