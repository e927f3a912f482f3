#include "app/AboutDialog.h"

#include "app/AppStrings.h"
#include "app/Artwork.h"
#include "app/CommandIds.h"
#include "resources/StringTable.h"

#include "ScleronVersion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
    , m_artwork(AboutArtwork())
{
    setObjectName(QStringLiteral("dialog%1").arg(ResId::AboutBox));
    setWindowTitle(ResString(AppText::AboutTitle));

    auto* version = new QLabel(ResString(AppText::VersionLine).arg(QLatin1String(SCLERON_VERSION_TEXT)), this);
    version->setObjectName(QStringLiteral("versionText"));
    auto* rights = new QLabel(ResString(AppText::RightsLine), this);
    rights->setObjectName(QStringLiteral("rightsText"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    // The texts stand to the right of the artwork, which the dialog paints itself.
    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(rights);
    texts->addStretch();
    auto* row = new QHBoxLayout;
    row->addSpacing(m_artwork.width() + kArtworkLeft);
    row->addLayout(texts, 1);
    row->addWidget(buttons, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kArtworkLeft, kArtworkTop, kArtworkLeft, kArtworkTop);
    layout->addLayout(row);
    setMinimumHeight(m_artwork.height() + 2 * kArtworkTop);
    setFixedSize(sizeHint().expandedTo(minimumSize()));
}

void CAboutDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_artwork.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(kArtworkLeft, kArtworkTop), m_artwork);
}

void ShowAboutBox(QWidget* parent)
{
    CAboutDlg dialog(parent);
    dialog.exec();
}
