#pragma once
// Numbers of the update service's texts and a filler for their printf-style patterns.

#include <QString>
#include <QStringList>

namespace UpdateText {
constexpr int DownloadPage = 22000;        // "Downloading..."
constexpr int SearchPage = 22001;          // "Searching for updates..."
constexpr int WizardCaption = 22002;
constexpr int Connecting = 22005;          // "Connecting..."
constexpr int NoUpdate = 22007;            // "There is no update available. ..." (%s product)
constexpr int NewerFound = 22009;          // "Found a newer version of %s ..." (product, server, own)
constexpr int Downloading = 22010;         // "Downloading %s"
constexpr int MegabytesDownloaded = 22017; // "%s MB downloaded"
constexpr int DownloadError = 22018;       // "Unknown error while downloading."
constexpr int ReceivingInfo = 22019;       // "Receiving update information..."
constexpr int SearchingFor = 22020;        // "Searching update for %s"
constexpr int Next = 22021;
constexpr int Back = 22022;
constexpr int Cancel = 22023;
constexpr int Finish = 22024;
constexpr int ConnectFailed = 25003;       // "Failed to connect to FTP server!"
constexpr int FolderNotFound = 25004;      // "Directory (%s) not found on the FTP server!"
constexpr int NoSession = 25005;           // "Failed to create an internet session!"
constexpr int ErrorCode = 25006;           // "(Error %d)"
constexpr int InstallerNotStarted = 61450; // "The installer %1 could not be started:\n%2"
} // namespace UpdateText

// Fills "%s", "%d" and "%ld" in turn with args; "%%" gives "%". Missing arguments leave the rest
// of the pattern as it stands.
QString FillPattern(const QString& pattern, const QStringList& args);
QString FillResString(int id, const QStringList& args);
