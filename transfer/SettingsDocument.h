#pragma once

#include "platform/XmlPropertyListReader.h"

#include <QByteArray>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <optional>
#include <utility>

namespace korvel::SettingsDocument {

// The settings document: a snapshot of the defaults as a property-list dictionary, with the
// administrator password inside "BrowserPreferences" and the files the settings name (wallpaper,
// icons, screensaver) carried under "Files" as Base64 text. Main thread only.

// Zero or one "Files" entry for the preference "Wallpaper" of `preferences`; every problem with the
// source (no value, no file, unreadable, a name that leads outside Documents) is logged and leaves
// the file out.
QVariantList exportWallperDataInFileArray(const QVariantMap& preferences);
// One entry for each element of "AllowedWebsites" whose percent-decoded "IconPath" names a readable
// file of Documents, in list order; the others are logged and left out.
QVariantList exportAllowWebsiteIconDataInFileArray(const QVariantMap& document);
// The same for the icons of "AllowedWebsitesCategory".
QVariantList exportCategoryIconDataInFileArray(const QVariantMap& document);
// Zero or one entry for the preference "ScreenSaver".
QVariantList exportScreenSaverDataInFileArray(const QVariantMap& preferences);

// Restores every embedded file below Documents, each one atomically; a failed entry does not stop
// the others. Returns false when an entry could not be written or its name was refused.
bool importFiles(const QVariantMap& document);

// Log lines (category, message) kept until what they tell of has happened.
using DeferredLog = QList<std::pair<QString, QString>>;
void writeLog(const DeferredLog& lines);

// The import normalisation of the three lists: allowed websites get a scheme where they lack one,
// frames where they lack them (unless `isFromAutoImport`) and identifiers 0, 1, 2... in list order.
// Each logs what it takes, at once or, with `deferred`, into it.
QVariantList parsingAllowedWebsiteData(QVariantList array, bool isFromAutoImport, DeferredLog* deferred = nullptr);
QVariantList parsingCategoryData(QVariantList array, bool isFromAutoImport, DeferredLog* deferred = nullptr);
QVariantList parsingBlockedWebsiteData(QVariantList array, DeferredLog* deferred = nullptr);

// Saves the settings store and returns the document of the current settings, ready to serialise.
QVariantMap buildSettingsDocument();
// The XML property-list serialisation of a document.
QByteArray settingsDocumentXML(const QVariantMap& document);
// The Pellmor text form: "<![CDATA[" and a line feed, the property list as it is, "]]>".
QString pellmorText(const QByteArray& xml);

// Reads a document from bytes: bare XML or binary property list, or the CDATA-wrapped text form.
// nullopt + a reason when it does not parse, is not a dictionary, or carries lists of the wrong type.
struct ParsedDocument {
    std::optional<QVariantMap> document;
    QString error;
};
ParsedDocument readSettingsDocument(const QByteArray& bytes, const XmlPropertyListReader::Passed& passed = {});
// What makes `document` unfit to apply (a list that is not an array of dictionaries, preferences
// that are not a dictionary, a password that is not text); the null text when it is fit.
QString settingsDocumentError(const QVariantMap& document);

}  // namespace korvel::SettingsDocument
