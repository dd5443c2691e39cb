#pragma once

#include <QList>

// The Display page's option rows and the window of five that shows them.
// Which rows exist follows the number of connected outputs; the window
// scrolls with Up and Down so that the focused row is always in it, and the
// arrows above and below tell the viewer that more rows exist.
//
// Pure bookkeeping over row identifiers: the page maps them to its frames.
class DisplayRowWindow
{
public:
    enum Row {
        Resolution1, // the main output
        SecondaryMonitors,
        Resolution2,
        Resolution3,
        Resolution4,
        Resolution5,
        ScreenOff,
        Overscan,
        Wallpaper,
        WallpaperPreview, // shown with the wallpaper row, never focused
        RowCount
    };
    static constexpr int kVisibleRows = 5;
    static constexpr int kMaxOutputs = 5;

    // The resolution row of output 0 ... 4.
    static Row resolutionRow(int output);
    // The output of a resolution row; -1 for the other rows.
    static int outputOf(Row row);

    // Rebuilds the rows for that many connected outputs (only the first five
    // count) and places the window: it starts over at the top when the rows
    // no longer fill it from the current first row.
    void rebuild(int outputs);

    const QList<Row>& rows() const { return m_rows; }
    int indexOf(Row row) const { return int(m_rows.indexOf(row)); }
    bool exists(Row row) const { return m_rows.contains(row); }
    bool isVisible(Row row) const;

    int firstVisible() const { return m_first; }
    // Takes effect with the next rebuild().
    void setFirstVisible(int first) { m_first = first; }

    // More rows above the window (the main resolution row is not in it) and
    // below it (the preview is not in it).
    bool moreAbove() const { return m_moreAbove; }
    bool moreBelow() const { return m_moreBelow; }
    // The first and last row of the window while more rows lie beyond it;
    // RowCount otherwise.
    Row rowAbove() const { return m_rowAbove; }
    Row rowBelow() const { return m_rowBelow; }

    // Up and Down on `from`: the row that takes the focus, with the window
    // moved to show it and rebuilt. Up on the first row stays there; Down
    // never reaches the preview, so the wallpaper row is the last stop, and
    // the preview below it comes into view with it.
    Row up(Row from);
    Row down(Row from);

private:
    void place_();

    QList<Row> m_rows;
    int m_outputs = 0;
    int m_first = 0;
    bool m_moreAbove = false;
    bool m_moreBelow = false;
    Row m_rowAbove = RowCount;
    Row m_rowBelow = RowCount;
};
