#include "platform/Registry3.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <memory>

namespace qal::platform {
namespace {

const QString kSuccess = QStringLiteral("The operation completed successfully.");
const QString kNotFound = QStringLiteral("The system cannot find the file specified.");

// The store of a key path: "Software\Maker\Product" is the maker's
// product; further parts become groups within it.
std::unique_ptr<QSettings> OpenStore(const QString& strKeyPath)
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + strKeyPath, QSettings::NativeFormat);
#else
    QStringList parts = strKeyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    const QString strOrganisation = parts.value(0);
    const QString strApplication = parts.value(1, strOrganisation);
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, strOrganisation,
        strApplication);
    for (qsizetype i = 2; i < parts.size(); ++i)
        store->beginGroup(parts[i]);
    return store;
#endif
}

// Whether the key exists: the registry key has values, or the settings file is there.
bool KeyExists(const QSettings& store)
{
#ifdef Q_OS_WIN
    return !store.allKeys().isEmpty();
#else
    return QFileInfo::exists(store.fileName());
#endif
}

QString StatusMessage(QSettings::Status status)
{
    switch (status) {
    case QSettings::NoError: return kSuccess;
    case QSettings::AccessError: return QStringLiteral("Access is denied.");
    case QSettings::FormatError: return QStringLiteral("The settings file is damaged.");
    }
    return QStringLiteral("The store could not be written.");
}

// Drops the characters below code 32 at the end (a terminating zero or a line end).
QString WithoutTrailingControls(QString strText)
{
    while (!strText.isEmpty() && strText.back().unicode() < 32)
        strText.chop(1);
    return strText;
}

} // namespace

QString WriteRegistryString(
    RegistryRoot /*root*/, const QString& strKeyPath, const QString& strName, const QString& strValue)
{
    if (strKeyPath.isEmpty())
        return QStringLiteral("2 Unable to create (or find) key.  ") + kNotFound;
    const std::unique_ptr<QSettings> store = OpenStore(strKeyPath);
    const bool blnExisted = KeyExists(*store);
    store->setValue(strName, strValue);
    store->sync();
    const QSettings::Status status = store->status();
    if (status == QSettings::FormatError && !blnExisted)
        return QStringLiteral("13 Unable to create (or find) key.  ") + StatusMessage(status);
    if (status == QSettings::AccessError && !blnExisted)
        return QStringLiteral("5 Unable to create (or find) key.  ") + StatusMessage(status);
    // The key was opened: the status keeps its "0" even when the value could not be set.
    const QString strOpened = blnExisted ? QStringLiteral("0 Key already exists.") : QStringLiteral("0 New key created.");
    return strOpened + QStringLiteral("  ") + StatusMessage(status);
}

QString ReadRegistryString(RegistryRoot /*root*/, const QString& strKeyPath, const QString& strName, QString& strValue)
{
    strValue.clear();
    if (strKeyPath.isEmpty())
        return QStringLiteral("1 Key not found or is empty.");
    const std::unique_ptr<QSettings> store = OpenStore(strKeyPath);
    if (!KeyExists(*store))
        return QStringLiteral("1 Key not found or is empty.");
    if (strName.isEmpty())
        return QStringLiteral("2 Name not specified.");
    if (store->status() != QSettings::NoError)
        return QStringLiteral("4 ") + StatusMessage(store->status());
    const QVariant value = store->value(strName);
    if (!value.isValid() || value.toString().isEmpty())
        return QStringLiteral("3 Name not found.");
    strValue = WithoutTrailingControls(value.toString());
    return strValue.isEmpty() ? QStringLiteral("3 Name not found.") : QStringLiteral("0 OK");
}

} // namespace qal::platform
