#include "common/WizardDriver.h"

WizardDriver::WizardDriver(QDialog* dialog, int deadlineMs)
    : dialog_(dialog)
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(5);
    deadline_.setSingleShot(true);
    QObject::connect(&deadline_, &QTimer::timeout, [this] {
        timedOut_ = true;
        timer_.stop();
        if (dialog_ && dialog_->isVisible())
            dialog_->reject();
    });
    deadline_.start(deadlineMs);
}

void WizardDriver::Add(const QString& what, std::function<bool()> ready, std::function<void()> act)
{
    steps_.push_back({what, std::move(ready), std::move(act)});
}

void WizardDriver::Tick()
{
    // Only one step per tick, so that the dialog handles what the step started.
    if (AllDone() || !steps_[next_].ready())
        return;
    Step& step = steps_[next_++];
    if (step.act)
        step.act();
}
