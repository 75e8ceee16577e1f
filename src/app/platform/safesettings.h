#pragma once
// The one accessor for the per-user settings store (QSettings): organisation
// "Kestrune", application "Quorrel"; the module key is the top level, the
// settings key the group "Settings" below it.
//
// Type rule, the same on every backend: booleans and integers are written as
// integers, texts as strings. An integer read accepts an integer value or a
// text that is a whole decimal number within 32 bits (INI files give every
// value back as text); anything else reads as the default. A text read
// accepts only string values, so an integer stored by a typed backend
// (registry, property list) reads as the default; an INI file cannot tell
// "8" from 8 and gives the text.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <stdexcept>

class QSettings;
class TRecentFiles;

// A value could not be written; what() is "Failed to set data for '<name>'".
class TSettingsError : public std::runtime_error {
  public:
    explicit TSettingsError(const QString& valueName);
};

class TSafeRegistry {
  public:
    static const QString SettingsKey; // "Settings"

    // The user's own store (HKEY_CURRENT_USER\Software\Kestrune\Quorrel on
    // Windows, the platform's native place elsewhere).
    TSafeRegistry();
    // An INI file of the caller's choosing, e.g. a test's own.
    explicit TSafeRegistry(const QString& iniFileName);
    // Any settings object; not owned, must outlive the accessor.
    explicit TSafeRegistry(QSettings* settings);
    ~TSafeRegistry();
    TSafeRegistry(const TSafeRegistry&) = delete;
    TSafeRegistry& operator=(const TSafeRegistry&) = delete;

    // Opens an existing key (empty: the module key) for reading. False, with
    // no key open, when the key does not exist or the store cannot be read. A
    // malformed file still opens with whatever could be parsed from it.
    bool OpenKeyReadOnly(const QString& key);
    // Opens a key for writing, creating it when canCreate. False, with no key
    // open, when it is missing and not to be created or the store is not
    // writable.
    bool OpenKey(const QString& key, bool canCreate);
    // Closes the open key, if any; values then address the module key.
    void CloseKey();

    // The stored value in the open key; invalid when missing.
    QVariant Value(const QString& name) const;
    // Names of the values in the open key.
    QStringList ValueNames() const;

    // Write and flush at once; throw TSettingsError when the store reports a
    // failure. The failure stays with the accessor (QSettings keeps its first
    // error), so use a fresh accessor for each load and each store.
    void WriteBool(const QString& name, bool value);
    void WriteInteger(const QString& name, int value);
    void WriteString(const QString& name, const QString& value);

  private:
    void Write(const QString& name, const QVariant& value);

    std::unique_ptr<QSettings> FOwned;
    QSettings* FSettings;
    bool FKeyOpen = false;
};

// The value, or the default when it is missing or of another type (see the
// type rule above). A boolean is true when its integer is not 0.
bool ReadBoolDefault(const TSafeRegistry& registry, const QString& name, bool defaultValue);
int ReadIntegerDefault(const TSafeRegistry& registry, const QString& name, int defaultValue);
QString ReadStringDefault(const TSafeRegistry& registry, const QString& name,
                          const QString& defaultValue);

// The recent list from the open key: "LastUsedFiles" (default 0) entries
// "LastUsedFile1", "LastUsedFile2", ... appended in order as stored, missing
// and empty ones skipped. Only entries that exist are visited, so a huge
// count cannot stall the start.
void ReadRecentFiles(const TSafeRegistry& registry, TRecentFiles& recent);
// "LastUsedFiles" := the count, then each entry from "LastUsedFile1" on.
// Higher entries from an earlier run stay; the count hides them.
void WriteRecentFiles(TSafeRegistry& registry, const TRecentFiles& recent);
