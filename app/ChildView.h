#pragma once
// CChildView: the main view. The upper 150 pixels show the connected tester (the device list box
// of found testers, later its identity texts and mirrored screen); below lies the measurement
// table. The view owns the measurement store and, once a tester is attached, drives everything
// that happens over time with one polling timer.

#include "app/CommandHandlers.h"
#include "data/MeasurementStore.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

class QComboBox;

// What the view needs of the frame around it.
class IViewFrame {
public:
    virtual ~IViewFrame() = default;
    // Stores the text as the frame's status text and shows it in the status bar.
    virtual void SetStatusText(const QString& text) = 0;
};

class CChildView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPollTimerId = 200;
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

    // The commands the view carries out, with their enable rules.
    const CommandHandlers& Commands() const { return m_commands; }

    QComboBox* DeviceList() const { return m_deviceList; }
    QWidget* TableWindow() const { return m_table; }
    const QTimer& PollTimer() const { return m_pollTimer; }
    int FailureCount() const { return m_failureCount; }

    CMeasurementStore store;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowStatus(const QString& text);
    void CreateDeviceList();
    void ForgetDevice();

    IViewFrame* m_frame = nullptr;
    QComboBox* m_deviceList = nullptr;
    QWidget* m_table = nullptr;
    // Timer 200: always one-shot; started when a tester is attached.
    QTimer m_pollTimer;
    // Consecutive polling ticks whose device work failed.
    int m_failureCount = 0;
    CommandHandlers m_commands;
};

// The measurement file a command line names: the first argument that is not an option ("-..."),
// or the first argument after "--". Empty when there is none.
QString MeasurementFileArgument(const QStringList& arguments);
