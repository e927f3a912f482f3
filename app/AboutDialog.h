#pragma once
// The About box (dialog 160): the program's name and version, the rights holder and "OK", with
// the program's artwork (bitmap 170) drawn at (10, 10) in its natural size, blended by its alpha.

#include <QDialog>
#include <QImage>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kArtworkLeft = 10;
    static constexpr int kArtworkTop = 10;

    explicit CAboutDlg(QWidget* parent = nullptr);
    const QImage& Artwork() const { return m_artwork; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_artwork;
};

// Shows the About box modally over parent.
void ShowAboutBox(QWidget* parent);
