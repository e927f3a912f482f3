#pragma once
// CChildView: the main view. The upper 150 pixels show the connected tester (the device list box
// of found testers, later its identity texts and mirrored screen); below lies the measurement
// table. The view owns the measurement store and, once a tester is attached, drives everything
// that happens over time with one polling timer: running the device link's pending jobs, polling
// the tester for events and noticing a lost connection.

#include "app/CommandHandlers.h"
#include "app/TransferProgress.h"
#include "app/ViewLinkFollowUps.h"
#include "data/MeasurementStore.h"
#include "mirror/DIBSectionLiteNP.h"
#include "mirror/MirrorGeometry.h"
#include "quality/ToleranceLimits.h"

#include <QFont>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <QTransform>
#include <QVector>
#include <QWidget>

#include <array>
#include <memory>
#include <utility>

class CDeviceLink;
class CFirmwareCheck;
class CNoticeBar;
class QComboBox;

// What the view needs of the frame around it.
class IViewFrame {
public:
    virtual ~IViewFrame() = default;
    // Stores the text as the frame's status text and shows it in the status bar.
    virtual void SetStatusText(const QString& text) = 0;
    // The stored status text.
    virtual QString StatusText() const = 0;
    // Hands a document to the desktop's viewer without waiting for it.
    virtual bool OpenDocument(const QString& path) = 0;
    // Forgets the newer tester firmware the frame offers and rebuilds its update menu, so its
    // "Update Kestrel to version ..." item goes.
    virtual void ForgetNewestFirmware() = 0;
};

// Where the view keeps the measurement files the user opened or saved last (the File menu's
// list); optional.
class IRecentFiles {
public:
    virtual ~IRecentFiles() = default;
    virtual void Add(const QString& path) = 0;
};

class CChildView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPollTimerId = 200;
    // Intervals of the polling timer: after attaching, after a good tick, after a failed one.
    static constexpr int kFirstTickMs = 200;
    static constexpr int kGoodTickMs = 100;
    static constexpr int kFailedTickMs = 1000;
    // After the firmware upgrade tool has ended, when the tester's port was open before.
    static constexpr int kAfterUpgradeTickMs = 100;
    // Failed ticks in a row that end the connection.
    static constexpr int kFailedTicksToDisconnect = 2;
    static constexpr int kDeviceAreaHeight = 150;
    // The device list box: from (10, 10) to (350, 140); the part below the closed box is its list.
    static constexpr int kDeviceListLeft = 10;
    static constexpr int kDeviceListTop = 10;
    static constexpr int kDeviceListRight = 350;
    static constexpr int kDeviceListBottom = 140;

    CChildView();
    ~CChildView() override;

    // The view's creation, run once its frame exists: status "Offline", the table window, the
    // empty table, the device list box, and a measurement file named on the command line
    // (arguments without the program name).
    void Create(QWidget* parent, IViewFrame* frame, const QStringList& commandLine);

    // Asks to save unsaved data, then empties the store; with alsoDevice also forgets the
    // tester and ends the connection. False when the user refused (Cancel, or Yes with a save
    // that was cancelled or failed): nothing has changed then.
    bool ResetData(bool alsoDevice);

    // "Connect device" (32703): search the ports, list the testers found, attach the first.
    void Connect();
    // Open (32734), also for a file dropped on the window: asks to save the current data first,
    // then reads path (empty: asks for a file) and refills the table.
    void OpenFile(const QString& path);
    // Device settings (32704) once the command's checks passed (link open, not in the boot
    // loader): shows the device settings dialog, unless it is open already.
    void ShowDeviceSettings();
    bool IsSettingsDialogOpen() const;

    // Serial devices appeared or disappeared (COM numbers; a replaced device is in both lists):
    // testers on vanished ports leave the device list box, except the attached one while its port
    // is open; new ports are asked for a tester while none is attached and no dialog is open, and
    // the testers found join the list. Returns the port of a lost tester the view waits for when
    // it is among the appeared ones (it may have come back: TryReattachNow), else 0
    // (ViewHotPlug.cpp).
    int FollowPortChanges(const QVector<unsigned>& appeared, const QVector<unsigned>& vanished);

    // The user chose a line of the device list box (1008): attach that tester instead.
    void OnDeviceListSelection(int index);
    // Timer 200: run the pending jobs or poll the tester; notice a lost connection.
    void OnPollTimer();
    // The firmware upgrade (32730): stops polling, closes the tester's port, starts the external
    // upgrade tool beside the program and waits until it has ended, then polls again (which opens
    // the port again) when the port was open before.
    void UpgradeFirmware();
    // The upgrade tool's path: "DoDovavez" in the program's folder.
    QString UpgradeToolProgram() const;
    // The program file the upgrade tool is looked for beside (empty: the running executable).
    void SetProgramFile(const QString& path) { m_programFile = path; }

    // Clear device memory (58456): asks, discards the loaded data (asking to save them) and
    // leaves the memory clear to the polling timer.
    void ClearDeviceMemory();
    // Conversion standard "default" (0) or "Custom J" (1): the table is converted again and the
    // data count as changed.
    void SetConversionStandard(int standard);
    // Redraws the key-lock symbol after the current device's keysLocked changed.
    void RedrawKeyLock();
    // The key lock read after the tester's own change: the symbol and, under the mouse, its text.
    void ShowKeyLockChange();

    // Where Save and Open report the files they wrote and read (not owned; nullptr: nowhere).
    void SetRecentFiles(IRecentFiles* recent) { m_recent = recent; }
    // The tolerance limits in use (loaded from the user's settings when the view is created).
    const CToleranceTable& Limits() const { return m_limits; }
    // "Tolerance limits…" (Settings menu): the dialog, opened on the focus series' scale and
    // material; OK keeps the limits in the user's settings and redraws the verdicts.
    void EditToleranceLimits();
    // "Report…" (File menu): asks for a PDF file name and writes the inspection report there.
    void WriteReport();
    // The series of the table's focus row (else of its first selected row); -1: none.
    int FocusSeries() const;

    // The commands the view carries out, with their enable rules.
    const CommandHandlers& Commands() const { return m_commands; }

    CDeviceLink& Link();
    const CDeviceLink& Link() const;
    QComboBox* DeviceList() const { return m_deviceList; }
    QWidget* TableWindow() const { return m_table; }
    const QTimer& PollTimer() const { return m_pollTimer; }
    int FailureCount() const { return m_failureCount; }

    // After a lost connection the view waits for the same tester (product name and serial
    // number) to answer again on its port and then attaches it by itself: every
    // kReattachEveryMs, and whenever TryReattachNow is called (a port that appeared, say).
    // True when the tester was attached again; false when it did not answer or nothing is awaited.
    bool TryReattachNow();
    bool AwaitsLostTester() const { return m_lostTester.port != 0; }
    const QTimer& ReattachTimer() const { return m_reattachTimer; }
    static constexpr int kReattachEveryMs = 2000;
    // The line between the device area and the table where the connection's troubles are told.
    CNoticeBar* Notice() const { return m_notice; }

    // The parts of the view a status event changes: the mirrored device screen, and the identity
    // texts (for every event but a display change alone). W is the view's client width.
    QRect DeviceScreenRect(int W) const;
    QRect IdentityRect(int W) const;

    // Where the parts of the device area lie in a view W pixels wide, for the identity texts of
    // the language and the tester: the values start right of the widest label; the tester's
    // picture keeps to the right edge and shrinks (down to kSmallestPicture) where the texts
    // need its room, and where that is not enough it moves below them, the area twice as high.
    struct DeviceBand {
        int height = kDeviceAreaHeight;
        int valueX = 150;     // x of the identity values
        int textRight = 0;    // right end of the identity texts and the device list box
        QTransform picture;   // the picture's own coordinates (of a view W wide) into the view
    };
    static constexpr double kSmallestPicture = 0.7;
    DeviceBand BandLayout(int W) const;

    // Widths of the table's nine columns for a view W pixels wide: fixed up to 960 pixels, wider
    // ones share the room, less a little when the table shows its vertical scroll bar.
    static std::array<int, 9> TableColumnWidths(int W, bool verticalScrollBar);
    // Each column at least as wide as its widest text (in the language and data shown), measured
    // again whenever the table changed.
    void FitColumnsToContent();
    // The value of the "Measurements:" line: the count and how much of the tester's memory it
    // fills; empty while there is neither a tester nor a series.
    QString MeasurementsText() const;

    // 1 while a key or the lock symbol is framed under the mouse; which one.
    int KeyHighlight() const { return m_keyHighlight; }
    MirrorGeometry::Area HighlightedArea() const { return m_highlightArea; }

signals:
    // The tolerance limits changed (the chart beside the table redraws).
    void LimitsChanged();

private:
    // Declared before the store: the store's link refers to them until the store is gone, and the
    // table's verdict overlay to the limits until its grid is gone.
    CToleranceTable m_limits;
    CViewLinkFollowUps m_followUps;
    CTransferProgress m_progress;

public:
    CMeasurementStore store;

    // Room for the device area and about twenty table rows of all nine columns; never narrower
    // than the device list box.
    QSize sizeHint() const override { return {960, kDeviceAreaHeight + 480}; }
    // The mouse position in the picture's own coordinates.
    QPoint PicturePoint(QPoint viewPoint) const;
    QSize minimumSizeHint() const override { return {360, kDeviceAreaHeight + 100}; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ShowStatus(const QString& text);
    void CreateDeviceList();
    // Forgets the tester: its identity, the timer, the link, the list box, the display.
    void ForgetDevice();
    // The current device's texts, version numbers and key lock go (the signature stays).
    void ClearCurrentDevice();

    // ---- connecting (ViewConnection.cpp) ----------------------------------------------------
    void FillDeviceList();
    // The firmware check, then AttachTester with the connect jobs.
    void AttachSelectedTester();
    // Takes over the tester of the list box's current line on the open port: the application
    // check, then `connectJobs` at once and the polling timer (or the boot-loader state).
    void AttachTester(std::uint32_t connectJobs);
    // The firmware update check of a second-generation tester on the freshly opened link.
    void StartFirmwareUpdateCheck();
    // After Connect and a list-box selection: "Online" (with the boot-loader hint) when the link
    // is open and idle, "Offline" when it is closed; nothing while jobs are pending.
    void ShowConnectResult();
    // A search that found nothing because ports could not be opened tells the user why.
    void TellPortProblems();

    // ---- polling (ViewPolling.cpp) ----------------------------------------------------------
    // The link's jobs or event handling, with the progress of a long transfer in the status bar.
    int RunLinkJobs();
    void ProcessLinkEvents();
    // The tester discarded its last impact: hide it and show the rows of its series.
    void ShowDiscardedMeasurement();
    // Two failed ticks in a row: the connection is over.
    void EndLostConnection();
    // The link's follow-up: a send the tester did not acknowledge (the dialog and the notice say so).
    void TellSendNotAcknowledged(const QString& text);

    // ---- attaching a lost tester again (ViewReattach.cpp) -----------------------------------
    // Remembers the tester that was lost and starts waiting for it; fullTransfer: its connect
    // transfer never completed, so the re-attach reads its whole memory.
    void AwaitLostTester(bool fullTransfer);
    void StopAwaitingLostTester();
    // Whether the tester answering on `port` is the one that was lost; the port is left closed.
    bool LostTesterAnswers(int port);
    // Whether the jobs pending are what is left of the connect's own transfer.
    bool InitialTransferPending();
    QString ConnectionStateText();
    // "Online" (with " BOOTLOADER!" in boot-loader mode) while the link is open, else "Offline".
    QString ConnectionText();
    // Save, Open, Copy, Export and Print.
    void AddFileCommands();
    // Help (57670): the operating instructions of the chosen language.
    void ShowHelp();
    // The Edit menu's Expand, Collapse, Copy, Show, Hide and Delete (ViewTableCommands.cpp).
    void AddTableCommands();
    // The settings dialog object and its command (ViewDeviceSettings.cpp).
    void CreateSettingsDialog();
    void OnDeviceSettings();
    // Report and Tolerance limits.
    void AddQualityCommands();
    void SaveFile();
    // Clear device memory, the firmware upgrade and the conversion standard.
    void AddDeviceCommands();

    // ---- painting (ViewPainting.cpp) ---------------------------------------------------------
    void LoadViewImages();
    void PlaceTable(int W, int H);
    QFont IdentityFont() const;
    // The six identity lines: label (string id) and value.
    std::array<std::pair<int, QString>, 6> IdentityLines() const;
    void DrawIdentityTexts(QPainter& painter, const DeviceBand& band);
    void DrawHighlightFrame(QPainter& painter, int W);
    // A rectangle of the picture's own coordinates where it lies in the view (to redraw it).
    QRect InView(const QRect& pictureRect) const;

    // ---- mouse (ViewMouse.cpp) ---------------------------------------------------------------
    // A press on a key or the lock symbol while the link is open; false when nothing was done.
    bool ActOnPress(MirrorGeometry::Area area);
    void ToggleKeyLock();
    void ShowHighlight(MirrorGeometry::Area area);
    void EndHighlight();
    QString AreaText(MirrorGeometry::Area area) const;
    // Asks for a file and writes the measurements (or the series statistics) as CSV in the
    // dialect of the user's locale.
    void ExportCsv(bool statistics);

    IViewFrame* m_frame = nullptr;
    QComboBox* m_deviceList = nullptr;
    QWidget* m_table = nullptr;
    // Timer 200: always one-shot; started when a tester is attached.
    QTimer m_pollTimer;
    // The tester whose connection was lost and is waited for (port 0: none).
    struct SLostTester {
        QString name;
        QString serialNumber;
        int port = 0;
        bool fullTransfer = false;
    } m_lostTester;
    QTimer m_reattachTimer;
    CNoticeBar* m_notice = nullptr;
    // Consecutive polling ticks whose device work failed.
    int m_failureCount = 0;
    // Set when a tester was attached with the connect jobs, until they are all done.
    bool m_initialTransfer = false;
    // The list box line of the tester attached last (-1: none).
    int m_attachedLine = -1;
    QString m_programFile;
    // The firmware update check, from the first attached tester on.
    std::unique_ptr<CFirmwareCheck> m_firmwareCheck;
    CommandHandlers m_commands;
    IRecentFiles* m_recent = nullptr;
    // Images 228 (the background left of the tester), 231 (keys locked) and 232 (keys unlocked).
    CDIBSectionLiteNP m_bandImage;
    CDIBSectionLiteNP m_lockedImage;
    CDIBSectionLiteNP m_unlockedImage;
    // 1 while a key or the lock symbol is framed under the mouse.
    int m_keyHighlight = 0;
    MirrorGeometry::Area m_highlightArea = MirrorGeometry::Area::None;
    // The widths the table's texts need (FitColumnsToContent); 0 until measured.
    std::array<int, 9> m_contentWidths{};
};

// The measurement file a command line names: the first argument that is not an option ("-..."),
// or the first argument after "--". Empty when there is none.
QString MeasurementFileArgument(const QStringList& arguments);
