#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One input method: the ibus engine name ("xkb:us::eng") and the name the
// viewer sees.
struct IMInfo {
    QString id;
    QString name;

    bool operator==(const IMInfo& other) const = default;
    // An input method also equals the text of its id.
    bool operator==(const QString& engine) const { return id == engine; }
    // The order of the available list: by name, case-sensitive, by character
    // code.
    static bool compare(const IMInfo& a, const IMInfo& b) { return a.name < b.name; }
};

// The appliance's input methods as the ibus framework has them: every method
// the appliance offers and has installed, the switched-on ones (ibus's preload
// engines, in their order), the ones still available for adding (sorted by
// name) and the active one. Reads the framework through its command-line tools
// and writes changes back through them; every command blocks the caller. One
// instance per process (getInstance), used from the GUI thread.
class SystemInputMethod
{
public:
    static SystemInputMethod* getInstance();

    // A model of its own, read at once. The program uses getInstance(); tests
    // build their own.
    SystemInputMethod();

    void init();
    void initAllList();
    void initAvailableAndRemovableList();
    void initActiveIM();

    const QList<IMInfo>& getAllList() const { return m_all; }
    const QList<IMInfo>& getAvailableList() const { return m_available; }
    const QList<IMInfo>& getRemovableList() const { return m_removable; }
    // The active method, asked of the framework again on every call.
    const IMInfo& getActiveIM();

    // Makes im the active method ("/usr/bin/ibus engine ID").
    void setActiveIM(const IMInfo& im);
    // Switches im on: it joins the removable list, leaves the available one,
    // the framework is told the new list and im becomes active.
    void addIM(const IMInfo& im);
    // Switches im off; when it was active, the first switched-on method
    // becomes active (none when it was the last one).
    void removeIM(const IMInfo& im);
    // Tells the framework the switched-on methods: both gsettings keys get
    // "['id1', 'id2']".
    void writeDconf(const QList<IMInfo>& list);
    void writeDconf(const QString& engines);

    // The engine ids of "ibus list-engine" output, in its order (language
    // header lines give ids that match no engine).
    static QStringList engineIds(const QByteArray& listing);
    // The ids of the preload list as "gsettings get" prints it, after the
    // brackets were removed.
    static QStringList preloadIds(const QByteArray& text);
    // The methods the offer file lists whose id is in installed, in file
    // order; empty when the file is missing or broken.
    static QList<IMInfo> offered(const QString& filePath, const QStringList& installed);

private:
    QList<IMInfo> m_all;
    QList<IMInfo> m_removable;
    QList<IMInfo> m_available;
    IMInfo m_active;
};
