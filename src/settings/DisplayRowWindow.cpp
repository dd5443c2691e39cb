#include "settings/DisplayRowWindow.h"

#include <algorithm>

DisplayRowWindow::Row DisplayRowWindow::resolutionRow(int output)
{
    static constexpr Row rows[kMaxOutputs] = {Resolution1, Resolution2, Resolution3, Resolution4, Resolution5};
    return output >= 0 && output < kMaxOutputs ? rows[output] : RowCount;
}

int DisplayRowWindow::outputOf(Row row)
{
    switch (row) {
    case Resolution1:
        return 0;
    case Resolution2:
    case Resolution3:
    case Resolution4:
    case Resolution5:
        return row - Resolution2 + 1;
    default:
        return -1;
    }
}

void DisplayRowWindow::rebuild(int outputs)
{
    m_outputs = std::clamp(outputs, 0, int(kMaxOutputs));
    m_rows.clear();
    for (int i = 0; i < m_outputs; ++i) {
        if (i == 1)
            m_rows.append(SecondaryMonitors);
        m_rows.append(resolutionRow(i));
    }
    m_rows.append({ScreenOff, Overscan, Wallpaper, WallpaperPreview});
    place_();
}

void DisplayRowWindow::place_()
{
    const int count = int(m_rows.size());
    if (m_first < 0 || m_first + kVisibleRows > count)
        m_first = 0;
    m_moreAbove = m_first > 0;
    m_moreBelow = m_first + kVisibleRows < count;
    m_rowAbove = m_moreAbove ? m_rows[m_first] : RowCount;
    m_rowBelow = m_moreBelow ? m_rows[m_first + kVisibleRows - 1] : RowCount;
}

bool DisplayRowWindow::isVisible(Row row) const
{
    const int i = indexOf(row);
    return i >= m_first && i < m_first + kVisibleRows;
}

DisplayRowWindow::Row DisplayRowWindow::up(Row from)
{
    const int i = indexOf(from);
    if (i < 0)
        return from;
    const int j = std::max(i - 1, 0);
    m_first = j < kVisibleRows ? 0 : j - (kVisibleRows - 1);
    place_();
    return m_rows[j];
}

DisplayRowWindow::Row DisplayRowWindow::down(Row from)
{
    const int i = indexOf(from);
    if (i < 0)
        return from;
    int j = std::min(i + 1, int(m_rows.size()) - 1);
    if (m_rows[j] == WallpaperPreview)
        j = indexOf(Wallpaper);
    if (m_rows[j] == Wallpaper)
        m_first = std::max(j - (kVisibleRows - 2), 0); // with the preview below it
    else if (j >= kVisibleRows)
        m_first = j - (kVisibleRows - 1);
    else
        m_first = std::min(m_first, j); // a row focused by mouse above the window
    place_();
    return m_rows[j];
}
