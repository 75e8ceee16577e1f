#include "platform/safesettings.h"

#include <QSettings>
#include <limits>
#include <map>

#include "shell/modulekey.h"
#include "shell/recentfiles.h"

const QString TSafeRegistry::SettingsKey = QStringLiteral("Settings");

TSettingsError::TSettingsError(const QString& valueName)
    : std::runtime_error(
          QStringLiteral("Failed to set data for '%1'").arg(valueName).toStdString()) {}

namespace {

std::unique_ptr<QSettings> UserStore() {
#ifdef _WIN32
    const QString path = QStringLiteral("HKEY_CURRENT_USER\\") +
                         QString::fromStdString(ModuleKeyPath(QuorrelModuleName));
    return std::make_unique<QSettings>(path, QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Kestrune"),
                                       QString::fromStdString(ModuleKeyName(QuorrelModuleName)));
#endif
}

} // namespace

TSafeRegistry::TSafeRegistry() : FOwned(UserStore()), FSettings(FOwned.get()) {}

TSafeRegistry::TSafeRegistry(const QString& iniFileName)
    : FOwned(std::make_unique<QSettings>(iniFileName, QSettings::IniFormat)),
      FSettings(FOwned.get()) {}

TSafeRegistry::TSafeRegistry(QSettings* settings) : FSettings(settings) {}

TSafeRegistry::~TSafeRegistry() {
    CloseKey();
}

bool TSafeRegistry::OpenKeyReadOnly(const QString& key) {
    CloseKey();
    if (FSettings->status() == QSettings::AccessError) return false;
    const bool exists =
        key.isEmpty() ? !FSettings->childKeys().isEmpty() || !FSettings->childGroups().isEmpty()
                      : FSettings->childGroups().contains(key);
    if (!exists) return false;
    if (!key.isEmpty()) {
        FSettings->beginGroup(key);
        FKeyOpen = true;
    }
    return true;
}

bool TSafeRegistry::OpenKey(const QString& key, bool canCreate) {
    CloseKey();
    if (!FSettings->isWritable() || FSettings->status() == QSettings::AccessError) return false;
    if (key.isEmpty()) return true;
    if (!canCreate && !FSettings->childGroups().contains(key)) return false;
    FSettings->beginGroup(key);
    FKeyOpen = true;
    return true;
}

void TSafeRegistry::CloseKey() {
    if (FKeyOpen) FSettings->endGroup();
    FKeyOpen = false;
}

QVariant TSafeRegistry::Value(const QString& name) const {
    return FSettings->value(name);
}

QStringList TSafeRegistry::ValueNames() const {
    return FSettings->childKeys();
}

void TSafeRegistry::WriteBool(const QString& name, bool value) {
    Write(name, value ? 1 : 0);
}

void TSafeRegistry::WriteInteger(const QString& name, int value) {
    Write(name, value);
}

void TSafeRegistry::WriteString(const QString& name, const QString& value) {
    Write(name, value);
}

void TSafeRegistry::Write(const QString& name, const QVariant& value) {
    FSettings->setValue(name, value);
    FSettings->sync();
    // Only a failed write or read sets AccessError; a malformed file's
    // FormatError is rewritten whole by the flush and is no write failure.
    if (FSettings->status() == QSettings::AccessError) throw TSettingsError(name);
}

namespace {

bool ReadInteger(const QVariant& value, int& out) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt: // a registry DWORD above 0x7FFFFFFF is a negative 32-bit integer
        out = static_cast<int>(value.toUInt());
        return true;
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool ok = false;
        const qlonglong wide = value.toLongLong(&ok);
        if (!ok || wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max())
            return false;
        out = static_cast<int>(wide);
        return true;
    }
    case QMetaType::QString: {
        const QString text = value.toString();
        // Only plain decimal digits with an optional minus: no blanks, no "+", no hex.
        const int digitsFrom = text.startsWith(u'-') ? 1 : 0;
        if (text.size() == digitsFrom) return false;
        for (qsizetype i = digitsFrom; i < text.size(); ++i)
            if (text[i] < u'0' || text[i] > u'9') return false;
        bool ok = false;
        const int number = text.toInt(&ok, 10);
        if (!ok) return false;
        out = number;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

bool ReadBoolDefault(const TSafeRegistry& registry, const QString& name, bool defaultValue) {
    int number = 0;
    return ReadInteger(registry.Value(name), number) ? number != 0 : defaultValue;
}

int ReadIntegerDefault(const TSafeRegistry& registry, const QString& name, int defaultValue) {
    int number = 0;
    return ReadInteger(registry.Value(name), number) ? number : defaultValue;
}

QString ReadStringDefault(const TSafeRegistry& registry, const QString& name,
                          const QString& defaultValue) {
    const QVariant value = registry.Value(name);
    return value.typeId() == QMetaType::QString ? value.toString() : defaultValue;
}

namespace {

const QString RecentCountName = QStringLiteral("LastUsedFiles");
const QString RecentEntryName = QStringLiteral("LastUsedFile");

} // namespace

void ReadRecentFiles(const TSafeRegistry& registry, TRecentFiles& recent) {
    const int count = ReadIntegerDefault(registry, RecentCountName, 0);
    // Stored entries by number, so the reading follows the numbers, not the
    // names' text order ("LastUsedFile10" before "LastUsedFile2").
    std::map<int, QString> numbered;
    for (const QString& name : registry.ValueNames()) {
        if (!name.startsWith(RecentEntryName)) continue;
        const QString digits = name.mid(RecentEntryName.size());
        bool ok = false;
        const int number = digits.toInt(&ok, 10);
        // Only the spelling the store writes: no sign, no leading zero.
        if (ok && number >= 1 && number <= count && QString::number(number) == digits)
            numbered.emplace(number, name);
    }
    for (const auto& [number, name] : numbered) {
        if (recent.Count() >= TRecentFiles::MaxCount) break;
        recent.AppendStored(ReadStringDefault(registry, name, QString()).toStdString());
    }
}

void WriteRecentFiles(TSafeRegistry& registry, const TRecentFiles& recent) {
    registry.WriteInteger(RecentCountName, static_cast<int>(recent.Count()));
    int number = 0;
    for (const std::string& entry : recent.Entries())
        registry.WriteString(RecentEntryName + QString::number(++number),
                             QString::fromStdString(entry));
}
