#pragma once

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class DownloadManager;

// One package as one source knows it. An empty name means "no record".
//
// Paths: for an installed record, confInfo "Install_Path" is an appliance path
// (as the appliance writes it in its package configuration); for a catalog
// record it is a folder of this machine under HOME. localInstallPath() gives
// the folder to open in both cases.
struct PkgInfo_s {
    QString name;
    QMap<QString, QString> confInfo; // configuration-style keys ("Version", "Enable", ...)
    QMap<QString, QString> xmlInfo; // descriptor or catalog elements ("start", "version", ...)
};

// The package model: installed records, catalog records and, per name, an
// availability word telling in which of the two the name is present. Every
// change is announced with an event text "<action>\n<name>", the action being
// "pkg_add", "pkg_upd" or "pkg_del"; a change that changes nothing that the
// screens show emits nothing. GUI thread only.
//
// Source arguments: 0 = installed, 1 = catalog, -1 = both.
class AggPkgInfo : public QObject
{
    Q_OBJECT

public:
    enum : int { InstalledBit = 0x001, CatalogBit = 0x100 };

    explicit AggPkgInfo(QObject* parent = nullptr);
    // Seeded model; no signal.
    AggPkgInfo(const QMap<QString, PkgInfo_s>& conf, const QMap<QString, PkgInfo_s>& web, QObject* parent = nullptr);

    void insertPkg(const PkgInfo_s& pkg, int source);
    void removePkg(QString name, int source);
    void clearAggPkgInfo(int source);
    void rebuildAvailPkgs();

    // Source 0 with launchable != 0: has a start command and, when reserved
    // for administrators, the user is one ("Enable" is not looked at).
    bool isPkgAvail(const QString& name, int source, int launchable) const;
    // Source 0 with launchable != 0 also requires "Enable" = TRUE.
    QStringList PkgNames(int source, int launchable) const;
    PkgInfo_s PkgByName(const QString& name, int source) const;

    QMap<QString, PkgInfo_s> ConfPkgInfos() const { return m_confPkgs; }
    QMap<QString, PkgInfo_s> WebPkgInfos() const { return m_webPkgs; }
    QMap<QString, int> AvailPkgMap() const { return m_availPkgs; }
    // Appliance path of the package configuration last read with sections, or empty.
    QString ConfFile() const { return m_confFile; }
    // Local path of the catalog last read, or empty.
    QString XmlFile() const { return m_xmlFile; }

    // Brings the installed side up to date with the package configuration at
    // the appliance path `path` (normally "/etc/config/bento.conf").
    void ReadConf(const QString& path);
    // Brings the catalog side up to date with the catalog file at the local
    // path `path`; queues the icons on dm when it is not null.
    void ReadXml(const QString& path, DownloadManager* dm);

    // "NasGroupID", Base64-decoded (Login::groupId), is exactly "0".
    static bool isAdministrator();
    // The folder of this machine that holds the package's files (icons):
    // the mapped appliance path for an installed record (source 0), the
    // catalog folder's sub-folder as it stands for a catalog record (source 1).
    static QString localInstallPath(const PkgInfo_s& pkg, int source);

    // Where the catalog comes from and where its local copy lives, for the
    // user-interface language code `lang` (see UiLanguage.h).
    static QString CatalogAddress(const QString& lang);
    static QString CatalogFolder();
    static QString CatalogFile(const QString& lang);

signals:
    void webPkgChanged(const QString& event);
    void confPkgChanged(const QString& event);
    void availPkgChanged(const QString& event);

private:
    // A descriptor as last read: its bytes and what they gave, so that an
    // unchanged file is not parsed again and its entries stay shared.
    struct Descriptor_s {
        QByteArray bytes;
        QMap<QString, QString> xmlInfo;
        QString title; // text of its <name>, the title of a virtual machine
    };
    enum class Change_ { Web, Conf, Avail };

    using Sections_ = QMap<QString, QMap<QString, QString>>;
    static Sections_ readConfSections_(const QByteArray& bytes);
    bool readDescriptor_(const QString& folder, PkgInfo_s& pkg, bool vm, QHash<QString, Descriptor_s>& seen) const;
    void applyConfDiff_(const AggPkgInfo& scratch);
    void applyWebDiff_(const QMap<QString, PkgInfo_s>& web);
    // Emits the change signal; the event text is built only when someone listens.
    void notify_(Change_ which, const QString& action, const QString& name);

    // What the last ReadConf read: the file's bytes with their sections, and
    // the descriptors. Unchanged input is recognised by content and gives the
    // very same (shared) entries again.
    QByteArray m_confBytes;
    Sections_ m_confSections;
    QHash<QString, Descriptor_s> m_descriptors;
    // How the package configuration read last time, so that a file that
    // cannot be read is reported when that changes, not on every read.
    int m_confState = 0;

    QMap<QString, PkgInfo_s> m_webPkgs;
    QMap<QString, PkgInfo_s> m_confPkgs;
    QMap<QString, int> m_availPkgs;
    QString m_confFile;
    QString m_xmlFile;
};
