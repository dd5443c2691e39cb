// The input-method model on hostile framework output and offer files. Input: "ibus list-engine" output, "----", the
// preload list as "gsettings get | sed" prints it, "----", the offer file, "----", "ibus engine" output. Rules:
// offered methods are installed ones, each is switched on or available and never both, the available list is
// sorted, and after adding and removing one (handed in from the model's own lists) the framework is told exactly
// the switched-on list.
#include "../support/ToolFuzzing.h"
#include "im/SystemInputMethod.h"

static QList<QByteArray> g_parts;
static QStringList g_told; // values given to "gsettings set"

static void checkLists(const SystemInputMethod& m, const QStringList& installed)
{
    const QList<IMInfo>&on = m.getRemovableList(), &off = m.getAvailableList();
    for (const IMInfo& im : m.getAllList())
        check(!im.id.isEmpty() && installed.contains(im.id) && on.contains(im) != off.contains(im));
    for (const IMInfo& im : on)
        check(m.getAllList().contains(im) && on.count(im) == 1);
    check(std::is_sorted(off.cbegin(), off.cend(), IMInfo::compare));
    QStringList ids;
    for (const IMInfo& im : on)
        ids << "'" + im.id + "'";
    check(
        g_told.isEmpty() || (g_told.size() == 2 && g_told[0] == "[" + ids.join(", ") + "]" && g_told[1] == g_told[0]));
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzSysroot(argc, argv);
    static FuzzRunner runner([](const QString& program, const QStringList& args) {
        if (program == "gsettings")
            g_told << args.value(3);
        return g_parts.value(args == QStringList {"list-engine"} ? 0
                : args.value(0) == "-c"                          ? 1
                : args == QStringList {"engine"}                 ? 3
                                                                 : 9);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    g_parts = fuzzParts(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    fuzzPut("/etc/Tellora/config/IMList.xml", g_parts.value(2));

    const QStringList installed = SystemInputMethod::engineIds(g_parts.value(0));
    SystemInputMethod m;
    g_told.clear();
    checkLists(m, installed);
    const IMInfo active = m.getActiveIM();
    check(active.id.isEmpty() || m.getAllList().contains(active));
    if (!m.getAvailableList().isEmpty()) {
        const IMInfo added = m.getAvailableList().first();
        m.addIM(m.getAvailableList().first());
        // The framework names an engine of its own, or the model keeps the one it set.
        const bool named = m.getAllList().contains(QString::fromUtf8(g_parts.value(3)).trimmed());
        check(m.getRemovableList().last() == added && (named || m.getActiveIM() == added));
        checkLists(m, installed);
    }
    g_told.clear();
    if (!m.getRemovableList().isEmpty()) {
        const IMInfo removed = m.getRemovableList().first();
        m.removeIM(m.getRemovableList().first());
        check(!m.getRemovableList().contains(removed) && m.getAvailableList().contains(removed));
        checkLists(m, installed);
    }
    return 0;
}
