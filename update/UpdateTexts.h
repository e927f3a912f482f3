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
constexpr int ProgramTitle = 128;          // "Scleron"
constexpr int Unreachable = 61451;
constexpr int LoginRefused = 61452;
constexpr int NoTls = 61453;
constexpr int CertificateFailed = 61454;
constexpr int Stalled = 61455;
constexpr int ConnectionFailed = 61456;
constexpr int FileNotFound = 61457;
constexpr int BytesOfTotal = 61458;        // "%s MB of %s MB downloaded (%s MB/s)"
constexpr int WrongSize = 61459;
constexpr int SignatureMissing = 61460;
constexpr int SignatureMalformed = 61461;
constexpr int SignatureUntrusted = 61462;
constexpr int SignatureBad = 61463;
constexpr int LocalWriteFailed = 61464;
constexpr int WillClose = 61465;           // "... %s will now close so that the installer can run."
constexpr int HeaderFound = 61466;
constexpr int HeaderNoUpdate = 61467;
constexpr int HeaderSearchFailed = 61468;
constexpr int HeaderDownloadFailed = 61469;
constexpr int FirmwareNotOffered = 61470;  // "Newer firmware for the %s device ... not offered:\n%s"
constexpr int ToolNotStarted = 61471;      // "The firmware upgrade tool could not be started.\nIt was looked for at: %s"
constexpr int ToolFailed = 61472;          // "... ended with an error (exit code %s)."
constexpr int FirmwareChanged = 61473;     // "The firmware package %s no longer matches its signature, ..."
} // namespace UpdateText

// Fills "%s", "%d" and "%ld" in turn with args; "%%" gives "%". Missing arguments leave the rest
// of the pattern as it stands.
QString FillPattern(const QString& pattern, const QStringList& args);
QString FillResString(int id, const QStringList& args);
