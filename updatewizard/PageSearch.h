#pragma once
// CPageSearch, the wizard's first page: connects to the update server and lists the program's
// folder (on the worker thread), then tells whether a newer version is there (Next) or not
// (Finish), or why the search failed (Finish). The page's header follows the outcome.

#include "update/UpdateSession.h"
#include "updatewizard/UpdatePage.h"

class QLabel;

class CPageSearch : public CUpdatePage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 22001;
    static constexpr int kTitleLine = 22013;
    static constexpr int kStatusLine = 22003;
    static constexpr int kMessage = 22006;

    explicit CPageSearch(CAutoUpdate* sheet);
    void initializePage() override;

    QLabel* TitleLine() const { return m_title; }
    QLabel* StatusLine() const { return m_status; }
    QLabel* Message() const { return m_message; }

protected:
    bool event(QEvent* event) override;

private:
    void OnConnect();
    void OnListed(const QList<SRemoteEntry>& listing);
    void OnFailed(const QString& error);

    QLabel* m_title;
    QLabel* m_status;
    QLabel* m_message;
};
