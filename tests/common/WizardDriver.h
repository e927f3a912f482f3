#pragma once
// Drives a modal dialog (a wizard run with exec()) from a timer, as a user would: every few
// milliseconds the first step not yet done runs once its condition holds. A run that does not get
// through its steps within the deadline is cancelled (reject()), so a test never hangs on it.
//
//   WizardDriver driver(&wizard);
//   driver.Add("offer shown", [&] { return page->WizardButtons() == 2; }, [&] { ClickNext(); });
//   wizard.RunWizard(true);
//   EXPECT_TRUE(driver.AllDone()) << driver.Pending();

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class WizardDriver {
public:
    explicit WizardDriver(QDialog* dialog, int deadlineMs = 60000);

    void Add(const QString& what, std::function<bool()> ready, std::function<void()> act = {});
    bool AllDone() const { return next_ >= steps_.size(); }
    // The first step not done ("" when all are).
    QString Pending() const { return AllDone() ? QString() : steps_[next_].what; }
    bool TimedOut() const { return timedOut_; }

private:
    struct Step {
        QString what;
        std::function<bool()> ready;
        std::function<void()> act;
    };
    void Tick();

    QPointer<QDialog> dialog_;
    std::vector<Step> steps_;
    size_t next_ = 0;
    bool timedOut_ = false;
    QTimer timer_;
    QTimer deadline_;
};
